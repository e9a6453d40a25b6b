// A project opened in the editor, looked through shot by shot and tab by tab,
// then saved under another name, is written exactly as the core writes it
// after loading it: looking at a project changes nothing in it.

#include <filesystem>
#include <set>
#include <string>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include "document/projectfile.h"
#include "editortestkit.h"
#include "worldwords.h"
#include "publish/varutil.h"

namespace {

namespace fs = std::filesystem;

const fs::path kExampleFolder = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
const fs::path kSeedFolder = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "seeds" / "project_loader";

QString Q(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

// The picture names the project's shots refer to.
std::set<std::string> PictureNames(const fs::path& file)
{
    sw::ProjectDocument document;
    sw::LoadProject(document, file);
    std::set<std::string> names;
    for (std::size_t i = 0; i < document.EventList.Count(); ++i) {
        const sw::TEvent& shot = document.EventList.Event(i);
        for (const std::string& name : {shot.cam.startImage, shot.cam.endImage})
            if (!name.empty())
                names.insert(name);
    }
    return names;
}

// The same names, each once, in the order the shots first use them.
QStringList PictureNamesInOrder(const fs::path& file)
{
    sw::ProjectDocument document;
    sw::LoadProject(document, file);
    QStringList names;
    for (std::size_t i = 0; i < document.EventList.Count(); ++i) {
        const sw::TEvent& shot = document.EventList.Event(i);
        for (const std::string& name : {shot.cam.startImage, shot.cam.endImage}) {
            const QString text = QString::fromStdString(name);
            if (!name.empty() && !names.contains(text))
                names << text;
        }
    }
    return names;
}

} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void aProjectLookedThroughAndSavedUnderANewNameIsWrittenAsTheCoreWritesIt_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("withPictures");
        QTest::newRow("example film") << Q(kExampleFolder / "court.vid") << true;
        for (const QString& seed : QDir(Q(kSeedFolder)).entryList({QStringLiteral("*.vid")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(seed)) << Q(kSeedFolder / seed.toStdString()) << true;
        QTest::newRow("v3.vid without its picture folder") << Q(kSeedFolder / "v3.vid") << false;
    }

    void aProjectLookedThroughAndSavedUnderANewNameIsWrittenAsTheCoreWritesIt()
    {
        QFETCH(QString, source);
        QFETCH(bool, withPictures);
        QTemporaryDir dir;
        const fs::path root = fs::path(dir.path().toStdString());
        const fs::path original = fs::path(source.toStdString());
        const fs::path file = root / original.filename();
        fs::copy_file(original, file);
        const fs::path imgDir = sw::ImageFolderOf(sw::SiteFolderOf(file));
        const fs::path originalImgDir = sw::ImageFolderOf(sw::SiteFolderOf(original));
        const std::set<std::string> pictures = PictureNames(file);
        if (withPictures) {
            fs::create_directories(imgDir);
            if (fs::is_directory(originalImgDir)) {
                fs::copy(originalImgDir, imgDir, fs::copy_options::recursive);
            } else {
                // The seeds come without pictures: small ones under their names.
                QImage picture(40, 30, QImage::Format_RGB32);
                picture.fill(Qt::darkCyan);
                for (const std::string& name : pictures)
                    QVERIFY(picture.save(Q(imgDir / name), "JPEG"));
            }
            for (const std::string& name : pictures)
                QVERIFY2(fs::is_regular_file(imgDir / name), name.c_str());
        }
        const std::string expected = swtest::CoreResavedBytes(file);

        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(file);
        editor.Trigger("mOuvrir");
        const int shots = editor.ShotList()->count();
        for (int tab : {1, 2}) {
            editor.ClickTab(tab);
            for (int row = 0; row < shots; ++row)
                editor.ClickShot(row);
        }
        editor.ClickTab(3);
        editor.ClickTab(0);
        QVERIFY(!editor.OffersToSave());
        editor.prompts.messages.clear();

        const fs::path copy = root / "copie.vid";
        editor.prompts.fileToSave = Q(copy);
        editor.Trigger("mSaveAs");
        QStringList messages;
        // Pictures missing from the old image folder cannot come along.
        if (!withPictures && !pictures.empty())
            messages << QStringLiteral("Ces images n'ont pas pu être copiées dans le dossier « ")
                            + Q(sw::ImageFolderOf(sw::SiteFolderOf(copy))) + QStringLiteral(" » : ")
                            + PictureNamesInOrder(file).join(QStringLiteral(", "));
        QCOMPARE(editor.prompts.messages, messages);
        // The new site folder is a note of the status bar, not a box.
        QCOMPARE(editor.Note(), QStringLiteral("Le répertoire ") + Q(root / "copie") + QStringLiteral(" vient d'être créé."));
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(copy)));
        QCOMPARE(swtest::ReadBytes(copy), expected);
        if (withPictures)
            for (const std::string& name : pictures)
                QVERIFY2(fs::is_regular_file(root / "copie" / "img" / name), name.c_str());
    }

    // What a crew from anywhere types, through an input method, comes back
    // whole from a file whose own name is not Western either.
    void wordsOfEveryScriptTypedInTheEditorComeBackAfterSavingAndReopening()
    {
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / "Дом 日本.vid";
        const QString words = QString::fromUtf8(swtest::kWorldWords);
        const char* const fields[] = {"titleEd", "CreatorMemo", "actionMemo", "effetMemo"};
        {
            swtest::Editor editor;
            for (const char* field : fields) {
                QWidget* widget = editor.Find<QWidget>(field);
                widget->setFocus();
                QInputMethodEvent typed;
                typed.setCommitString(words);
                QApplication::sendEvent(widget, &typed);
            }
            editor.ClickShot(0);
            QCOMPARE(editor.Project().GenInfo.title, std::string(swtest::kWorldWords));
            editor.prompts.fileToSave = Q(file);
            editor.Trigger("mSave");
            QVERIFY(fs::is_regular_file(file));
        }
        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(file);
        editor.Trigger("mOuvrir");
        QCOMPARE(editor.Find<QLineEdit>("titleEd")->text(), words);
        for (const char* memo : {"CreatorMemo", "actionMemo", "effetMemo"})
            QCOMPARE(editor.Find<QPlainTextEdit>(memo)->toPlainText(), words);
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(file)));
        const sw::TEvent& shot = editor.Project().EventList.Event(0);
        QCOMPARE(shot.action, std::string(swtest::kWorldWords));
        QCOMPARE(shot.cam.effect, std::string(swtest::kWorldWords));
        swtest::Screenshot(editor.form.get(), QStringLiteral("roundtrip-world-words"));
    }

    void aNewProjectSavedReopenedAndSavedAgainIsWrittenTheSame()
    {
        QTemporaryDir dir;
        const fs::path root = fs::path(dir.path().toStdString());
        const fs::path first = root / "premier.vid";
        const fs::path second = root / "second.vid";
        {
            swtest::Editor editor;
            QTest::keyClicks(editor.Find<QWidget>("titleEd"), QStringLiteral("Neuf"));
            editor.prompts.fileToSave = Q(first);
            editor.Trigger("mSave");
        }
        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(first);
        editor.Trigger("mOuvrir");
        editor.prompts.fileToSave = Q(second);
        editor.Trigger("mSaveAs");
        QEXPECT_FAIL("", "a new project's empty report caption is read back as \"Rapport de production\"", Continue);
        QCOMPARE(swtest::ReadBytes(second), swtest::ReadBytes(first));
    }
};

QTEST_MAIN(RoundTripTest)
#include "roundtrip_test.moc"
