// The first page and the two tables: the continuity and the technical breakdown.

#include "model/geninfo.h"
#include "printout/parts.h"
#include "printout/tableprint.h"
#include "qtshared/uitext.h"

namespace sw::printout {

namespace {

// A section of the first page: its heading, then its text, which is HTML by
// design.
bool PrintSection(PageCanvas& canvas, const QString& heading, const QString& text)
{
    if (text.trimmed().isEmpty())
        return true;
    const QFont headingFont = canvas.BodyFont(13, true);
    const QFont font = canvas.BodyFont(10.5);
    canvas.SetY(canvas.Y() + canvas.Mm(6));
    if (!canvas.FlowLines({heading}, headingFont, 0))
        return false;
    canvas.SetY(canvas.Y() + canvas.Mm(1.5));
    return canvas.FlowText(canvas.Text(text, true, font, canvas.Body().width()), 0);
}

QString JoinedLines(const std::initializer_list<QString> parts)
{
    QStringList lines;
    for (const QString& part : parts)
        if (!part.isEmpty())
            lines << part;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool PrintFirstPage(PageCanvas& canvas, const TGenInfo& info)
{
    if (!canvas.StartPage())
        return false;
    const QFont titleFont = canvas.BodyFont(24, true);
    const double width = canvas.Body().width();
    canvas.SetY(canvas.Y() + canvas.Mm(30));
    if (!canvas.FlowLines(canvas.WrapLines(uitext::ToQString(info.title), titleFont, width), titleFont, 0))
        return false;
    const QString authors = uitext::ToQString(info.creator).trimmed();
    if (!authors.isEmpty()) {
        const QFont authorFont = canvas.BodyFont(12);
        canvas.SetY(canvas.Y() + canvas.Mm(4));
        const QStringList lines = canvas.WrapLines(authors, authorFont, width);
        if (!canvas.FlowLines(lines, authorFont, 0))
            return false;
    }
    canvas.SetY(canvas.Y() + canvas.Mm(10));
    return PrintSection(canvas, QStringLiteral("Idée"), uitext::ToQString(info.idea))
           && PrintSection(canvas, QStringLiteral("Synopsis"), uitext::ToQString(info.synopsis));
}

namespace {

// The scene heading line before a scene's first shot, when index is one.
bool HeadScene(TablePrinter& table, const std::vector<PrintedScene>& scenes, std::size_t index,
               std::size_t& nextScene)
{
    if (nextScene >= scenes.size() || scenes[nextScene].first != index)
        return true;
    const PrintedScene& scene = scenes[nextScene++];
    return table.AddHeadingRow(scene.title, scene.runningTime);
}

} // namespace

bool PrintContinuity(PageCanvas& canvas, const std::vector<PrintedShot>& shots, const std::vector<PrintedScene>& scenes)
{
    TablePrinter table(canvas, QStringLiteral("Continuité"),
                       {{QStringLiteral("N°"), 6}, {QStringLiteral("Nom"), 18}, {QStringLiteral("Action"), 34},
                        {QStringLiteral("Son"), 21}, {QStringLiteral("Dialogue"), 21}});
    if (!table.Start())
        return false;
    std::size_t nextScene = 0;
    for (std::size_t index = 0; index < shots.size(); ++index) {
        const PrintedShot& shot = shots[index];
        if (!HeadScene(table, scenes, index, nextScene))
            return false;
        if (!table.AddRow({{shot.number, {}},
                           {shot.name, {}},
                           {shot.action, {}, true},
                           {shot.sound, {}, true},
                           {shot.dialogue, {}, true}}))
            return false;
    }
    return true;
}

bool PrintBreakdown(PageCanvas& canvas, const std::vector<PrintedShot>& shots, const std::vector<PrintedScene>& scenes)
{
    TablePrinter table(canvas, QStringLiteral("Découpage technique"),
                       {{QStringLiteral("N°"), 6},
                        {QStringLiteral("Nom"), 16},
                        {QStringLiteral("Image de début"), 22, true},
                        {QStringLiteral("Caméra"), 20},
                        {QStringLiteral("Durée"), 12},
                        {QStringLiteral("Effets"), 24}});
    if (!table.Start())
        return false;
    std::size_t nextScene = 0;
    for (std::size_t index = 0; index < shots.size(); ++index) {
        const PrintedShot& shot = shots[index];
        if (!HeadScene(table, scenes, index, nextScene))
            return false;
        const QString timing = JoinedLines({shot.duration, QStringLiteral("cumul : ") + shot.cumulated});
        if (!table.AddRow({{shot.number, {}},
                           {shot.name, {}},
                           {QString(), shot.startPicture},
                           {shot.cameraWords, {}},
                           {timing, {}},
                           {shot.effect, {}, true}}))
            return false;
    }
    return true;
}

} // namespace sw::printout
