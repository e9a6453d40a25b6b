#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QtGlobal>

#include "app/editorstart.h"
#include "animatic/animaticencoder.h"
#include "animatic/timelinecards.h"
#include "app/frenchtranslations.h"
#include "interchange/cutfile.h"
#include "interchange/finaldraft.h"
#include "pictures/picturefiles.h"
#include "printout/printout.h"
#include "publish/pocketplan.h"
#include "publish/commandline.h"

namespace {

// The platform's warnings (no runtime folder as root, fonts looked up) are
// no business of a command-line user: its stderr holds the program's own
// messages. Critical messages still go through.
void KeepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

// The PDF of the command line is drawn with Qt Gui on the offscreen
// platform, so that it runs with no display; the application exists only
// for the drawing.
sw::PlanPdfWriter HeadlessPdfWriter(int& argc, char** argv)
{
    return [&argc, argv](const std::filesystem::path& pdfFile, const sw::ProjectDocument& project,
                         const std::filesystem::path& imgDir, const sw::PlanOptions& options) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepOnlyCriticalMessages);
        QGuiApplication application(argc, argv);
        sw::printout::WritePlanPdf(pdfFile, project, imgDir, options);
    };
}

// The pocket plan's pictures are decoded and encoded with Qt Gui, on the
// offscreen platform as the PDF is.
sw::PocketPlanWriter HeadlessPocketPlanWriter(int& argc, char** argv)
{
    return [&argc, argv](const std::filesystem::path& htmlFile, const sw::ProjectDocument& project,
                         const std::filesystem::path& imgDir) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepOnlyCriticalMessages);
        QGuiApplication application(argc, argv);
        std::vector<std::string> warnings;
        sw::WritePocketPlan(htmlFile, project, {imgDir, sw::MakePocketPictureSizes, {}}, &warnings);
        return warnings;
    };
}

// The animatic's frames are drawn with Qt Gui on the offscreen platform and
// encoded with libav in this process.
sw::AnimaticWriter HeadlessAnimaticWriter(int& argc, char** argv)
{
    return [&argc, argv](const std::filesystem::path& videoFile, const sw::ProjectDocument& project,
                         const std::filesystem::path& imgDir, const sw::VideoOptions& options) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepOnlyCriticalMessages);
        QGuiApplication application(argc, argv);
        sw::animatic::EncodeAnimatic(videoFile, project, imgDir, options);
    };
}

// The timelines' title cards are drawn with Qt Gui on the offscreen
// platform, as the PDF is; the application, made for the first card, lives
// in main's application until the program ends.
sw::TitleCardWriter HeadlessTitleCardWriter(int& argc, char** argv, std::unique_ptr<QGuiApplication>& application)
{
    return [&argc, argv, &application](const std::filesystem::path& png, const sw::ProjectDocument& project,
                                       const sw::TimelineClip& clip, int width, int height) {
        if (!application) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qInstallMessageHandler(KeepOnlyCriticalMessages);
            application = std::make_unique<QGuiApplication>(argc, argv);
        }
        sw::animatic::TimelineCardWriter()(png, project, clip, width, height);
    };
}

} // namespace

int main(int argc, char* argv[])
{
    // The headless modes need no display: they run before any Qt object exists.
    std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QGuiApplication> cardsApplication;
    sw::CommandLineTools tools;
    tools.writePdf = HeadlessPdfWriter(argc, argv);
    tools.writePocketPlan = HeadlessPocketPlanWriter(argc, argv);
    tools.writeAnimatic = HeadlessAnimaticWriter(argc, argv);
    tools.writeTitleCard = HeadlessTitleCardWriter(argc, argv, cardsApplication);
    tools.readCut = sw::ReadCutFile;
    tools.readFinalDraft = sw::ReadFinalDraftFile;
    if (auto exitCode = sw::RunCommandLine(args, std::cout, std::cerr, tools))
        return *exitCode;

    Q_INIT_RESOURCE(editor);
    Q_INIT_RESOURCE(dialogs);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Shotweave"));
    QApplication::setDesktopFileName(QStringLiteral("shotweave"));
    sw::InstallFrenchTranslations(application);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return sw::RunEditor(application, arguments);
}
