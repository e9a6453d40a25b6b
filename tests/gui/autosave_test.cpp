// The autosave of the modified project to a recovery copy, and the offer of
// the copies at the next start, driven as the user works: typing, menu
// commands, the answers to the questions, the preferences dialog.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

#include "app/autosaver.h"
#include "app/recoveryoffer.h"
#include "core/testsupport.h"
#include "document/projectfile.h"
#include "editortestkit.h"
#include "model/filebytes.h"
#include "model/stablehash.h"
#include "qtshared/uitext.h"
#include "recovery/recoverystore.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using sw::RecoveryAnswer;
using sw::SaveAnswer;
using swtest::ReadBytes;

// Short enough for the tests to wait a few ticks.
constexpr auto kTestInterval = 50ms;

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

sw::ProjectDocument ProjectTitled(const std::string& title)
{
    sw::ProjectDocument document;
    document.StylePrefs.ApplyAppStyleTable();
    document.GenInfo.title = title;
    document.EventList.AddEvent().name = "ouverture";
    return document;
}

// The moment 9 December 2026, 14:05:00, local time.
std::chrono::system_clock::time_point DecemberAfternoon()
{
    const QDateTime local(QDate(2026, 12, 9), QTime(14, 5), Qt::LocalTime);
    return std::chrono::system_clock::from_time_t(static_cast<std::time_t>(local.toSecsSinceEpoch()));
}

QString Question(const QString& name)
{
    return QStringLiteral("Shotweave s'est arrêté sans enregistrer. Récupérer le travail du 9 décembre 2026 à 14:05 sur « ")
           + name + QStringLiteral(" » ?");
}

struct AutoSaveEditor : swtest::Editor {
    using Editor::Editor;

    sw::TAutoSaver& AutoSaver() const { return form->Document().AutoSaver(); }
    // The editor's own copies.
    const sw::RecoveryStore& Store() const { return AutoSaver().Store(); }
    // Copies left by an editor that stopped without saving.
    sw::RecoveryStore PastRun() const { return sw::RecoveryStore(RecoveryFolder(), {}, sw::test::GoneEditor()); }
    fs::path FilePath(const char* name) const { return Path(QLatin1String(name)).toStdString(); }
    QStatusBar* StatusBar() const { return Find<QStatusBar>("statusBar"); }

    // The project saved as film.vid, unmodified, autosaved every kTestInterval.
    fs::path SaveAsFilm()
    {
        prompts.fileToSave = Path(QStringLiteral("film.vid"));
        Trigger("mSave");
        AutoSaver().SetInterval(kTestInterval);
        return FilePath("film.vid");
    }

    // Lets the timer look at the project a few times more.
    bool WaitForTicks(int ticks) const
    {
        QSignalSpy checks(&AutoSaver(), &sw::TAutoSaver::saveChecked);
        return QTest::qWaitFor([&] { return checks.count() >= ticks; }, 5000);
    }

    // The title of the project the recovery copy of original holds; empty
    // while there is none.
    std::string RecoveredTitle(const fs::path& original) const
    {
        const sw::RecoveryStore store = Store();
        for (const sw::RecoveryEntry& entry : store.List())
            if (entry.IsReadable() && entry.recoveryFile == store.RecoveryFileFor(original)) {
                sw::ProjectDocument document;
                store.Read(entry, document);
                return document.GenInfo.title;
            }
        return {};
    }
};

} // namespace

class AutoSaveTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    void aCopyIsWrittenWhileTheProjectIsModifiedNeverToItsFile()
    {
        AutoSaveEditor editor;
        const fs::path film = editor.SaveAsFilm();
        const std::string saved = ReadBytes(film);
        QVERIFY(editor.WaitForTicks(3));
        QVERIFY(editor.Store().List().empty());  // nothing to keep while unmodified

        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        QTRY_COMPARE(editor.RecoveredTitle(film), std::string("Titre"));
        const sw::RecoveryEntry entry = editor.Store().List().at(0);
        QCOMPARE(entry.originalFile, film);
        QCOMPARE(ReadBytes(film), saved);
        QVERIFY(!fs::exists(sw::BackupFileOf(film)));
        QVERIFY(editor.form->Document().IsModified());

        // The shown shot's texts, not yet stored into the model, are in the
        // copy, and the typing goes on undisturbed.
        editor.ClickTab(1);
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        QTest::keyClicks(action, QStringLiteral("Une ombre passe"));
        QTRY_VERIFY(ReadBytes(entry.recoveryFile).find("Une ombre passe") != std::string::npos);
        QTest::keyClicks(action, QStringLiteral(" et revient"));
        QCOMPARE(action->toPlainText(), QStringLiteral("Une ombre passe et revient"));
        QCOMPARE(ReadBytes(film), saved);

        // Saved: the copy goes, and no other comes while nothing changes.
        editor.Trigger("mSave");
        QVERIFY(editor.Store().List().empty());
        QVERIFY(ReadBytes(film).find("Une ombre passe et revient") != std::string::npos);
        QVERIFY(editor.WaitForTicks(3));
        QVERIFY(editor.Store().List().empty());
    }

    void theCopyGoesWhenTheWorkIsDroppedOrTheEditorQuits()
    {
        AutoSaveEditor editor;
        editor.AutoSaver().SetInterval(kTestInterval);
        auto* title = editor.Find<QLineEdit>("titleEd");
        QTest::keyClicks(title, QStringLiteral("Jamais enregistre"));
        QTRY_COMPARE(editor.RecoveredTitle({}), std::string("Jamais enregistre"));

        // "Non" before "Nouveau".
        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.Trigger("mNew");
        QVERIFY(editor.Store().List().empty());
        QVERIFY(!editor.form->Document().IsModified());

        // "Non" before "Ouvrir", the other file opened.
        const fs::path other = editor.FilePath("autre.vid");
        sw::ProjectDocument otherProject = ProjectTitled("Autre");
        sw::SaveProject(otherProject, other);
        QTest::keyClicks(title, QStringLiteral("Brouillon"));
        QTRY_COMPARE(editor.RecoveredTitle({}), std::string("Brouillon"));
        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.prompts.fileToOpen = editor.Path(QStringLiteral("autre.vid"));
        editor.Trigger("mOuvrir");
        QCOMPARE(title->text(), QStringLiteral("Autre"));
        QVERIFY(editor.Store().List().empty());

        // "Non" when quitting.
        QTest::keyClicks(title, QStringLiteral(" encore"));
        QTRY_COMPARE(editor.RecoveredTitle(other), std::string("Autre encore"));
        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.Trigger("mQuit");
        QVERIFY(!editor.form->isVisible());
        QVERIFY(editor.Store().List().empty());
        QCOMPARE(ReadBytes(other), sw::ProjectFileBytes(otherProject));
    }

    void quittingWithOuiSavesAndLeavesNoCopy()
    {
        AutoSaveEditor editor;
        const fs::path film = editor.SaveAsFilm();
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Fin"));
        QTRY_COMPARE(editor.RecoveredTitle(film), std::string("Fin"));
        editor.prompts.saveAnswers = {SaveAnswer::Yes};
        editor.Trigger("mQuit");
        QVERIFY(!editor.form->isVisible());
        QVERIFY(editor.Store().List().empty());
        QVERIFY(ReadBytes(film).find("Fin||||") != std::string::npos);
    }

    void recoveringOpensTheCopyUnderItsOriginalNameModified()
    {
        AutoSaveEditor editor(false);
        const fs::path film = editor.FilePath("film.vid");
        sw::ProjectDocument original = ProjectTitled("Avant");
        sw::SaveProject(original, film);
        const std::string before = ReadBytes(film);
        editor.PastRun().Write(ProjectTitled("Après la panne"), film, DecemberAfternoon(), sw::StableHash(before));
        editor.PastRun().Write(ProjectTitled("Sans nom"), {}, DecemberAfternoon());
        editor.prompts.recoveryAnswers = {RecoveryAnswer::Recover};
        editor.form->FormShow({});

        // One project fits the window: the other copy is kept without asking.
        QCOMPARE(editor.prompts.recoveryQuestions, QStringList{Question(QStringLiteral("film.vid"))});
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Après la panne"));
        QVERIFY(editor.form->Document().IsModified());
        QCOMPARE(editor.app->Paths().CurrentFile, film);
        QCOMPARE(editor.app->Paths().SiteDir, editor.FilePath("film"));
        QVERIFY(!editor.app->Paths().ImgDir.empty());
        // The title names the original file, marked modified.
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(editor.Path(QStringLiteral("film.vid"))));
        QVERIFY(editor.form->isWindowModified());
        QCOMPARE(ReadBytes(film), before);
        QCOMPARE(editor.Store().List().size(), std::size_t(2));  // the copy stays until saved
        QVERIFY(editor.OffersToSave());
        swtest::Screenshot(editor.form.get(), QStringLiteral("autosave-recovered"));

        editor.Trigger("mSave");
        sw::ProjectDocument reopened;
        sw::LoadProject(reopened, film);
        QCOMPARE(reopened.GenInfo.title, std::string("Après la panne"));
        const std::vector<sw::RecoveryEntry> left = editor.Store().List();
        QCOMPARE(left.size(), std::size_t(1));
        QVERIFY(left[0].originalFile.empty());
    }

    void aCopyWhoseOriginalChangedSinceAsksBeforeReplacingIt()
    {
        AutoSaveEditor editor(false);
        const fs::path film = editor.FilePath("film.vid");
        sw::ProjectDocument original = ProjectTitled("Avant");
        sw::SaveProject(original, film);
        const std::string before = ReadBytes(film);
        editor.PastRun().Write(ProjectTitled("Après la panne"), film, DecemberAfternoon(), sw::StableHash(before));
        // Another editor saved the file after the copy was made.
        sw::ProjectDocument other = ProjectTitled("Version de Bruno");
        sw::SaveProject(other, film);
        const std::string theirs = ReadBytes(film);
        editor.prompts.recoveryAnswers = {RecoveryAnswer::Recover};
        editor.form->FormShow({});
        QCOMPARE(editor.prompts.recoveryQuestions.size(), 1);
        QVERIFY(editor.prompts.recoveryQuestions[0].endsWith(
            QStringLiteral("Le fichier a changé sur le disque depuis : son enregistrement vous demandera quelle "
                           "version garder.")));
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Après la panne"));

        // Annuler leaves Bruno's file; saving anyway keeps it as the backup.
        editor.Trigger("mSave");
        QCOMPARE(editor.prompts.diskChangeTexts.size(), 2);
        QCOMPARE(ReadBytes(film), theirs);
        editor.app->Settings().KeepBackup = false;
        editor.prompts.diskChangeAnswers = {sw::DiskChangeAnswer::SaveAnyway};
        editor.Trigger("mSave");
        QCOMPARE(ReadBytes(sw::BackupFileOf(film)), theirs);
        sw::ProjectDocument reopened;
        sw::LoadProject(reopened, film);
        QCOMPARE(reopened.GenInfo.title, std::string("Après la panne"));
        QVERIFY(!editor.form->Document().IsModified());
    }

    void ignoredCopiesStayAndDeletedOnesGo()
    {
        AutoSaveEditor editor(false);
        const fs::path film = editor.FilePath("film.vid");
        const sw::RecoveryEntry filmCopy = editor.PastRun().Write(ProjectTitled("Gardé"), film, DecemberAfternoon());
        const sw::RecoveryEntry newCopy = editor.PastRun().Write(ProjectTitled("Jeté"), {}, DecemberAfternoon());
        editor.prompts.recoveryAnswers = {RecoveryAnswer::Ignore, RecoveryAnswer::Delete};
        editor.form->FormShow({});

        QCOMPARE(editor.prompts.recoveryQuestions,
                 (QStringList{Question(QStringLiteral("film.vid")), Question(QStringLiteral("Sans titre"))}));
        QVERIFY(fs::exists(filmCopy.recoveryFile));
        QVERIFY(fs::exists(filmCopy.recordFile));
        QVERIFY(!fs::exists(newCopy.recoveryFile));
        QVERIFY(!fs::exists(newCopy.recordFile));
        // The editor started as without copies.
        QCOMPARE(editor.ShotNames(), QStringList{QStringLiteral("plan 1")});
        QVERIFY(editor.Find<QLineEdit>("titleEd")->text().isEmpty());
        QVERIFY(!editor.form->Document().IsModified());

        // An ignored copy is still offered at the next start.
        AutoSaveEditor next(false);
        fs::create_directories(next.RecoveryFolder());
        fs::copy_file(filmCopy.recoveryFile, next.RecoveryFolder() / filmCopy.recoveryFile.filename());
        fs::copy_file(filmCopy.recordFile, next.RecoveryFolder() / filmCopy.recordFile.filename());
        next.form->FormShow({});
        QCOMPARE(next.prompts.recoveryQuestions, QStringList{Question(QStringLiteral("film.vid"))});
    }

    void anUnreadableCopyIsReportedAndKept()
    {
        AutoSaveEditor editor(false);
        const sw::RecoveryEntry cut =
            editor.PastRun().Write(ProjectTitled("Coupé"), editor.FilePath("film.vid"), DecemberAfternoon());
        const std::string cutBytes = ReadBytes(cut.recoveryFile).substr(0, 20);
        WriteBytes(cut.recoveryFile, cutBytes);
        editor.prompts.recoveryAnswers = {RecoveryAnswer::Delete};
        editor.form->FormShow({});

        QVERIFY(editor.prompts.recoveryQuestions.isEmpty());
        QCOMPARE(editor.prompts.messages.size(), 1);
        const QString message = editor.prompts.messages.first();
        QVERIFY2(message.contains(QStringLiteral("La copie de secours « ") + sw::uitext::PathToQString(cut.recoveryFile)
                                  + QStringLiteral(" » ne peut pas être lue : ")),
                 qPrintable(message));
        QCOMPARE(ReadBytes(cut.recoveryFile), cutBytes);
        QVERIFY(fs::exists(cut.recordFile));
        QCOMPARE(editor.ShotNames(), QStringList{QStringLiteral("plan 1")});
    }

    void aRecoveredCopyThatCannotBeMadeThisRunsStaysOpenAndKept()
    {
        AutoSaveEditor editor(false);
        const fs::path film = editor.FilePath("film.vid");
        const sw::RecoveryEntry left = editor.PastRun().Write(ProjectTitled("Sauvé"), film, DecemberAfternoon());
        // A full disk: the copy cannot be written again under this editor's name.
        editor.AutoSaver().UseStore(sw::RecoveryStore(
            editor.RecoveryFolder(),
            [](const fs::path&, std::string_view) { return std::make_error_code(std::errc::no_space_on_device); },
            editor.AutoSaver().Store().Owner()));
        editor.prompts.recoveryAnswers = {RecoveryAnswer::Recover};
        editor.form->FormShow({});
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Sauvé"));
        QCOMPARE(editor.app->Paths().CurrentFile, film);
        QVERIFY(editor.prompts.messages.last().startsWith(QStringLiteral("La copie de secours « ")));
        QVERIFY(editor.prompts.messages.last().contains(QStringLiteral("ne peut pas être écrite")));
        QVERIFY(fs::exists(left.recoveryFile));
        // Dropping the work drops its copy.
        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.Trigger("mNew");
        QVERIFY(!fs::exists(left.recoveryFile));
    }

    void aFailedAutosaveIsShownOnceAndTriedAgain()
    {
        AutoSaveEditor editor;
        const fs::path film = editor.SaveAsFilm();
        const std::string saved = ReadBytes(film);
        // A disk that is full until the test makes room.
        std::atomic<bool> full = true;
        std::atomic<int> tries = 0;
        editor.AutoSaver().UseStore(
            sw::RecoveryStore(editor.RecoveryFolder(), [&](const fs::path& file, std::string_view bytes) {
                ++tries;
                return full ? std::make_error_code(std::errc::no_space_on_device)
                            : sw::TryWriteFileAtomically(file, bytes, sw::LinkPolicy::ReplaceLink);
            }));
        QSignalSpy shown(editor.StatusBar(), &QStatusBar::messageChanged);

        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        QTRY_VERIFY(tries >= 4);  // tried again at every tick
        const QString copy = sw::uitext::PathToQString(editor.Store().RecoveryFileFor(film));
        QCOMPARE(editor.StatusBar()->currentMessage(),
                 QStringLiteral("Enregistrement de secours impossible : La copie de secours « ") + copy
                     + QStringLiteral(" » ne peut pas être écrite : ")
                     + QStringLiteral("le disque est plein"));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(editor.StatusBar()->toolTip(), editor.StatusBar()->currentMessage());
        swtest::Screenshot(editor.form.get(), QStringLiteral("autosave-failed"));
        QCOMPARE(ReadBytes(film), saved);
        QVERIFY(!fs::exists(sw::BackupFileOf(film)));
        QVERIFY(editor.form->Document().IsModified());

        full = false;
        QTRY_COMPARE(editor.RecoveredTitle(film), std::string("Titre"));
        QTRY_VERIFY(editor.StatusBar()->currentMessage().isEmpty());
        QVERIFY(editor.StatusBar()->toolTip().isEmpty());
        QCOMPARE(ReadBytes(film), saved);
    }

    void aMissingStateFolderIsShownAndTheCopyComesOnceItCanBeMade()
    {
        AutoSaveEditor editor(false);
        // The state folder is a file: the recovery folder cannot be made, even by root.
        const fs::path state = editor.RecoveryFolder().parent_path().parent_path();
        WriteBytes(state, "pas un dossier");
        editor.form->FormShow({});
        editor.AutoSaver().SetInterval(kTestInterval);
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        QTRY_VERIFY(!editor.StatusBar()->currentMessage().isEmpty());
        QVERIFY(editor.StatusBar()->currentMessage().contains(
            sw::uitext::PathToQString(editor.Store().RecoveryFileFor({}))));
        QCOMPARE(ReadBytes(state), std::string("pas un dossier"));

        fs::remove(state);
        QTRY_COMPARE(editor.RecoveredTitle({}), std::string("Titre"));
        QTRY_VERIFY(editor.StatusBar()->currentMessage().isEmpty());
    }

    void thePreferencesSetTheBackupAndTheIntervalAndGoToTheSettingsFile()
    {
        AutoSaveEditor editor(false);
        WriteBytes(editor.FilePath("shotweave.ini"), "[PREFS]\r\nAutoSaveSeconds=1\r\n");
        editor.app->ReadSettings();
        editor.form->FormShow({});
        QCOMPARE(editor.AutoSaver().Interval(), std::chrono::milliseconds(1000));
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Chaque seconde"));
        QTRY_COMPARE(editor.RecoveredTitle({}), std::string("Chaque seconde"));

        editor.prompts.preferenceSteps = [](sw::TPrefFrm& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(swtest::ShownCaption(dialog.KeepBackupCheck->text()), QStringLiteral("Garder une copie de la version précédente"));
            QCOMPARE(swtest::ShownCaption(dialog.AutoSaveLabel->text()), QStringLiteral("Enregistrement de secours toutes les"));
            QCOMPARE(dialog.AutoSaveSpin->suffix(), QStringLiteral(" s"));
            QVERIFY(dialog.KeepBackupCheck->isChecked());
            QCOMPARE(dialog.AutoSaveSpin->value(), 1);
            swtest::Screenshot(&dialog, QStringLiteral("autosave-preferences"));
            QTest::mouseClick(dialog.KeepBackupCheck, Qt::LeftButton);
            dialog.AutoSaveSpin->setFocus();
            QTest::keyClick(dialog.AutoSaveSpin, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(dialog.AutoSaveSpin, QStringLiteral("45"));
            QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
        };
        editor.Trigger("mPrefs");
        QVERIFY(!editor.app->Settings().KeepBackup);
        QCOMPARE(editor.app->Settings().AutoSaveSeconds, 45);
        QCOMPARE(editor.AutoSaver().Interval(), std::chrono::milliseconds(45000));
        // The settings file has them at once, before any quit: a crash keeps them.
        {
            sw::TAppSettings written;
            written.ReadSettings(editor.FilePath("shotweave.ini"));
            QVERIFY(!written.KeepBackup);
            QCOMPARE(written.AutoSaveSeconds, 45);
        }

        // Shown again as set; closed by its window, it changes nothing.
        editor.prompts.preferenceSteps = [](sw::TPrefFrm& dialog) {
            QVERIFY(!dialog.KeepBackupCheck->isChecked());
            QCOMPARE(dialog.AutoSaveSpin->value(), 45);
            dialog.AutoSaveSpin->setValue(0);
            dialog.close();
        };
        editor.Trigger("mPrefs");
        QCOMPARE(editor.app->Settings().AutoSaveSeconds, 45);

        // 0 turns the copies off.
        editor.prompts.preferenceSteps = [](sw::TPrefFrm& dialog) {
            dialog.AutoSaveSpin->setValue(0);
            dialog.OkBtn->click();
        };
        editor.Trigger("mPrefs");
        QCOMPARE(editor.AutoSaver().Interval(), std::chrono::milliseconds(0));

        // They reach the settings file when the editor quits, and come back.
        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.Trigger("mQuit");
        sw::TAppSettings reread;
        reread.ReadSettings(editor.FilePath("shotweave.ini"));
        QVERIFY(!reread.KeepBackup);
        QCOMPARE(reread.AutoSaveSeconds, 0);
        const std::string ini = ReadBytes(editor.FilePath("shotweave.ini"));
        QVERIFY(ini.find("KeepBackup=0") != std::string::npos);
        QVERIFY(ini.find("AutoSaveSeconds=0") != std::string::npos);
    }

    void theRecoveryQuestionSaysTheDateInFrench()
    {
        QCOMPARE(sw::TRecoveryOffer::FrenchDateTime(sw::IsoLocalTime(DecemberAfternoon())),
                 QStringLiteral("9 décembre 2026 à 14:05"));
        // Another offset, the same instant: shown in local time.
        const QDateTime utc(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
        QCOMPARE(sw::TRecoveryOffer::FrenchDateTime("2026-03-01T08:30:00Z"),
                 QLocale(QLocale::French, QLocale::France).toString(utc.toLocalTime(), QStringLiteral("d MMMM yyyy 'à' HH:mm")));
        QCOMPARE(sw::TRecoveryOffer::FrenchDateTime("pas une date"), QStringLiteral("pas une date"));
    }
};

QTEST_MAIN(AutoSaveTest)
#include "autosave_test.moc"
