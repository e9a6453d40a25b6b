#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "app/dialogprompts.h"
#include "editortestkit.h"
#include "export/planoptions.h"
#include "export/shotlistcsv.h"
#include "../printout/printouttestkit.h"
#include "model/appsettings.h"
#include "printout/printout.h"
#include "qtshared/uitext.h"

namespace {

namespace fs = std::filesystem;

constexpr int kShots = 4;

// The poppler tools, as the printed plan's own tests use them.
using sw::printout::test::CommandOutput;

std::string PdfInfo(const QString& pdf)
{
    return CommandOutput("pdfinfo '" + pdf.toStdString() + "'");
}

int PageCount(const QString& pdf)
{
    return sw::printout::test::PageCount(pdf.toStdString());
}

// "(A4)" or "(letter)", as pdfinfo names the first page's size.
std::string PaperName(const QString& pdf)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Page size:[^(\\n]*(\\([^)]*\\))"))
                                              .match(QString::fromStdString(PdfInfo(pdf)));
    return match.hasMatch() ? match.captured(1).toStdString() : "";
}

// The pictures embedded in the file, one row each in pdfimages -list after
// its two heading lines.
int PictureCount(const QString& pdf)
{
    const std::string rows = CommandOutput("pdfimages -list '" + pdf.toStdString() + "'");
    int lines = 0;
    for (char c : rows)
        lines += c == '\n';
    return lines - 2;
}

// A film of kShots shots, each with its start picture in the image folder,
// written by the core and opened through the menu.
QString OpenFilm(swtest::Editor& editor)
{
    const QString file = editor.Path(QStringLiteral("film.vid"));
    const QString imgDir = editor.Path(QStringLiteral("film/img"));
    QDir().mkpath(imgDir);
    sw::ProjectDocument document;
    document.GenInfo.title = "L'été au jardin";
    document.GenInfo.creator = "Ana\r\nLéo";
    for (int index = 0; index < kShots; ++index) {
        sw::TEvent& shot = document.EventList.AddEvent();
        shot.name = "plan " + std::to_string(index + 1);
        shot.action = "Action " + std::to_string(index + 1);
        shot.cam.startImage = "debut" + std::to_string(index) + ".jpg";
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(index * 60, 160, 220));
        picture.save(QDir(imgDir).filePath(sw::uitext::ToQString(shot.cam.startImage)), "JPEG");
    }
    sw::SaveProject(document, file.toStdString());
    editor.prompts.fileToOpen = file;
    editor.Trigger("mOuvrir");
    editor.prompts.messages.clear();
    return file;
}

void Toggle(QCheckBox* check)
{
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
}

void SetChecked(QCheckBox* check, bool checked)
{
    if (check->isChecked() != checked)
        Toggle(check);
}

// The entry at index, reached with the keyboard from the first one.
void ChooseEntry(QComboBox* combo, int index)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int step = 0; step < index; ++step)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Typed key by key, accents included (keyClicks takes ASCII only).
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

int GridIndex(sw::PanelGrid grid)
{
    for (int index = 0; index < static_cast<int>(std::size(sw::kPanelGrids)); ++index)
        if (sw::kPanelGrids[index] == grid)
            return index;
    return -1;
}

// The user's choices in the export dialog, then "Accepter".
std::function<void(sw::TPdfExportDlg&)> Choose(const sw::PlanOptions& options)
{
    return [options](sw::TPdfExportDlg& dialog) {
        SetChecked(dialog.FirstPageChk, options.firstPage);
        SetChecked(dialog.ContinuityChk, options.continuity);
        SetChecked(dialog.BreakdownChk, options.breakdown);
        SetChecked(dialog.StoryboardChk, options.storyboard);
        if (dialog.GridCombo->isEnabled())
            ChooseEntry(dialog.GridCombo, GridIndex(options.grid));
        ChooseEntry(dialog.PaperCombo, options.paper == sw::PlanPaper::Letter ? 1 : 0);
        QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
    };
}

sw::PlanOptions StoryboardOnly(sw::PanelGrid grid, sw::PlanPaper paper = sw::PlanPaper::A4)
{
    sw::PlanOptions options;
    options.firstPage = options.continuity = options.breakdown = false;
    options.grid = grid;
    options.paper = paper;
    return options;
}

// What the dialog shows, read back from its controls.
sw::PlanOptions Shown(const sw::TPdfExportDlg& dialog)
{
    sw::PlanOptions options;
    options.firstPage = dialog.FirstPageChk->isChecked();
    options.continuity = dialog.ContinuityChk->isChecked();
    options.breakdown = dialog.BreakdownChk->isChecked();
    options.storyboard = dialog.StoryboardChk->isChecked();
    options.grid = sw::kPanelGrids[dialog.GridCombo->currentIndex()];
    options.paper = dialog.PaperCombo->currentText() == QStringLiteral("Letter") ? sw::PlanPaper::Letter
                                                                                 : sw::PlanPaper::A4;
    return options;
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class ExportsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    // ------------------------------------------------------------ the PDF export

    void theDialogsChoicesReachTheFile()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const QString pdf = editor.Path(QStringLiteral("storyboard.pdf"));
        editor.prompts.exportFile = pdf;
        editor.prompts.exportSteps = Choose(StoryboardOnly({1, 1}));
        editor.Trigger("mExportPdf");
        QCOMPARE(editor.prompts.exportDialogs, 1);
        QCOMPARE(editor.prompts.exportFormats, QList<sw::ExportFormat>{sw::ExportFormat::Pdf});
        // One page per shot and none for the other parts, each with its picture.
        QCOMPARE(PageCount(pdf), kShots);
        QCOMPARE(PictureCount(pdf), kShots);
        QCOMPARE(PaperName(pdf), std::string("(A4)"));
        QCOMPARE(editor.prompts.progressTexts, QStringList{QStringLiteral("Exportation du plan en PDF...")});
        QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("Le plan est exporté dans « ") + pdf
                                                      + QStringLiteral(" ».")});

        // Every part on Letter paper: more pages, all of them Letter.
        const QString letter = editor.Path(QStringLiteral("letter.pdf"));
        editor.prompts.exportFile = letter;
        sw::PlanOptions everything;
        everything.grid = {1, 1};
        everything.paper = sw::PlanPaper::Letter;
        editor.prompts.exportSteps = Choose(everything);
        editor.Trigger("mExportPdf");
        QVERIFY(PageCount(letter) > kShots);
        QCOMPARE(PaperName(letter), std::string("(letter)"));
        QVERIFY2(QString::fromStdString(PdfInfo(letter)).contains(QRegularExpression(QStringLiteral("Title:\\s+L'été au jardin\n"))),
                 PdfInfo(letter).c_str());
    }

    void theExportFileIsOfferedBesideTheProject()
    {
        swtest::Editor editor;
        editor.prompts.exportSteps = Choose(sw::PlanOptions());
        editor.Trigger("mExportPdf");
        // Before the project has a file: "plan.pdf" in the home folder.
        QCOMPARE(editor.prompts.exportSuggestions, QStringList{QDir(QDir::homePath()).filePath(QStringLiteral("plan.pdf"))});
        OpenFilm(editor);
        editor.Trigger("mExportPdf");
        QCOMPARE(editor.prompts.exportSuggestions.last(), editor.Path(QStringLiteral("film.pdf")));
        // The export file dialog was cancelled: nothing written, nothing said.
        QVERIFY(editor.prompts.progressTexts.isEmpty());
        QVERIFY(editor.prompts.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(editor.Path(QStringLiteral("film.pdf"))));
    }

    void theChoicesAreRememberedInTheSettingsAndTheDialogReopensWithThem()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const sw::PlanOptions chosen = [] {
            sw::PlanOptions options;
            options.continuity = false;
            options.grid = {3, 4};
            options.paper = sw::PlanPaper::Letter;
            return options;
        }();
        editor.prompts.exportSteps = Choose(chosen);
        // Remembered once the dialog is accepted, even when no file is chosen then.
        editor.Trigger("mExportPdf");
        QCOMPARE(sw::PlanOptionsFromSettings(editor.app->Settings()), chosen);
        sw::TAppSettings written;
        written.ReadSettings(editor.app->IniFileName());
        QCOMPARE(sw::PlanOptionsFromSettings(written), chosen);
        QVERIFY(swtest::ReadBytes(editor.app->IniFileName()).find("[EXPORT]") != std::string::npos);

        // Reopened, it shows them; closed with "Annuler", it changes nothing.
        sw::PlanOptions shown;
        editor.prompts.exportSteps = [&shown](sw::TPdfExportDlg& dialog) {
            shown = Shown(dialog);
            Toggle(dialog.FirstPageChk);
            QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
        };
        const int asked = editor.prompts.exportSuggestions.size();
        editor.Trigger("mExportPdf");
        QCOMPARE(shown, chosen);
        QCOMPARE(editor.prompts.exportSuggestions.size(), asked);
        QCOMPARE(sw::PlanOptionsFromSettings(editor.app->Settings()), chosen);

        // A new run of the editor reads them back from the file.
        swtest::Editor next(false);
        next.form.reset();
        next.app = std::make_unique<sw::TEditorApp>(editor.app->ProgramFile(), editor.app->IniFileName(),
                                                   editor.RecoveryFolder());
        next.app->ReadSettings();
        next.form = std::make_unique<sw::TmainForm>(*next.app, next.prompts);
        next.form->show();
        next.prompts.exportSteps = [&shown](sw::TPdfExportDlg& dialog) { shown = Shown(dialog); };
        next.Trigger("mExportPdf");
        QCOMPARE(shown, chosen);
    }

    void acceptingNeedsAPartAndTheGridFollowsTheStoryboard()
    {
        swtest::Editor editor;
        bool checked = false;
        editor.prompts.exportSteps = [&checked](sw::TPdfExportDlg& dialog) {
            QVERIFY(dialog.OkBtn->isEnabled());
            for (QCheckBox* part : {dialog.FirstPageChk, dialog.ContinuityChk, dialog.BreakdownChk})
                Toggle(part);
            QVERIFY(dialog.OkBtn->isEnabled());
            QVERIFY(dialog.GridCombo->isEnabled());
            Toggle(dialog.StoryboardChk);
            QVERIFY(!dialog.OkBtn->isEnabled());
            QVERIFY(!dialog.GridCombo->isEnabled());
            // A click on the disabled button does not close the dialog.
            QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            Toggle(dialog.BreakdownChk);
            QVERIFY(dialog.OkBtn->isEnabled());
            QVERIFY(!dialog.GridCombo->isEnabled());
            QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            checked = true;
        };
        editor.Trigger("mExportPdf");
        QVERIFY(checked);
        sw::PlanOptions breakdownOnly;
        breakdownOnly.firstPage = breakdownOnly.continuity = breakdownOnly.storyboard = false;
        QCOMPARE(sw::PlanOptionsFromSettings(editor.app->Settings()), breakdownOnly);
    }

    void aCancelledExportLeavesNoFileAndClaimsNothing()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const QString folder = editor.Path(QStringLiteral("exports"));
        QVERIFY(QDir().mkpath(folder));
        editor.prompts.exportFile = QDir(folder).filePath(QStringLiteral("arrete.pdf"));
        editor.prompts.exportSteps = Choose(sw::PlanOptions());
        editor.prompts.cancelAtStep = 2;
        editor.Trigger("mExportPdf");
        QCOMPARE(editor.prompts.progressSteps, 2);
        // Neither the file nor a piece of it.
        QCOMPARE(FilesIn(folder), QStringList());
        QVERIFY(editor.prompts.messages.isEmpty());

        // The same export let through writes the file.
        editor.prompts.cancelAtStep = 0;
        editor.Trigger("mExportPdf");
        QCOMPARE(FilesIn(folder), QStringList{QStringLiteral("arrete.pdf")});
        QCOMPARE(editor.prompts.messages.size(), 1);
    }

    void theRealProgressBoxStopsTheWorkOnAnnuler()
    {
        QWidget window;
        window.show();
        sw::TDialogPrompts prompts;
        int steps = 0;
        QString shownText;
        const auto work = [&](bool cancel) {
            return [&, cancel](const sw::ProgressStep& step) {
                for (int done = 1; done <= 5; ++done) {
                    auto* box = window.findChild<QProgressDialog*>();
                    if (!box)
                        return false;
                    shownText = box->labelText();
                    if (!cancel && done == 2)
                        swtest::Screenshot(box, QStringLiteral("progressbox"));
                    if (cancel && done == 3)
                        QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton);
                    ++steps;
                    if (!step(done, 5))
                        return false;
                }
                return true;
            };
        };
        QVERIFY(prompts.RunWithProgress(&window, QStringLiteral("Travail"), work(false)));
        QCOMPARE(steps, 5);
        QCOMPARE(shownText, QStringLiteral("Travail"));
        steps = 0;
        QVERIFY(!prompts.RunWithProgress(&window, QStringLiteral("Travail"), work(true)));
        QCOMPARE(steps, 3);
        // The box is gone with its work.
        QVERIFY(!window.findChild<QProgressDialog*>());
    }

    // ------------------------------------------------------------ printing

    void ctrlPAsksThroughThePromptsAndCancelPrintsNothing()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        const QStringList before = FilesIn(editor.folder.path());
        QTest::keyClick(editor.form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(editor.prompts.printDialogs, 1);
        QVERIFY(editor.prompts.progressTexts.isEmpty());
        QCOMPARE(FilesIn(editor.folder.path()), before);
        QVERIFY(editor.prompts.messages.isEmpty());
    }

    void anAcceptedPrintGetsEveryPartWithTheRememberedGridAndPaper()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        // The last export chose the storyboard alone, 2 × 2 on Letter.
        editor.prompts.exportSteps = Choose(StoryboardOnly({2, 2}, sw::PlanPaper::Letter));
        editor.Trigger("mExportPdf");

        const QString printed = editor.Path(QStringLiteral("imprime.pdf"));
        editor.prompts.printAnswer = [&printed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        };
        // The export dialog had the focus; the user comes back to the window.
        editor.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        QTest::keyClick(editor.form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(editor.prompts.printDialogs, 1);
        QCOMPARE(editor.prompts.progressTexts.last(), QStringLiteral("Impression du plan..."));

        sw::PlanOptions expected;
        expected.grid = {2, 2};
        expected.paper = sw::PlanPaper::Letter;
        const QString reference = editor.Path(QStringLiteral("reference.pdf"));
        QVERIFY(sw::printout::WritePlanPdf(reference.toStdString(), editor.Project(), editor.app->Paths().ImgDir,
                                           expected));
        QVERIFY(PageCount(printed) > 0);
        QCOMPARE(PageCount(printed), PageCount(reference));
        QCOMPARE(PictureCount(printed), PictureCount(reference));
        QCOMPARE(PaperName(printed), std::string("(letter)"));
        QVERIFY(editor.prompts.messages.isEmpty());
        // The printed pages, to look at, when screenshots are asked for.
        if (const QString folder = qEnvironmentVariable("SHOTWEAVE_SCREENSHOTS"); !folder.isEmpty())
            CommandOutput("pdftoppm -png -r 50 -f 1 -l 4 '" + printed.toStdString() + "' '"
                          + QDir(folder).filePath(QStringLiteral("printed")).toStdString() + "'");
    }

    // ------------------------------------------------------------ the CSV export

    void theCsvExportWritesTheCoresShotListByteForByte()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        // An edit of the shown shot, not saved yet, is in the list.
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        action->setFocus();
        QTest::keyClick(action, Qt::Key_End, Qt::ControlModifier);
        TypeText(action, QStringLiteral(" sous l'été"));

        editor.Trigger("mExportCsv");
        QCOMPARE(editor.prompts.exportFormats, QList<sw::ExportFormat>{sw::ExportFormat::Csv});
        QCOMPARE(editor.prompts.exportSuggestions, QStringList{editor.Path(QStringLiteral("film.csv"))});
        QVERIFY(!QFileInfo::exists(editor.Path(QStringLiteral("film.csv"))));
        QVERIFY(editor.prompts.messages.isEmpty());

        const QString csv = editor.Path(QStringLiteral("plans.csv"));
        editor.prompts.exportFile = csv;
        editor.Trigger("mExportCsv");
        const std::string bytes = swtest::ReadBytes(csv.toStdString());
        QCOMPARE(bytes, sw::ShotListCsv(editor.Project()));
        QVERIFY2(bytes.find("Action 1 sous l'été") != std::string::npos, bytes.c_str());
        QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("La liste des plans est exportée dans « ") + csv
                                                      + QStringLiteral(" ».")});
    }

    void anExportNeverReplacesTheProjectItself()
    {
        swtest::Editor editor;
        const QString film = OpenFilm(editor);
        const std::string before = swtest::ReadBytes(film.toStdString());
        editor.prompts.exportSteps = Choose(sw::PlanOptions());
        for (const char* command : {"mExportCsv", "mExportPdf"}) {
            editor.prompts.messages.clear();
            editor.prompts.exportFile = film;
            editor.Trigger(command);
            QCOMPARE(editor.prompts.messages.size(), 1);
            QVERIFY2(editor.prompts.messages.first().endsWith(QStringLiteral(" est le projet lui-même.")),
                     qPrintable(editor.prompts.messages.first()));
            QCOMPARE(swtest::ReadBytes(film.toStdString()), before);
        }
    }

    void aCsvFileThatCannotBeWrittenIsToldOnce()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        editor.prompts.exportFile = editor.Path(QStringLiteral("absent/plans.csv"));
        editor.Trigger("mExportCsv");
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY2(editor.prompts.messages.first().startsWith(
                     QStringLiteral("Le fichier « plans.csv » ne peut pas être écrit : ")),
                 qPrintable(editor.prompts.messages.first()));
        QVERIFY(!editor.prompts.messages.first().contains(QStringLiteral("exportée")));
        QVERIFY(!QFileInfo::exists(editor.prompts.exportFile));
    }

    // ------------------------------------------------------------ the pocket plan

    void thePocketPlanHoldsTheShownProjectAndItsPictures()
    {
        swtest::Editor editor;
        const QString film = OpenFilm(editor);
        const std::string before = swtest::ReadBytes(film.toStdString());
        // An edit not saved yet is in the plan, and sharing saves nothing.
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        action->setFocus();
        QTest::keyClick(action, Qt::Key_End, Qt::ControlModifier);
        TypeText(action, QStringLiteral(" sous l'orage"));

        editor.Trigger("mSharePlan");
        QCOMPARE(editor.prompts.exportFormats, QList<sw::ExportFormat>{sw::ExportFormat::PocketPlan});
        QCOMPARE(editor.prompts.exportSuggestions, QStringList{editor.Path(QStringLiteral("film.html"))});
        QVERIFY(editor.prompts.progressTexts.isEmpty());

        const QString plan = editor.Path(QStringLiteral("poche.html"));
        editor.prompts.exportFile = plan;
        editor.Trigger("mSharePlan");
        QCOMPARE(editor.prompts.progressTexts, QStringList{QStringLiteral("Préparation du plan de poche...")});
        QVERIFY(editor.prompts.progressSteps >= 2);
        QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("Le plan de poche est écrit dans « ") + plan
                                                      + QStringLiteral(" ».")});
        const std::string html = swtest::ReadBytes(plan.toStdString());
        QVERIFY(html.find("Action 1 sous l'orage") != std::string::npos);
        QVERIFY(html.find("L'été au jardin") != std::string::npos);
        // Each shot's picture, once in its shot and once in the storyboard.
        std::size_t pictures = 0;
        for (std::size_t at = html.find("src=\"data:image/jpeg;base64,"); at != std::string::npos;
             at = html.find("src=\"data:image/jpeg;base64,", at + 1))
            ++pictures;
        QCOMPARE(pictures, std::size_t{2 * kShots});
        QCOMPARE(swtest::ReadBytes(film.toStdString()), before);
        QVERIFY(editor.form->isWindowModified());
    }

    void aPocketPlanStoppedInItsProgressBoxLeavesNoFile()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const QString plan = editor.Path(QStringLiteral("poche.html"));
        editor.prompts.exportFile = plan;
        editor.prompts.cancelAtStep = 1;
        editor.Trigger("mSharePlan");
        QVERIFY(!QFileInfo::exists(plan));
        QVERIFY(editor.prompts.messages.isEmpty());
    }

    void aPocketPlanWithAMissingPictureTellsIt()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        QVERIFY(QFile::remove(editor.Path(QStringLiteral("film/img/debut1.jpg"))));
        const QString plan = editor.Path(QStringLiteral("poche.html"));
        editor.prompts.exportFile = plan;
        editor.Trigger("mSharePlan");
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY2(editor.prompts.messages.first().endsWith(
                     QStringLiteral("\nL'image « debut1.jpg » n'est pas dans le plan de poche : le fichier n'est pas "
                                    "dans le dossier des images.")),
                 qPrintable(editor.prompts.messages.first()));
        QVERIFY(swtest::ReadBytes(plan.toStdString()).find("Image « debut1.jpg » introuvable") != std::string::npos);
    }

    // ------------------------------------------------------------ animatic

    void theAnimaticIsWrittenAsAVideoWithAProgressBox()
    {
        swtest::Editor editor;
        const QString film = OpenFilm(editor);
        editor.Trigger("mExportAnimatic");
        QCOMPARE(editor.prompts.exportFormats, QList<sw::ExportFormat>{sw::ExportFormat::Animatic});
        QCOMPARE(editor.prompts.exportSuggestions, QStringList{editor.Path(QStringLiteral("film.mp4"))});
        QVERIFY(editor.prompts.progressTexts.isEmpty());

        const QString video = editor.Path(QStringLiteral("animatique.mp4"));
        editor.prompts.exportFile = video;
        editor.Trigger("mExportAnimatic");
        QCOMPARE(editor.prompts.progressTexts, QStringList{QStringLiteral("Écriture de l'animatique...")});
        QVERIFY(editor.prompts.progressSteps >= 1);
        QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("L'animatique est écrite dans « ") + video
                                                      + QStringLiteral(" ».")});
        // Four new shots of the default 2 s, at the default 25 frames a second.
        const std::string frames = CommandOutput("ffprobe -v error -select_streams v:0 -count_frames -show_entries "
                                                 "stream=codec_name,nb_read_frames -of csv=p=0 '" + video.toStdString() + "'");
        QCOMPARE(QString::fromStdString(frames).trimmed(), QStringLiteral("h264,200"));
    }

    void anAnimaticStoppedInItsProgressBoxLeavesNoFile()
    {
        swtest::Editor editor;
        OpenFilm(editor);
        const QString video = editor.Path(QStringLiteral("animatique.mp4"));
        editor.prompts.exportFile = video;
        editor.prompts.cancelAtStep = 1;
        editor.Trigger("mExportAnimatic");
        QVERIFY(!QFileInfo::exists(video));
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(QDir(editor.folder.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".mp4")),
                 QStringList());
    }

    // ------------------------------------------------------------ looks

    void screenshotOfTheExportDialog()
    {
        swtest::Editor editor;
        editor.prompts.exportSteps = [](sw::TPdfExportDlg& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            swtest::Screenshot(&dialog, QStringLiteral("pdfexportdlg"));
            Toggle(dialog.StoryboardChk);
            swtest::Screenshot(&dialog, QStringLiteral("pdfexportdlg-nostoryboard"));
            // Every caption fits its control.
            for (QCheckBox* part : {dialog.FirstPageChk, dialog.ContinuityChk, dialog.BreakdownChk, dialog.StoryboardChk})
                QVERIFY2(part->sizeHint().width() <= part->width(), qPrintable(part->text()));
            for (QComboBox* combo : {dialog.GridCombo, dialog.PaperCombo})
                QVERIFY(combo->sizeHint().width() <= combo->width());
            for (QPushButton* button : {dialog.OkBtn, dialog.CancelBtn})
                QVERIFY(button->sizeHint().width() <= button->width());
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
                // Clear of its drop-down list.
                QVERIFY(label->geometry().right() < label->buddy()->geometry().left());
                QVERIFY(label->buddy()->geometry().right() < dialog.width());
            }
            // Nothing reaches past the dialog's edges.
            for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY(dialog.rect().contains(child->geometry()));
        };
        editor.Trigger("mExportPdf");
        QCOMPARE(editor.prompts.exportDialogs, 1);
    }
};

QTEST_MAIN(ExportsTest)
#include "exports_test.moc"
