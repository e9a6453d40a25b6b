#include "printout/printout.h"

#include <QDateTime>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "document/projectdocument.h"
#include "model/error.h"
#include "printout/pagecanvas.h"
#include "printout/parts.h"
#include "printout/pdfmetadata.h"
#include "printout/printedshot.h"
#include "export/printlimits.h"
#include "qtshared/uitext.h"

namespace sw::printout {

namespace {

constexpr double kMarginMm = 15;

void SetPaper(QPagedPaintDevice& device, PlanPaper paper)
{
    device.setPageSize(QPageSize(paper == PlanPaper::Letter ? QPageSize::Letter : QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

QString FilmTitle(const ProjectDocument& project)
{
    const QString title = uitext::ToQString(project.GenInfo.title).simplified();
    return title.isEmpty() ? QStringLiteral("Sans titre") : title;
}

// The editor keeps the authors one to a line.
QStringList Authors(const ProjectDocument& project)
{
    QStringList authors;
    for (const QString& line : uitext::ToEditorText(project.GenInfo.creator).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            authors << line.trimmed();
    return authors;
}

// Title, authors and creator in the document information and in the XMP
// packet, where readers find the authors.
void SetDocumentInfo(QPdfWriter& writer, const ProjectDocument& project)
{
    const QString title = FilmTitle(project);
    const QStringList authors = Authors(project);
    const QString tool = QStringLiteral("Shotweave");
    writer.setTitle(title);
    // The document information of Qt 6.4 has no author entry: the creator
    // names them too, for the readers that show only that information.
    writer.setCreator(authors.isEmpty() ? tool : authors.join(QStringLiteral(", ")) + QStringLiteral(" (") + tool
                                                     + QLatin1Char(')'));
    writer.setDocumentXmpMetadata(PlanXmpMetadata(title, authors, tool, QDateTime::currentDateTimeUtc()));
}

bool PrintParts(PageCanvas& canvas, const ProjectDocument& project, const std::vector<PrintedShot>& shots,
                const std::vector<PrintedScene>& scenes, const PlanOptions& options)
{
    return (!options.firstPage || PrintFirstPage(canvas, project.GenInfo))
           && (!options.continuity || PrintContinuity(canvas, shots, scenes))
           && (!options.breakdown || PrintBreakdown(canvas, shots, scenes))
           && (!options.storyboard || PrintStoryboard(canvas, shots, options.grid, options.continuity)) && canvas.Finish();
}

[[noreturn]] void ThrowCannotWrite(const std::filesystem::path& pdfFile, const QString& reason)
{
    throw Error("Le fichier « " + pdfFile.filename().string() + " » ne peut pas être écrit : "
                + reason.toStdString());
}

} // namespace

bool PrintPlan(QPagedPaintDevice& device, const ProjectDocument& userProject, const std::filesystem::path& imgDir,
               const PlanOptions& options, const PrintProgress& progress)
{
    // A text too long to lay out is printed cut, with its mark.
    ProjectDocument project = userProject;
    CutLongTextsForPrint(project);
    SetPaper(device, options.paper);
    const std::vector<PrintedShot> shots = PrintedShots(project);
    const std::vector<PrintedScene> scenes = PrintedScenes(project);
    const QString title = FilmTitle(project);
    // The measures alone first, for the page count every header shows.
    const PrintProgress noProgress;
    PageCanvas counter(device, nullptr, title, 0, imgDir, noProgress);
    std::vector<PictureRequest> pictureRequests;
    counter.NotePicturesInto(pictureRequests);
    PrintParts(counter, project, shots, scenes, options);
    PictureQueue pictures(std::move(pictureRequests));

    QPainter painter;
    if (!painter.begin(&device))
        throw Error("L'impression du plan ne peut pas commencer.");
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PageCanvas canvas(device, &painter, title, counter.Pages(), imgDir, progress);
    canvas.TakePicturesFrom(pictures);
    const bool finished = PrintParts(canvas, project, shots, scenes, options);
    painter.end();
    return finished;
}

bool WritePlanPdf(const std::filesystem::path& pdfFile, const ProjectDocument& project,
                  const std::filesystem::path& imgDir, const PlanOptions& options, const PrintProgress& progress)
{
    // QSaveFile writes beside the file and renames on commit; a file it
    // does not commit is removed, whatever stops the writing.
    QSaveFile file(uitext::PathToQString(pdfFile));
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotWrite(pdfFile, file.errorString());
    {
        QPdfWriter writer(&file);
        SetDocumentInfo(writer, project);
        if (!PrintPlan(writer, project, imgDir, options, progress)) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit())
        ThrowCannotWrite(pdfFile, file.errorString());
    return true;
}

} // namespace sw::printout
