#include <filesystem>
#include <fstream>
#include <sstream>

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "qtshared/uitext.h"
#include "editortestkit.h"
#include "document/projectfile.h"

namespace {

namespace fs = std::filesystem;
using sw::SaveAnswer;

const QString kSaveFirst = QStringLiteral("Enregistrez d'abord votre projet : son site se publie dans un dossier à côté de lui.");
const QString kPublishFirst = QStringLiteral("Il faut d'abord publier le film pour l'afficher...");

QString Created(const QString& folder)
{
    return QStringLiteral("Le répertoire ") + folder + QStringLiteral(" vient d'être créé.");
}

// A project file with two shots written by the core, as another run would.
void WriteProject(const QString& file, const std::string& title)
{
    sw::ProjectDocument document;
    document.GenInfo.title = title;
    document.GenInfo.creator = "Ana\r\nLéo";
    document.EventList.AddEvent().name = "ouverture";
    sw::TEvent& second = document.EventList.AddEvent();
    second.action = "La porte s'ouvre";
    second.cam.duration = "12";
    second.cam.pan = 2;
    document.Report.caption = "Journal";
    document.Report.text = "Bien\r\nfini";
    document.Report.fileName = "sRp.htm";
    sw::SaveProject(document, file.toStdString());
}

void WriteBytes(const QString& file, const std::string& bytes)
{
    std::ofstream out(file.toStdString(), std::ios::binary);
    out << bytes;
}

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QStringList Names(const QListWidget* list)
{
    return swtest::EntryNames(list);
}

// Files dragged over the window are taken, and the drop opens them.
void Drop(sw::TmainForm* form, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form, &enter);
    QVERIFY(enter.isAccepted());
    form->FilesDropped(urls);
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    void publishAndBrowseWithoutAFileAskToSaveFirst()
    {
        swtest::Editor editor;
        editor.Trigger("publier1");
        QCOMPARE(editor.prompts.messages, QStringList{kSaveFirst});
        QCOMPARE(editor.prompts.questions, QStringList{QStringLiteral("Voulez-vous l'enregistrer maintenant ?")});
        QCOMPARE(editor.prompts.saveDialogs, 0);
        editor.prompts.messages.clear();
        editor.Trigger("Navigateur1");
        QCOMPARE(editor.prompts.messages, (QStringList{kSaveFirst, kPublishFirst}));
        QVERIFY(editor.prompts.opened.isEmpty());

        // "Oui": saved where the user says, then published beside it.
        editor.prompts.messages.clear();
        editor.prompts.yesNoAnswers = {true};
        editor.prompts.fileToSave = editor.Path(QStringLiteral("neuf.vid"));
        editor.Trigger("publier1");
        QVERIFY(QFileInfo::exists(editor.Path(QStringLiteral("neuf/index.html"))));
        QCOMPARE(editor.prompts.messages.last(), QStringLiteral("Le film neuf.vid est maintenant publié dans le dossier ")
                                                     + editor.Path(QStringLiteral("neuf/")) + QStringLiteral("."));
    }

    void savingWithoutAFileAsksForOneAndCreatesTheSiteFolders()
    {
        swtest::Editor editor;
        editor.Trigger("mSave");
        QCOMPARE(editor.prompts.saveDialogs, 1);
        QVERIFY(QDir(editor.folder.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(editor.app->Paths().CurrentFile.empty());

        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        editor.prompts.fileToSave = editor.Path(QStringLiteral("mon.film.vid"));
        editor.Trigger("mSave");
        QVERIFY(QFileInfo::exists(editor.Path(QStringLiteral("mon.film.vid"))));
        QVERIFY(QDir(editor.Path(QStringLiteral("mon/img"))).exists());
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(editor.Note(), Created(editor.Path(QStringLiteral("mon"))));
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(editor.Path(QStringLiteral("mon.film.vid"))));
        QVERIFY(!editor.form->Document().IsModified());
        // The title typed just before is in the file.
        const std::string bytes = ReadAll(editor.Path(QStringLiteral("mon.film.vid")).toStdString());
        QVERIFY(bytes.find("Titre||||") != std::string::npos);

        // "Renommer" saves under the new name even with a current file.
        editor.prompts.fileToSave = editor.Path(QStringLiteral("autre.vid"));
        editor.Trigger("mSaveAs");
        QVERIFY(QFileInfo::exists(editor.Path(QStringLiteral("autre.vid"))));
        QCOMPARE(editor.app->Paths().SiteDir, fs::path(editor.Path(QStringLiteral("autre")).toStdString()));
    }

    void aSaveKeepsThePreviousVersionBesideTheFile()
    {
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("film.vid"));
        const fs::path backup = editor.Path(QStringLiteral("film.vid~")).toStdString();
        editor.prompts.fileToSave = file;
        editor.Trigger("mSave");
        QVERIFY(!fs::exists(backup));  // a first save replaces nothing
        const std::string first = ReadAll(file.toStdString());

        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        QTest::keyClick(editor.form->windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!editor.form->Document().IsModified());
        QCOMPARE(ReadAll(backup), first);
        const std::string second = ReadAll(file.toStdString());
        QVERIFY(second.find("Titre||||") != std::string::npos);

        // "Renommer" onto a file that exists keeps that file's version too,
        // and onto a new name keeps none.
        const QString other = editor.Path(QStringLiteral("autre.vid"));
        WriteBytes(other, "ancien");
        editor.prompts.fileToSave = other;
        editor.Trigger("mSaveAs");
        QCOMPARE(ReadAll(editor.Path(QStringLiteral("autre.vid~")).toStdString()), std::string("ancien"));
        editor.prompts.fileToSave = editor.Path(QStringLiteral("neuf.vid"));
        editor.Trigger("mSaveAs");
        QVERIFY(QFileInfo::exists(editor.Path(QStringLiteral("neuf.vid"))));
        QVERIFY(!QFileInfo::exists(editor.Path(QStringLiteral("neuf.vid~"))));

        // With the setting turned off in the settings file read at start-up,
        // no backup is kept.
        WriteBytes(editor.Path(QStringLiteral("shotweave.ini")), "[PREFS]\r\nKeepBackup=0\r\n");
        editor.app->ReadSettings();
        editor.Trigger("mSave");
        QVERIFY(!QFileInfo::exists(editor.Path(QStringLiteral("neuf.vid~"))));
    }

    void aBackupThatCannotBeWrittenStopsTheSave()
    {
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("film.vid"));
        editor.prompts.fileToSave = file;
        editor.Trigger("mSave");
        const std::string saved = ReadAll(file.toStdString());
        QVERIFY(QDir().mkdir(editor.Path(QStringLiteral("film.vid~"))));
        editor.prompts.messages.clear();

        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Titre"));
        editor.Trigger("mSave");
        QCOMPARE(editor.prompts.messages,
                 QStringList{QStringLiteral("La version précédente de « ") + file
                             + QStringLiteral(" » ne peut pas être gardée dans « ") + file
                             + QStringLiteral("~ » : c'est un dossier")});
        QCOMPARE(ReadAll(file.toStdString()), saved);
        QVERIFY(editor.form->Document().IsModified());
    }

    void publishingSavesAndWritesTheSiteAndBrowsingOpensIt()
    {
        swtest::Editor editor;
        editor.prompts.fileToSave = editor.Path(QStringLiteral("film.vid"));
        editor.Trigger("mSave");
        editor.prompts.messages.clear();
        QTest::keyClicks(editor.Find<QPlainTextEdit>("actionMemo"), QStringLiteral("Une ombre passe"));

        editor.Trigger("publier1");
        QCOMPARE(editor.prompts.messages,
                 QStringList{QStringLiteral("Le film film.vid est maintenant publié dans le dossier ")
                             + editor.Path(QStringLiteral("film/")) + QStringLiteral(".")});
        QVERIFY(QFileInfo::exists(editor.Path(QStringLiteral("film/index.html"))));
        // Publishing saved the shot edits first.
        sw::ProjectDocument saved;
        sw::LoadProject(saved, editor.Path(QStringLiteral("film.vid")).toStdString());
        QCOMPARE(saved.EventList.EventAction(0), std::string("Une ombre passe"));

        editor.prompts.messages.clear();
        editor.Trigger("Navigateur1");
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(editor.prompts.opened, QList<QUrl>{QUrl::fromLocalFile(editor.Path(QStringLiteral("film/index.html")))});
    }

    void newForgetsThePreviousFileAndItsFolders()
    {
        swtest::Editor editor;
        editor.prompts.fileToSave = editor.Path(QStringLiteral("ancien.vid"));
        editor.Trigger("publier1"); // no file yet
        editor.Trigger("mSave");
        editor.Trigger("publier1");
        QVERIFY(QFileInfo::exists(editor.Path(QStringLiteral("ancien/index.html"))));
        editor.app->Settings().SaveID = true;
        editor.app->Settings().AuthorName = "Zélie";
        editor.prompts.messages.clear();

        editor.prompts.nameAnswer = QStringLiteral("ouverture");
        editor.Trigger("mNew");
        QCOMPARE(editor.prompts.saveQuestions, 0);
        QCOMPARE(editor.prompts.namePrompts, QStringList{QStringLiteral("nom du plan")});
        QCOMPARE(Names(editor.Find<QListWidget>("vListBox")), QStringList{QStringLiteral("ouverture")});
        QVERIFY(editor.app->Paths().CurrentFile.empty());
        QVERIFY(editor.app->Paths().SiteDir.empty());
        QVERIFY(editor.app->Paths().ImgDir.empty());
        QCOMPARE(editor.form->windowTitle(), swtest::UntitledWindowTitle());
        QCOMPARE(editor.Find<QPlainTextEdit>("CreatorMemo")->toPlainText(), QStringLiteral("Zélie"));
        QCOMPARE(editor.Project().GenInfo.creator, std::string("Zélie"));
        QVERIFY(!editor.form->Document().IsModified());

        // The previous film's site is not shown any more.
        editor.Trigger("Navigateur1");
        QCOMPARE(editor.prompts.messages, (QStringList{kSaveFirst, kPublishFirst}));
        QVERIFY(editor.prompts.opened.isEmpty());
    }

    void openingAProjectShowsItAndCreatesItsFolders()
    {
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("court.vid"));
        WriteProject(file, "Court");
        editor.prompts.fileToOpen = file;
        editor.Trigger("mOuvrir");
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(editor.Note(), Created(editor.Path(QStringLiteral("court"))));
        QVERIFY(QDir(editor.Path(QStringLiteral("court/img"))).exists());
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(file));
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Court"));
        QCOMPARE(editor.Find<QPlainTextEdit>("CreatorMemo")->toPlainText(), QStringLiteral("Ana\nLéo"));
        QCOMPARE(editor.Project().GenInfo.creator, std::string("Ana\r\nLéo"));
        auto* list = editor.Find<QListWidget>("vListBox");
        QCOMPARE(Names(list), (QStringList{"ouverture", "plan 2"}));
        // The number of the shot shown, the first.
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("1"));
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QVERIFY(editor.Find<QPushButton>("DelEvntBtn")->isEnabled());
        QCOMPARE(editor.Find<QLabel>("RapLabel")->text(), QStringLiteral("Journal"));
        QCOMPARE(editor.Find<QPlainTextEdit>("rapMemo")->toPlainText(), QStringLiteral("Bien\nfini"));
        QCOMPARE(editor.Find<QLineEdit>("extRapNameEd")->text(), QStringLiteral("rapport.htm"));
        QCOMPARE(editor.Project().Report.text, std::string("Bien\r\nfini"));
        QVERIFY(!editor.form->Document().IsModified());

        list->setCurrentRow(1);
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("La porte s'ouvre"));
        QCOMPARE(editor.Find<QComboBox>("camComb0")->currentText(), QStringLiteral("vertical"));
        QCOMPARE(editor.Find<QLabel>("cumLab")->text(), QStringLiteral("12s."));
    }

    void aFailedOpenLeavesTheProjectItsFileAndItsFolders()
    {
        swtest::Editor editor;
        const QString good = editor.Path(QStringLiteral("bon.vid"));
        WriteProject(good, "Bon");
        editor.prompts.fileToOpen = good;
        editor.Trigger("mOuvrir");
        const QString title = editor.form->windowTitle();
        const sw::TProjectPaths before = editor.app->Paths();
        const std::string bytes = sw::ProjectFileBytes(editor.Project());
        editor.prompts.messages.clear();

        const QString bad = editor.Path(QStringLiteral("mauvais.vid"));
        WriteBytes(bad, std::string("\x06\x03" "abc", 5));
        editor.prompts.fileToOpen = bad;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.prompts.messages.size(), 1);
        // The French sentence names the file; the system's text follows.
        QVERIFY(editor.prompts.messages.first().startsWith(QStringLiteral("Le fichier « mauvais.vid » ne peut pas")));
        QVERIFY(editor.prompts.messages.first().endsWith(QStringLiteral("(une valeur n'est pas du type attendu)")));

        const QString missing = editor.Path(QStringLiteral("absent.vid"));
        editor.prompts.fileToOpen = missing;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.prompts.messages.size(), 2);
        QVERIFY(editor.prompts.messages.last().startsWith(QStringLiteral("Le fichier « absent.vid » ne peut pas")));
        QVERIFY(editor.prompts.messages.last().contains(QStringLiteral("(impossible d'ouvrir « ") + missing + QStringLiteral(" » : fichier ou dossier introuvable)")));

        Drop(editor.form.get(), {QUrl::fromLocalFile(bad)});
        QCOMPARE(editor.prompts.messages.size(), 3);

        QCOMPARE(sw::ProjectFileBytes(editor.Project()), bytes);
        QCOMPARE(editor.app->Paths().CurrentFile, before.CurrentFile);
        QCOMPARE(editor.app->Paths().SiteDir, before.SiteDir);
        QCOMPARE(editor.app->Paths().ImgDir, before.ImgDir);
        QCOMPARE(editor.form->windowTitle(), title);
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Bon"));
        QCOMPARE(Names(editor.Find<QListWidget>("vListBox")), (QStringList{"ouverture", "plan 2"}));
        QVERIFY(!QDir(editor.Path(QStringLiteral("mauvais"))).exists());
        QVERIFY(!QDir(editor.Path(QStringLiteral("absent"))).exists());
    }

    void unsavedChangesAreOfferedForSavingBeforeTheyAreLost()
    {
        swtest::Editor editor;
        const QString other = editor.Path(QStringLiteral("autre.vid"));
        WriteProject(other, "Autre");
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Mien"));
        QVERIFY(editor.form->Document().IsModified());

        // Annuler: nothing happens.
        editor.prompts.saveAnswers = {SaveAnswer::Cancel};
        editor.prompts.fileToOpen = other;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.prompts.saveQuestions, 1);
        QCOMPARE(editor.Project().GenInfo.title, std::string("Mien"));
        editor.prompts.saveAnswers = {SaveAnswer::Cancel};
        editor.Trigger("mNew");
        QCOMPARE(editor.prompts.saveQuestions, 2);
        QCOMPARE(editor.Project().GenInfo.title, std::string("Mien"));
        QVERIFY(editor.prompts.namePrompts.isEmpty());

        // Oui without a file: the save dialog; cancelling it cancels the command.
        editor.prompts.saveAnswers = {SaveAnswer::Yes};
        Drop(editor.form.get(), {QUrl::fromLocalFile(other), QUrl::fromLocalFile(editor.Path(QStringLiteral("x.vid")))});
        QCOMPARE(editor.prompts.saveQuestions, 3);
        QCOMPARE(editor.prompts.saveDialogs, 1);
        QCOMPARE(editor.Project().GenInfo.title, std::string("Mien"));

        // Oui with a name: saved, then the first dropped file is opened.
        editor.prompts.saveAnswers = {SaveAnswer::Yes};
        editor.prompts.fileToSave = editor.Path(QStringLiteral("mien.vid"));
        Drop(editor.form.get(), {QUrl::fromLocalFile(other), QUrl::fromLocalFile(editor.Path(QStringLiteral("x.vid")))});
        QCOMPARE(editor.prompts.saveQuestions, 4);
        QCOMPARE(editor.Project().GenInfo.title, std::string("Autre"));
        sw::ProjectDocument mine;
        sw::LoadProject(mine, editor.Path(QStringLiteral("mien.vid")).toStdString());
        QCOMPARE(mine.GenInfo.title, std::string("Mien"));

        // Freshly opened: no question. Non: the edits are dropped.
        editor.prompts.fileToOpen = editor.Path(QStringLiteral("mien.vid"));
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.prompts.saveQuestions, 4);
        QTest::keyClicks(editor.Find<QPlainTextEdit>("dlgMemo"), QStringLiteral("perdu"));
        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.prompts.nameAnswer = QStringLiteral("premier");
        editor.Trigger("mNew");
        QCOMPARE(editor.prompts.saveQuestions, 5);
        QCOMPARE(Names(editor.Find<QListWidget>("vListBox")), QStringList{QStringLiteral("premier")});
    }

    void aFileDroppedOnATextFieldOpensToo()
    {
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("court.vid"));
        WriteProject(file, "Court");
        auto* title = editor.Find<QLineEdit>("titleEd");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &drop);
        QCOMPARE(title->text(), QStringLiteral("Court"));
        QCOMPARE(editor.app->Paths().CurrentFile, fs::path(file.toStdString()));
    }

    void helpAndAboutOpenTheirWindows()
    {
        swtest::Editor editor;
        editor.Trigger("propos1");
        QCOMPARE(editor.prompts.aboutShown, 1);
        editor.Trigger("aide1");
        QCOMPARE(editor.prompts.opened.size(), 1);
        QVERIFY(editor.prompts.opened.first().isValid());
        QVERIFY(editor.prompts.opened.first().toString().endsWith(QStringLiteral("guide.html")));
    }

    void aPageLayoutAcceptedWithoutAChangeIsNoChange()
    {
        swtest::Editor editor;
        QVERIFY(editor.Find<QAction>("miseenpage1")->isEnabled());
        editor.Trigger("miseenpage1");
        QVERIFY(!editor.form->Document().IsModified());
        editor.prompts.layoutAccept = true;
        editor.Trigger("miseenpage1");
        QVERIFY(!editor.form->Document().IsModified());
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
    }

    void aLayoutResetInADialogClosedWithoutAcceptingCountsAsAChange()
    {
        swtest::Editor editor;
        editor.prompts.layoutEdit = [](sw::THTMPrefs& prefs) { prefs.pageSpecs.tableWidth = "50%"; };
        editor.Trigger("miseenpage1");
        QVERIFY(editor.form->Document().IsModified());
        QCOMPARE(editor.Project().HTMPrefs.pageSpecs.tableWidth, std::string("50%"));
    }

    void quittingAsksAboutChangesAndWritesTheSettings()
    {
        swtest::Editor editor;
        const fs::path ini = editor.app->IniFileName();
        QTest::keyClicks(editor.Find<QPlainTextEdit>("CreatorMemo"), QStringLiteral("Ana"));
        editor.prompts.saveAnswers = {SaveAnswer::Cancel};
        editor.Trigger("mQuit");
        QVERIFY(editor.form->isVisible());
        QVERIFY(!fs::exists(ini));

        editor.prompts.saveAnswers = {SaveAnswer::No};
        editor.Trigger("mQuit");
        QVERIFY(!editor.form->isVisible());
        QCOMPARE(editor.prompts.saveQuestions, 2);
        const std::string settings = ReadAll(ini);
        QVERIFY(settings.find("AuthorName=Ana") != std::string::npos);
        QVERIFY(settings.find("LastFileName=\n") != std::string::npos || settings.find("LastFileName=\r\n") != std::string::npos);
    }

    void dataOfALaterVersionIsToldOnOpeningAndAskedBeforeSaving()
    {
        QTemporaryDir folder;
        const QString file = QDir(folder.path()).filePath(QStringLiteral("futur.vid"));
        WriteProject(file, "Futur");
        const std::filesystem::path path = file.toStdString();
        std::string bytes = swtest::ReadBytes(path);
        bytes += std::string("\x14\x03\x00\x00\x00" "abc", 8);
        std::ofstream(path, std::ios::binary) << bytes;

        swtest::Editor editor;
        editor.prompts.fileToOpen = file;
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Futur"));
        QCOMPARE(editor.prompts.messages.last(),
                 QStringLiteral("Le fichier « futur.vid » se termine par 8 octets que cette version de Shotweave ne "
                                "connaît pas : ils sont ignorés, et un enregistrement les supprimera."));
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("!"));
        editor.Trigger("mSave");  // Non: nothing written
        QCOMPARE(editor.prompts.questions.last(), QStringLiteral("Enregistrer quand même ?"));
        QCOMPARE(swtest::ReadBytes(path), bytes);
        editor.prompts.yesNoAnswers = {true};
        editor.Trigger("mSave");
        sw::ProjectDocument saved;
        sw::LoadProject(saved, path);
        QCOMPARE(saved.GenInfo.title, std::string("Futur!"));
        QCOMPARE(saved.UnknownTrailingBytes, std::size_t(0));
        const int asked = editor.prompts.questions.size();
        editor.Trigger("mSave");  // the data is gone: no more question
        QCOMPARE(editor.prompts.questions.size(), asked);
    }

    void startUpOpensTheFirstArgumentOrTheLastFile()
    {
        QTemporaryDir folder;
        const QString file = QDir(folder.path()).filePath(QStringLiteral("court.vid"));
        WriteProject(file, "Court");

        swtest::Editor withArgument(false);
        withArgument.form->FormShow({file});
        QCOMPARE(withArgument.Find<QLineEdit>("titleEd")->text(), QStringLiteral("Court"));
        QCOMPARE(withArgument.app->Paths().CurrentFile, fs::path(file.toStdString()));

        swtest::Editor missingArgument(false);
        missingArgument.form->FormShow({missingArgument.Path(QStringLiteral("absent.vid"))});
        QCOMPARE(Names(missingArgument.Find<QListWidget>("vListBox")), QStringList{QStringLiteral("plan 1")});
        QVERIFY(missingArgument.prompts.messages.isEmpty());

        swtest::Editor autoLoad(false);
        autoLoad.app->Settings().AutoLoad = true;
        autoLoad.app->Settings().LastFileName = file.toStdString();
        // The first editor still holds the file: this one opens it anyway.
        autoLoad.prompts.lockedAnswers = {sw::LockedAnswer::OpenAnyway};
        autoLoad.form->FormShow({});
        QCOMPARE(autoLoad.prompts.lockedTexts.size(), 1);
        QCOMPARE(autoLoad.form->windowTitle(), swtest::WindowTitleFor(file));
        QCOMPARE(Names(autoLoad.Find<QListWidget>("vListBox")), (QStringList{"ouverture", "plan 2"}));

        // A last file that is gone: an empty project without a file.
        swtest::Editor lostFile(false);
        lostFile.app->Settings().AutoLoad = true;
        lostFile.app->Settings().LastFileName = lostFile.Path(QStringLiteral("parti.vid")).toStdString();
        lostFile.form->FormShow({});
        QCOMPARE(lostFile.prompts.messages.size(), 1);
        QVERIFY(lostFile.app->Paths().CurrentFile.empty());
        QCOMPARE(lostFile.Find<QListWidget>("vListBox")->count(), 0);
        QVERIFY(!QDir(lostFile.Path(QStringLiteral("parti"))).exists());

        // A last file that is a device is refused at once, never read.
        swtest::Editor device(false);
        device.app->Settings().AutoLoad = true;
        device.app->Settings().LastFileName = "/dev/zero";
        device.form->FormShow({});
        QCOMPARE(device.prompts.messages.size(), 1);
        QVERIFY2(device.prompts.messages.first().contains(QStringLiteral("« zero » ne peut pas être ouvert : ce n'est pas "
                                                                         "un fichier ordinaire")),
                 qPrintable(device.prompts.messages.first()));
        QVERIFY(device.app->Paths().CurrentFile.empty());
    }

    void theExampleFilmEditedSavedReopenedAndPublished()
    {
        QTemporaryDir folder;
        const fs::path source = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
        const fs::path copy = fs::path(folder.path().toStdString());
        fs::copy(source, copy, fs::copy_options::recursive);
        const QString file = sw::uitext::PathToQString(copy / "court.vid");

        {
            swtest::Editor editor(false);
            editor.form->FormShow({file});
            QVERIFY(editor.prompts.messages.isEmpty());
            auto* list = editor.Find<QListWidget>("vListBox");
            QVERIFY(list->count() >= 2);
            list->setCurrentRow(1);
            auto* action = editor.Find<QPlainTextEdit>("actionMemo");
            action->selectAll();
            QTest::keyClicks(action, QStringLiteral("Marque-de-test: le chat traverse"));
            editor.Trigger("mSave");
            QVERIFY(editor.prompts.messages.isEmpty());
        }
        swtest::Editor editor(false);
        editor.form->FormShow({file});
        auto* list = editor.Find<QListWidget>("vListBox");
        list->setCurrentRow(1);
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("Marque-de-test: le chat traverse"));
        editor.Find<QTabWidget>("PageControl")->setCurrentIndex(2);
        swtest::Screenshot(editor.form.get(), QStringLiteral("mainform-example"));
        editor.Trigger("publier1");
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY(editor.prompts.messages.first().startsWith(QStringLiteral("Le film court.vid est maintenant publié")));
        const std::string page = ReadAll(copy / "court" / "action.htm");
        QVERIFY(page.find("Marque-de-test: le chat traverse") != std::string::npos);
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
