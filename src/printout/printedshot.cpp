#include "printout/printedshot.h"

#include <QStringList>

#include "export/shotrows.h"
#include "qtshared/uitext.h"

namespace sw::printout {

namespace {

// Framing, angle and the movements, one to a line; the framing reads as the
// site publishes it, the other words are the editor's entries.
QString CameraWordsOf(const ShotRow& row)
{
    QStringList lines;
    const auto add = [&lines](const char* label, const std::string& word) {
        if (!word.empty())
            lines << QString::fromUtf8(label) + uitext::ToQString(word);
    };
    add("cadrage : ", row.framingWord);
    add("angle : ", row.angle);
    add("panoramique ", row.pan);
    add("travelling ", row.travel);
    add("zoom ", row.zoom);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::vector<PrintedShot> PrintedShots(const ProjectDocument& project)
{
    std::vector<PrintedShot> shots;
    const std::vector<ShotRow> rows = ShotRows(project);
    shots.reserve(rows.size());
    for (const ShotRow& row : rows) {
        PrintedShot shot;
        shot.number = QString::number(row.number);
        shot.name = uitext::ToQString(row.name);
        shot.action = uitext::ToQString(row.action);
        shot.sound = uitext::ToQString(row.sound);
        shot.dialogue = uitext::ToQString(row.dialogue);
        shot.duration = QStringLiteral("%1 s").arg(row.durationSeconds);
        shot.cumulated = uitext::ToQString(row.cumulatedText);
        shot.framing = uitext::ToQString(row.framingWord);
        shot.cameraWords = CameraWordsOf(row);
        shot.effect = uitext::ToQString(row.effect);
        shot.startPicture = row.startPicture;
        shot.endPicture = row.endPicture;
        shots.push_back(std::move(shot));
    }
    return shots;
}

} // namespace sw::printout
