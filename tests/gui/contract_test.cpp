// What the user can rely on in the main window, driven only as the user
// drives it: which actions make the project modified, and what the document
// commands do to the file on disk, the current file and the window's title
// for each answer to "Enregistrer les modifications ?".

#include <filesystem>
#include <fstream>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QWindow>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "document/projectfile.h"
#include "editortestkit.h"

namespace {

namespace fs = std::filesystem;
using sw::SaveAnswer;
using swtest::CoreResavedBytes;
using swtest::ReadBytes;

const fs::path kExampleFolder = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
const fs::path kSeedFolder = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "seeds" / "project_loader";

QString Q(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

fs::path PathOf(const QTemporaryDir& dir)
{
    return fs::path(dir.path().toStdString());
}

// A copy of the example film (court.vid and its court/img folder) in folder.
fs::path CopyExample(const fs::path& folder)
{
    fs::create_directories(folder);
    fs::copy(kExampleFolder, folder, fs::copy_options::recursive);
    return folder / "court.vid";
}

sw::ProjectDocument CoreLoad(const fs::path& file)
{
    sw::ProjectDocument document;
    sw::LoadProject(document, file);
    return document;
}

void ClickButton(swtest::Editor& editor, const char* name)
{
    QTest::mouseClick(editor.Find<QPushButton>(name), Qt::LeftButton);
}

// A click on a check box's square.
void ClickCheckBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

void SaveAs(swtest::Editor& editor, const QString& file)
{
    editor.prompts.fileToSave = file;
    editor.Trigger("mSaveAs");
    editor.prompts.fileToSave.clear();
}

} // namespace

class ContractTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        // The probe for unsaved changes closes the window and shows it again.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    // ------------------------------------------------------------ modified

    void typingInAFieldMakesTheProjectModifiedAndReachesTheFile_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("typed");
        QTest::newRow("title") << QByteArray("titleEd") << 0 << QStringLiteral("Zqtitre");
        QTest::newRow("authors") << QByteArray("CreatorMemo") << 0 << QStringLiteral("Zqauteur");
        QTest::newRow("notes") << QByteArray("CommentMemo") << 0 << QStringLiteral("Zqnote");
        QTest::newRow("idea") << QByteArray("IdeaMemo") << 0 << QStringLiteral("Zqidee");
        QTest::newRow("synopsis") << QByteArray("SynopsMemo") << 0 << QStringLiteral("Zqsynopsis");
        QTest::newRow("action") << QByteArray("actionMemo") << 1 << QStringLiteral("Zqaction");
        QTest::newRow("sound") << QByteArray("sonMemo") << 1 << QStringLiteral("Zqson");
        QTest::newRow("dialogue") << QByteArray("dlgMemo") << 1 << QStringLiteral("Zqdialogue");
        QTest::newRow("duration") << QByteArray("DEdit") << 2 << QStringLiteral("4719");
        QTest::newRow("effect") << QByteArray("effetMemo") << 2 << QStringLiteral("Zqeffet");
        QTest::newRow("report") << QByteArray("rapMemo") << 3 << QStringLiteral("Zqrapport");
        QTest::newRow("report file name") << QByteArray("extRapNameEd") << 3 << QStringLiteral("Zqfichier");
    }

    void typingInAFieldMakesTheProjectModifiedAndReachesTheFile()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, tab);
        QFETCH(QString, typed);
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("film.vid"));
        SaveAs(editor, file);
        const std::string before = ReadBytes(file.toStdString());
        QVERIFY(!before.empty());
        QVERIFY(!editor.OffersToSave());

        editor.ClickTab(tab);
        auto* widget = editor.Find<QWidget>(field.constData());
        widget->setFocus();
        QTest::keyClicks(widget, typed);
        QVERIFY(editor.OffersToSave());

        editor.Trigger("mSave");
        QVERIFY(!editor.OffersToSave());
        const std::string after = ReadBytes(file.toStdString());
        QVERIFY(after != before);
        QVERIFY(after.find(typed.toStdString()) != std::string::npos);
    }

    void choosingAComboEntryWithTheKeyboardMakesTheProjectModified_data()
    {
        QTest::addColumn<QByteArray>("combo");
        QTest::addColumn<QByteArray>("checkBox");
        QTest::newRow("framing") << QByteArray("CBCadre") << QByteArray();
        QTest::newRow("angle") << QByteArray("CBAngles") << QByteArray();
        QTest::newRow("pan") << QByteArray("camComb0") << QByteArray("camCheckB0");
        QTest::newRow("travelling") << QByteArray("camComb1") << QByteArray("camCheckB1");
        QTest::newRow("zoom") << QByteArray("camComb2") << QByteArray("CamCheckB2");
    }

    void choosingAComboEntryWithTheKeyboardMakesTheProjectModified()
    {
        QFETCH(QByteArray, combo);
        QFETCH(QByteArray, checkBox);
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("film.vid"));
        SaveAs(editor, file);
        editor.ClickTab(2);
        if (!checkBox.isEmpty()) {
            ClickCheckBox(editor.Find<QCheckBox>(checkBox.constData()));
            QVERIFY(editor.Find<QComboBox>(combo.constData())->isVisible());
            editor.Trigger("mSave");
        }
        const std::string before = ReadBytes(file.toStdString());
        QVERIFY(!editor.OffersToSave());

        auto* box = editor.Find<QComboBox>(combo.constData());
        const int index = box->currentIndex();
        swtest::Editor::ChooseNextEntry(box);
        QCOMPARE(box->currentIndex(), index + 1);
        QVERIFY(editor.OffersToSave());

        editor.Trigger("mSave");
        QVERIFY(ReadBytes(file.toStdString()) != before);
        // The entry chosen is the shot's: it is shown again after another shot.
        editor.prompts.nameAnswer = QStringLiteral("deux");
        editor.ClickTab(1);
        ClickButton(editor, "addEvntBtn");
        editor.ClickTab(2);
        QCOMPARE(box->currentIndex(), 0);
        editor.ClickShot(0);
        QCOMPARE(box->currentIndex(), index + 1);
    }

    void tickingABoxMakesTheProjectModifiedAndUntickingGivesTheFileBack_data()
    {
        QTest::addColumn<QByteArray>("checkBox");
        QTest::addColumn<int>("tab");
        QTest::newRow("pan") << QByteArray("camCheckB0") << 2;
        QTest::newRow("travelling") << QByteArray("camCheckB1") << 2;
        QTest::newRow("zoom") << QByteArray("CamCheckB2") << 2;
        QTest::newRow("external report") << QByteArray("extRapChck") << 3;
    }

    void tickingABoxMakesTheProjectModifiedAndUntickingGivesTheFileBack()
    {
        QFETCH(QByteArray, checkBox);
        QFETCH(int, tab);
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("film.vid"));
        SaveAs(editor, file);
        const std::string unticked = ReadBytes(file.toStdString());
        editor.ClickTab(tab);
        auto* box = editor.Find<QCheckBox>(checkBox.constData());

        ClickCheckBox(box);
        QVERIFY(box->isChecked());
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        QVERIFY(ReadBytes(file.toStdString()) != unticked);

        ClickCheckBox(box);
        QVERIFY(!box->isChecked());
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        QCOMPARE(ReadBytes(file.toStdString()), unticked);
    }

    void choosingAPictureMakesTheProjectModifiedOnlyWhenItChangesThePicture()
    {
        // Without a file there is no picture folder to choose from.
        {
            swtest::Editor editor;
            editor.ClickTab(2);
            editor.prompts.pictureAnswer = QStringLiteral("plan1.jpg");
            ClickButton(editor, "getImgBtn1");
            QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("Enregistrez d'abord votre projet : ses images se rangent dans un dossier à côté de lui.")});
            QVERIFY(editor.prompts.pictureFolder.isEmpty());
            QVERIFY(!editor.OffersToSave());
        }

        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir));
        const fs::path imgDir = file.parent_path() / "court" / "img";
        const std::string current = CoreLoad(file).EventList.Event(0).cam.startImage;
        QString other;
        for (const QString& name : QDir(Q(imgDir)).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
            if (name.toStdString() != current) {
                other = name;
                break;
            }
        QVERIFY(!other.isEmpty());

        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(file);
        editor.Trigger("mOuvrir");
        QVERIFY(editor.prompts.messages.isEmpty());
        editor.ClickTab(2);
        auto* image = editor.Find<QLabel>("Image1");

        // The chooser closed without a file.
        ClickButton(editor, "getImgBtn1");
        QCOMPARE(editor.prompts.pictureFolder, Q(imgDir));
        QVERIFY(!editor.OffersToSave());
        // The picture the shot has already.
        if (!current.empty()) {
            editor.prompts.pictureAnswer = QString::fromStdString(current);
            ClickButton(editor, "getImgBtn1");
            QVERIFY(!editor.OffersToSave());
        }
        // Another picture of the folder.
        editor.prompts.pictureAnswer = other;
        ClickButton(editor, "getImgBtn1");
        QVERIFY(editor.PicturesShown());
        QVERIFY(!image->pixmap().isNull());
        QVERIFY(editor.OffersToSave());
        const std::string expected = CoreResavedBytes(file, [&other](sw::ProjectDocument& document) {
            document.EventList.Event(0).cam.startImage = other.toStdString();
        });
        editor.Trigger("mSave");
        QCOMPARE(ReadBytes(file), expected);
        QVERIFY(editor.prompts.messages.isEmpty());
    }

    void addingRenamingAndDeletingShotsMakeTheProjectModified()
    {
        swtest::Editor editor;
        const QString file = editor.Path(QStringLiteral("film.vid"));
        SaveAs(editor, file);
        editor.ClickTab(1);

        editor.prompts.nameAnswer = QStringLiteral("deux");
        ClickButton(editor, "addEvntBtn");
        QCOMPARE(editor.prompts.namePrompts, QStringList{QStringLiteral("nom du plan")});
        QCOMPARE(editor.ShotNames(), (QStringList{QStringLiteral("plan 1"), QStringLiteral("deux")}));
        QCOMPARE(editor.ShotList()->currentRow(), 1);
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");

        // Renamed to the same name, or the name dialog closed: no change.
        ClickButton(editor, "renamEvntBtn");
        QCOMPARE(editor.prompts.namePrompts.last(), QStringLiteral("Renommer le plan..."));
        QVERIFY(!editor.OffersToSave());
        editor.prompts.nameAnswer.reset();
        ClickButton(editor, "renamEvntBtn");
        QVERIFY(!editor.OffersToSave());
        QCOMPARE(editor.ShotNames(), (QStringList{QStringLiteral("plan 1"), QStringLiteral("deux")}));

        editor.prompts.nameAnswer = QStringLiteral("second");
        ClickButton(editor, "renamEvntBtn");
        QCOMPARE(editor.ShotNames(), (QStringList{QStringLiteral("plan 1"), QStringLiteral("second")}));
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");

        // The name dialog of a new shot closed: no shot is added.
        editor.prompts.nameAnswer.reset();
        ClickButton(editor, "addEvntBtn");
        QCOMPARE(editor.ShotList()->count(), 2);
        QVERIFY(!editor.OffersToSave());
        editor.prompts.nameAnswer = QStringLiteral("trois");
        ClickButton(editor, "addEvntBtn");
        QCOMPARE(editor.ShotList()->count(), 3);
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");

        editor.ClickShot(1);
        ClickButton(editor, "DelEvntBtn");
        QCOMPARE(editor.ShotList()->count(), 2);
        QCOMPARE(editor.ShotNames().first(), QStringLiteral("plan 1"));
        QVERIFY(!editor.ShotNames().contains(QStringLiteral("second")));
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");

        const sw::ProjectDocument saved = CoreLoad(file.toStdString());
        QCOMPARE(static_cast<int>(saved.EventList.Count()), 2);
        for (int row = 0; row < 2; ++row)
            QCOMPARE(QString::fromStdString(saved.EventList.EventName(static_cast<std::size_t>(row))),
                     editor.ShotNames().at(row));
    }

    void draggingAShotPutsItInItsNewPlaceWithItsOwnTexts()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        auto* sound = editor.Find<QPlainTextEdit>("sonMemo");
        QTest::keyClicks(action, QStringLiteral("A-un"));
        editor.prompts.nameAnswer = QStringLiteral("deux");
        ClickButton(editor, "addEvntBtn");
        QTest::keyClicks(action, QStringLiteral("A-deux"));
        editor.prompts.nameAnswer = QStringLiteral("trois");
        ClickButton(editor, "addEvntBtn");
        QTest::keyClicks(action, QStringLiteral("A-trois"));
        const QString file = editor.Path(QStringLiteral("film.vid"));
        SaveAs(editor, file);

        editor.ClickShot(0);
        QCOMPARE(action->toPlainText(), QStringLiteral("A-un"));
        QVERIFY(!editor.OffersToSave());

        // "trois" dragged onto the first place while "plan 1" is selected.
        editor.DragShot(2, 0);
        QCOMPARE(editor.ShotNames(), (QStringList{"trois", "plan 1", "deux"}));
        QCOMPARE(editor.ShotList()->currentRow(), 0);
        QCOMPARE(action->toPlainText(), QStringLiteral("A-trois"));
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        {
            const sw::ProjectDocument saved = CoreLoad(file.toStdString());
            QCOMPARE(saved.EventList.Count(), std::size_t{3});
            const char* names[] = {"trois", "plan 1", "deux"};
            const char* actions[] = {"A-trois", "A-un", "A-deux"};
            for (std::size_t i = 0; i < 3; ++i) {
                QCOMPARE(saved.EventList.EventName(i), std::string(names[i]));
                QCOMPARE(saved.EventList.EventAction(i), std::string(actions[i]));
            }
        }

        // The selected shot's text typed just before the drag stays its own.
        editor.ClickShot(2);
        QCOMPARE(action->toPlainText(), QStringLiteral("A-deux"));
        QTest::keyClicks(sound, QStringLiteral("S-deux"));
        editor.DragShot(0, 1);
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "trois", "deux"}));
        QCOMPARE(action->toPlainText(), QStringLiteral("A-trois"));
        QVERIFY(sound->toPlainText().isEmpty());
        editor.ClickShot(2);
        QCOMPARE(sound->toPlainText(), QStringLiteral("S-deux"));
        editor.Trigger("mSave");
        const sw::ProjectDocument saved = CoreLoad(file.toStdString());
        const char* names[] = {"plan 1", "trois", "deux"};
        const char* actions[] = {"A-un", "A-trois", "A-deux"};
        const char* sounds[] = {"", "", "S-deux"};
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(saved.EventList.EventName(i), std::string(names[i]));
            QCOMPARE(saved.EventList.EventAction(i), std::string(actions[i]));
            QCOMPARE(saved.EventList.Event(i).sound, std::string(sounds[i]));
        }
    }

    void theStyleAndLayoutDialogsMakeTheProjectModifiedWhenTheyChangeIt()
    {
        swtest::Editor editor(true, [](swtest::FakePrompts& prompts) { prompts.styleDialog = true; });
        const QString file = editor.Path(QStringLiteral("film.vid"));
        SaveAs(editor, file);
        const std::string saved = ReadBytes(file.toStdString());

        QVERIFY(editor.Find<QAction>("Style1")->isEnabled());
        editor.Trigger("Style1");
        QCOMPARE(editor.prompts.styleDialogs, 1);
        QVERIFY(!editor.OffersToSave());
        editor.prompts.styleEdit = [](sw::TStylePrefs& style) { style.PMargin = "3%,9%"; };
        editor.Trigger("Style1");
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        const std::string styled = ReadBytes(file.toStdString());
        QVERIFY(styled != saved);
        QVERIFY(styled.find("3%,9%") != std::string::npos);

        // The layout dialog closed without a change, or accepted without
        // one: nothing to save. Reset to its defaults and closed: a change.
        editor.Trigger("miseenpage1");
        QVERIFY(!editor.OffersToSave());
        editor.prompts.layoutAccept = true;
        editor.Trigger("miseenpage1");
        QVERIFY(!editor.OffersToSave());
        editor.prompts.layoutAccept = false;
        editor.prompts.layoutEdit = [](sw::THTMPrefs& prefs) { prefs.pageSpecs.tableWidth = "50%"; };
        editor.Trigger("miseenpage1");
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        QVERIFY(ReadBytes(file.toStdString()) != styled);
        QCOMPARE(CoreLoad(file.toStdString()).HTMPrefs.pageSpecs.tableWidth, std::string("50%"));
    }

    void goingThroughShotsAndTabsLeavesTheProjectUnmodified()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir));
        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(file);
        editor.Trigger("mOuvrir");
        const int shots = editor.ShotList()->count();
        QVERIFY(shots >= 2);
        QVERIFY(!editor.OffersToSave());

        auto* number = editor.Find<QLabel>("ENoLabel");
        for (int tab : {1, 2}) {
            editor.ClickTab(tab);
            for (int row = 0; row < shots; ++row) {
                editor.ClickShot(row);
                QCOMPARE(editor.ShotList()->currentRow(), row);
                QCOMPARE(number->text(), QString::number(row + 1));
            }
            for (int row = shots - 1; row >= 0; --row)
                editor.ClickShot(row);
        }
        editor.ClickTab(3);
        editor.ClickTab(0);
        auto* pages = editor.Find<QTabWidget>("PageControl");
        for (int step = 1; step <= 4; ++step) {
            QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(pages->currentIndex(), step % 4);
        }
        for (int tab : {2, 1, 3, 0})
            pages->setCurrentIndex(tab);
        QVERIFY(!editor.OffersToSave());
        QVERIFY(editor.prompts.messages.isEmpty());
    }

    void theShotNumberFollowsTheShotShown()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        auto* number = editor.Find<QLabel>("ENoLabel");
        editor.prompts.nameAnswer = QStringLiteral("deux");
        ClickButton(editor, "addEvntBtn");
        editor.prompts.nameAnswer = QStringLiteral("trois");
        ClickButton(editor, "addEvntBtn");
        editor.ClickShot(2);
        QCOMPARE(number->text(), QStringLiteral("3"));
        editor.ClickShot(0);
        QCOMPARE(number->text(), QStringLiteral("1"));

        editor.DragShot(1, 2);
        QCOMPARE(editor.ShotList()->currentRow(), 2);
        QCOMPARE(number->text(), QStringLiteral("3"));

        editor.ClickShot(2);
        QCOMPARE(number->text(), QStringLiteral("3"));
        ClickButton(editor, "DelEvntBtn");
        QCOMPARE(editor.ShotList()->currentRow(), 1);
        QCOMPARE(number->text(), QStringLiteral("2"));
    }

    // ------------------------------------------------------------ document commands

    void theFileMenuShortcutsRunTheirCommands()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir));
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        QWindow* window = editor.form->windowHandle();
        editor.prompts.fileToOpen = Q(file);
        QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(file)));

        auto* title = editor.Find<QLineEdit>("titleEd");
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("Mien"));
        const std::string edited = CoreResavedBytes(file, [](sw::ProjectDocument& document) { document.GenInfo.title += "Mien"; });
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadBytes(file), edited);
        QVERIFY(!editor.OffersToSave());
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));

        QTest::keyClicks(title, QStringLiteral("!"));
        editor.prompts.saveAnswers = {SaveAnswer::Cancel};
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(editor.prompts.saveQuestions, 1);
        editor.prompts.saveAnswers = {SaveAnswer::No};
        QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(editor.prompts.saveQuestions, 2);
        QVERIFY(!editor.form->isVisible());
        QCOMPARE(ReadBytes(file), edited);
    }

    void aCommandThatLeavesTheProjectAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        for (const char* command : {"new", "open", "drop", "quit", "close"})
            for (const char* answer : {"unchanged", "oui", "non", "annuler", "oui, save fails"})
                QTest::addRow("%s, %s", command, answer) << QString::fromLatin1(command) << QString::fromLatin1(answer);
    }

    void aCommandThatLeavesTheProjectAsksAboutUnsavedChanges()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QTemporaryDir dir;
        const fs::path root = PathOf(dir);
        const fs::path file = CopyExample(root / "film");
        const fs::path other = root / "autre.vid";
        fs::copy_file(kSeedFolder / "v3.vid", other);
        fs::create_directories(root / "autre" / "img");
        const std::string original = ReadBytes(file);
        const std::string edited = CoreResavedBytes(file, [](sw::ProjectDocument& document) { document.GenInfo.title += "Mien"; });

        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(file);
        editor.Trigger("mOuvrir");
        QVERIFY(editor.prompts.messages.isEmpty());
        const QString openedTitle = editor.form->windowTitle();
        QCOMPARE(openedTitle, swtest::WindowTitleFor(Q(file)));
        auto* title = editor.Find<QLineEdit>("titleEd");
        const QString editedTitle = title->text() + QStringLiteral("Mien");

        const bool changed = answer != QLatin1String("unchanged");
        if (changed)
            QTest::keyClicks(title, QStringLiteral("Mien"));
        const bool saveFails = answer == QLatin1String("oui, save fails");
        const fs::path moved = root / "film-ailleurs";
        if (saveFails) {
            // The file's folder is now a regular file: no save can go there,
            // whoever runs the test.
            fs::rename(root / "film", moved);
            std::ofstream(root / "film") << "occupé";
        }
        if (answer.startsWith(QLatin1String("oui")))
            editor.prompts.saveAnswers = {SaveAnswer::Yes};
        else if (answer == QLatin1String("non"))
            editor.prompts.saveAnswers = {SaveAnswer::No};
        else if (answer == QLatin1String("annuler"))
            editor.prompts.saveAnswers = {SaveAnswer::Cancel};

        editor.prompts.nameAnswer = QStringLiteral("neuf");
        editor.prompts.fileToOpen = Q(other);
        if (command == QLatin1String("new"))
            editor.Trigger("mNew");
        else if (command == QLatin1String("open"))
            editor.Trigger("mOuvrir");
        else if (command == QLatin1String("drop"))
            editor.DropFiles({QUrl::fromLocalFile(Q(other))});
        else if (command == QLatin1String("quit"))
            editor.Trigger("mQuit");
        else
            editor.form->close();

        QCOMPARE(editor.prompts.saveQuestions, changed ? 1 : 0);
        if (saveFails) {
            QCOMPARE(editor.prompts.messages.size(), 1);
            QVERIFY2(editor.prompts.messages.first().startsWith(QStringLiteral("Le fichier « court.vid » ne peut pas être "
                                                                               "enregistré dans le dossier « ")),
                     qPrintable(editor.prompts.messages.first()));
            QVERIFY2(editor.prompts.messages.first().contains(QStringLiteral("(impossible de créer « ")),
                     qPrintable(editor.prompts.messages.first()));
            QVERIFY2(editor.prompts.messages.first().contains(Q(file)), qPrintable(editor.prompts.messages.first()));
            QCOMPARE(ReadBytes(root / "film"), std::string("occupé"));
            fs::remove(root / "film");
            fs::rename(moved, root / "film");
            editor.prompts.messages.clear();
        }
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(ReadBytes(file), answer == QLatin1String("oui") ? edited : original);

        const bool goesOn = !answer.startsWith(QLatin1String("annuler")) && !saveFails;
        if (!goesOn) {
            // Nothing happened: the edits and the current file are kept.
            QVERIFY(editor.form->isVisible());
            QCOMPARE(editor.form->windowTitle(), openedTitle);
            QCOMPARE(title->text(), editedTitle);
            editor.Trigger("mSave");
            QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(file)));
            QCOMPARE(ReadBytes(file), edited);
            QCOMPARE(editor.prompts.saveDialogs, 0);
            return;
        }
        if (command == QLatin1String("quit") || command == QLatin1String("close")) {
            QVERIFY(!editor.form->isVisible());
            return;
        }
        if (command == QLatin1String("new")) {
            QCOMPARE(editor.form->windowTitle(), swtest::UntitledWindowTitle());
            QCOMPARE(editor.ShotNames(), QStringList{QStringLiteral("neuf")});
            QVERIFY(title->text().isEmpty());
            QVERIFY(!editor.OffersToSave());
            // No current file any more: saving asks for one.
            editor.Trigger("mSave");
            QCOMPARE(editor.prompts.saveDialogs, 1);
        } else {
            QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(other)));
            QCOMPARE(title->text(), QString::fromStdString(CoreLoad(other).GenInfo.title));
            QVERIFY(!editor.OffersToSave());
            editor.Trigger("mSave");
            QCOMPARE(editor.prompts.saveDialogs, 0);
            QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(other)));
        }
        QCOMPARE(ReadBytes(file), answer == QLatin1String("oui") ? edited : original);
        QVERIFY(editor.prompts.messages.isEmpty());
    }
};

QTEST_MAIN(ContractTest)
#include "contract_test.moc"
