// Two editors on one project file, and a file replaced on disk behind an
// editor's back: who holds it is told, and no save replaces another's work
// without a question.

#include <filesystem>
#include <string>

#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>

#include "core/testsupport.h"
#include "document/projectfile.h"
#include "document/projectlock.h"
#include "editortestkit.h"

namespace fs = std::filesystem;
using sw::DiskChangeAnswer;
using sw::LockedAnswer;
using swtest::ReadBytes;

namespace {

struct FileEditor : swtest::Editor {
    explicit FileEditor(const char* author = "")
        : Editor(false)
    {
        app->Settings().AuthorName = author;
        form->FormShow({});
    }

    QLineEdit* Title() const { return Find<QLineEdit>("titleEd"); }
    void TypeTitle(const QString& text) const
    {
        Title()->selectAll();
        QTest::keyClicks(Title(), text);
    }
    void SaveAs(const fs::path& file)
    {
        prompts.fileToSave = QString::fromStdString(file.string());
        Trigger("mSaveAs");
    }
    void Open(const fs::path& file)
    {
        prompts.fileToOpen = QString::fromStdString(file.string());
        Trigger("mOuvrir");
    }
};

std::string TitleIn(const fs::path& file)
{
    sw::ProjectDocument document;
    sw::LoadProject(document, file);
    return document.GenInfo.title;
}

} // namespace

class TwoEditorsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QTemporaryDir films_;

    fs::path Film(const char* name) const { return fs::path(films_.path().toStdString()) / name; }

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    void aSecondEditorIsToldWhoHoldsTheFileAndMayOpenItReadOnly()
    {
        const fs::path court = Film("court.vid");
        FileEditor anne("Anne Martin");
        anne.TypeTitle(QStringLiteral("Version d'Anne"));
        anne.SaveAs(court);
        QVERIFY(fs::exists(sw::LockFileOf(court)));

        // Annuler opens nothing.
        FileEditor hasty;
        hasty.Open(court);
        QCOMPARE(hasty.prompts.lockedTexts.size(), 1);
        QVERIFY(hasty.app->Paths().CurrentFile.empty());
        QCOMPARE(hasty.Title()->text(), QString());

        FileEditor bruno("Bruno");
        bruno.prompts.lockedAnswers = {LockedAnswer::ReadOnly};
        bruno.Open(court);
        QCOMPARE(bruno.prompts.lockedTexts.size(), 1);
        const QString told = bruno.prompts.lockedTexts[0];
        QVERIFY2(told.startsWith(QStringLiteral("« court.vid » est déjà ouvert dans Shotweave par Anne Martin (")),
                 qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral(") depuis le ")), qPrintable(told));
        QCOMPARE(bruno.Title()->text(), QStringLiteral("Version d'Anne"));
        QCOMPARE(bruno.form->windowTitle(), QStringLiteral("court.vid (lecture seule)[*] — Shotweave"));
        QCOMPARE(bruno.Find<QStatusBar>("statusBar")->currentMessage(),
                 QStringLiteral("« court.vid » ouvert en lecture seule : l'enregistrer demandera un autre nom."));
        swtest::Screenshot(bruno.form.get(), QStringLiteral("two-editors-read-only"));

        // Read-only: a save asks for another name and leaves Anne's file.
        const std::string annes = ReadBytes(court);
        bruno.TypeTitle(QStringLiteral("Version de Bruno"));
        bruno.prompts.fileToSave = QString::fromStdString(Film("court-bruno.vid").string());
        bruno.Trigger("mSave");
        QCOMPARE(bruno.prompts.saveDialogs, 1);
        QCOMPARE(ReadBytes(court), annes);
        QCOMPARE(TitleIn(Film("court-bruno.vid")), std::string("Version de Bruno"));
        QCOMPARE(bruno.form->windowTitle(), swtest::WindowTitleFor(QStringLiteral("court-bruno.vid")));
        QCOMPARE(sw::ReadProjectLock(court)->user, std::string("Anne Martin"));
        QCOMPARE(sw::ReadProjectLock(Film("court-bruno.vid"))->user, std::string("Bruno"));

        // Quitting takes each editor's lock away, and only its own.
        bruno.Trigger("mQuit");
        QVERIFY(!fs::exists(sw::LockFileOf(Film("court-bruno.vid"))));
        QVERIFY(fs::exists(sw::LockFileOf(court)));
        anne.Trigger("mQuit");
        QVERIFY(!fs::exists(sw::LockFileOf(court)));
    }

    void twoEditorsOpenAnywayAndTheLaterSaveAsks()
    {
        const fs::path court = Film("ensemble.vid");
        FileEditor anne("Anne");
        anne.SaveAs(court);
        FileEditor bruno("Bruno");
        bruno.prompts.lockedAnswers = {LockedAnswer::OpenAnyway};
        bruno.Open(court);
        QCOMPARE(bruno.app->Paths().CurrentFile, court);

        bruno.TypeTitle(QStringLiteral("Bruno"));
        bruno.Trigger("mSave");
        QVERIFY(bruno.prompts.diskChangeTexts.isEmpty());
        const std::string brunos = ReadBytes(court);
        QCOMPARE(TitleIn(court), std::string("Bruno"));

        // Anne's save would lose Bruno's: she is asked, and Annuler keeps it.
        anne.TypeTitle(QStringLiteral("Anne"));
        anne.Trigger("mSave");
        QCOMPARE(anne.prompts.diskChangeTexts.size(), 2);
        QCOMPARE(anne.prompts.diskChangeTexts[0],
                 QStringLiteral("Le fichier « ensemble.vid » a changé sur le disque depuis que vous l'avez ouvert ou "
                                "enregistré : un autre éditeur ou un autre programme l'a remplacé."));
        QCOMPARE(anne.prompts.diskChangeTexts[1],
                 QStringLiteral("« Enregistrer quand même » garde l'autre version dans « ensemble.vid~ ». "
                                "« Recharger » ouvre la version du disque et abandonne vos modifications."));
        QCOMPARE(ReadBytes(court), brunos);
        QVERIFY(anne.form->Document().IsModified());

        // Recharger shows Bruno's version, unmodified.
        anne.prompts.diskChangeAnswers = {DiskChangeAnswer::Reload};
        anne.Trigger("mSave");
        QCOMPARE(anne.Title()->text(), QStringLiteral("Bruno"));
        QVERIFY(!anne.form->Document().IsModified());
        QCOMPARE(ReadBytes(court), brunos);

        // Now Bruno is the one behind: his next save asks in turn.
        anne.TypeTitle(QStringLiteral("Anne, puis Bruno"));
        anne.Trigger("mSave");
        QCOMPARE(anne.prompts.diskChangeTexts.size(), 4);  // unchanged since she reloaded: no new question
        bruno.TypeTitle(QStringLiteral("Bruno encore"));
        bruno.Trigger("mSave");
        QCOMPARE(bruno.prompts.diskChangeTexts.size(), 2);
        QCOMPARE(TitleIn(court), std::string("Anne, puis Bruno"));
    }

    void aFileReplacedOnDiskIsKeptAsTheBackupWhenSavedAnyway()
    {
        const fs::path court = Film("synchro.vid");
        FileEditor anne;
        anne.app->Settings().KeepBackup = false;
        anne.SaveAs(court);

        // A sync tool rewrites the same bytes: nothing to ask.
        const std::string same = ReadBytes(court);
        fs::remove(court);
        sw::test::WriteAll(court, same);
        anne.TypeTitle(QStringLiteral("Un"));
        anne.Trigger("mSave");
        QVERIFY(anne.prompts.diskChangeTexts.isEmpty());
        QCOMPARE(TitleIn(court), std::string("Un"));

        // Another program puts another project there.
        sw::ProjectDocument theirs;
        theirs.GenInfo.title = "Leur version";
        sw::SaveProject(theirs, court);
        const std::string theirBytes = ReadBytes(court);
        anne.TypeTitle(QStringLiteral("Deux"));
        anne.prompts.diskChangeAnswers = {DiskChangeAnswer::SaveAnyway};
        anne.Trigger("mSave");
        QCOMPARE(anne.prompts.diskChangeTexts.size(), 2);
        QCOMPARE(TitleIn(court), std::string("Deux"));
        QCOMPARE(ReadBytes(sw::BackupFileOf(court)), theirBytes);
        QVERIFY(!anne.form->Document().IsModified());

        // The save is what the editor knows now: the next one asks nothing.
        anne.TypeTitle(QStringLiteral("Trois"));
        anne.Trigger("mSave");
        QCOMPARE(anne.prompts.diskChangeTexts.size(), 2);
        QCOMPARE(TitleIn(court), std::string("Trois"));

        // A file removed meanwhile is simply written again.
        fs::remove(court);
        anne.TypeTitle(QStringLiteral("Quatre"));
        anne.Trigger("mSave");
        QCOMPARE(anne.prompts.diskChangeTexts.size(), 2);
        QCOMPARE(TitleIn(court), std::string("Quatre"));
    }

    void aStaleLockIsTakenOverAndAFileWithoutLockSaysSo()
    {
        const fs::path court = Film("reprise.vid");
        sw::ProjectDocument document;
        document.GenInfo.title = "Reprise";
        sw::SaveProject(document, court);
        // An editor that stopped without closing left its lock.
        const sw::EditorIdentity gone = sw::test::GoneEditor();
        sw::TakeProjectLock(court, {"Parti", gone, "2026-12-01T09:00:00+01:00"});
        // and the temporary file of a save it did not finish.
        const fs::path leftover = Film((".reprise.vid." + std::to_string(gone.pid) + "-77-0.tmp").c_str());
        sw::test::WriteAll(leftover, "moit");
        FileEditor anne("Anne");
        anne.Open(court);
        QVERIFY(anne.prompts.lockedTexts.isEmpty());
        QVERIFY(!fs::exists(leftover));
        QCOMPARE(anne.Title()->text(), QStringLiteral("Reprise"));
        QCOMPARE(sw::ReadProjectLock(court)->user, std::string("Anne"));
        anne.Trigger("mQuit");

        // Where no lock can be written, the file opens and the status bar says so.
        const fs::path blocked = Film("sans-verrou.vid");
        sw::SaveProject(document, blocked);
        fs::create_directory(sw::LockFileOf(blocked));
        FileEditor bruno;
        bruno.Open(blocked);
        QCOMPARE(bruno.Title()->text(), QStringLiteral("Reprise"));
        const QString note = bruno.Find<QStatusBar>("statusBar")->currentMessage();
        QVERIFY2(note.startsWith(QStringLiteral("« sans-verrou.vid » ouvert sans verrou (")), qPrintable(note));
        QVERIFY(note.endsWith(QStringLiteral(") : les autres éditeurs ne seront pas prévenus.")));
        swtest::Screenshot(bruno.form.get(), QStringLiteral("two-editors-no-lock"));
    }
};

QTEST_MAIN(TwoEditorsTest)
#include "twoeditors_test.moc"
