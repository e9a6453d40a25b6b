// The shots' pictures as the user handles them: choosing, importing and
// dropping pictures, what the panel shows of a picture whose file is gone,
// and the pictures that follow a project saved under another name. Driven
// like the contract suite: controls by name, mouse and drag events, and the
// user's answers through the prompts.

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QThreadPool>
#include <QtTest>

#include "app/shotpictures.h"
#include "core/testsupport.h"
#include "dialogs/getfiledlg.h"
#include "document/projectfile.h"
#include "editortestkit.h"
#include "publish/varutil.h"
#include "qtshared/uitext.h"

namespace {

namespace fs = std::filesystem;
using swtest::ReadBytes;

const fs::path kExampleFolder = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";

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

using PictureNames = std::vector<std::pair<std::string, std::string>>;

// Each shot's start and end picture names, in the order of the shots.
PictureNames ShotPictures(const fs::path& file)
{
    const sw::ProjectDocument document = CoreLoad(file);
    PictureNames names;
    for (std::size_t i = 0; i < document.EventList.Count(); ++i) {
        const sw::TEvent& shot = document.EventList.Event(i);
        names.emplace_back(shot.cam.startImage, shot.cam.endImage);
    }
    return names;
}

fs::path ImageFolder(const fs::path& projectFile)
{
    return sw::ImageFolderOf(sw::SiteFolderOf(projectFile));
}

void ClickButton(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void Open(swtest::Editor& editor, const fs::path& file)
{
    editor.prompts.fileToOpen = Q(file);
    editor.Trigger("mOuvrir");
    editor.prompts.fileToOpen.clear();
}

void SaveAs(swtest::Editor& editor, const fs::path& file)
{
    editor.prompts.fileToSave = Q(file);
    editor.Trigger("mSaveAs");
    editor.prompts.fileToSave.clear();
}

QString CreatedFolderMessage(const fs::path& siteDir)
{
    return QStringLiteral("Le répertoire ") + Q(siteDir) + QStringLiteral(" vient d'être créé.");
}

// A new project saved as folder/name: its image folder exists, empty.
fs::path SaveNewProject(swtest::Editor& editor, const fs::path& folder, const std::string& name)
{
    const fs::path file = folder / name;
    SaveAs(editor, file);
    editor.prompts.messages.clear();
    return file;
}

QImage Picture(int width, int height, Qt::GlobalColor colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QStringList Names(const QListWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

// Whether the label shows a picture that fills its box in one direction.
bool ShowsPictureFittingItsBox(const QLabel* box)
{
    if (!swtest::PicturesShown(box->window()))
        return false;
    const QSize shown = box->pixmap().size();
    const QSize room = box->contentsRect().size();
    return !box->pixmap().isNull() && shown.width() <= room.width() && shown.height() <= room.height()
        && (shown.width() == room.width() || shown.height() == room.height());
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    // ------------------------------------------------------------ missing files

    void aMissingPictureKeepsItsNameThroughStoreSaveAndReopen()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir));
        const PictureNames before = ShotPictures(file);
        QVERIFY(before.size() >= 2);
        const std::string start = before[0].first;
        QVERIFY(!start.empty());
        QVERIFY(fs::remove(ImageFolder(file) / start));
        const QString placeholder = QStringLiteral("image introuvable : ") + sw::uitext::ToQString(start);

        {
            swtest::Editor editor;
            Open(editor, file);
            editor.ClickTab(2);
            auto* image = editor.Find<QLabel>("Image1");
            QVERIFY(image->pixmap().isNull());
            QCOMPARE(image->text(), placeholder);
            swtest::Screenshot(editor.form.get(), QStringLiteral("pictures-missing"));
            // Leaving the shot and coming back stores it.
            editor.ClickShot(1);
            editor.ClickShot(0);
            QCOMPARE(image->text(), placeholder);
            QVERIFY(!editor.OffersToSave());
            editor.Trigger("mSave");
            QCOMPARE(ShotPictures(file), before);
        }
        swtest::Editor editor;
        Open(editor, file);
        editor.ClickTab(2);
        QCOMPARE(editor.Find<QLabel>("Image1")->text(), placeholder);
        editor.ClickShot(1);
        editor.ClickShot(0);
        editor.Trigger("mSave");
        QCOMPARE(ShotPictures(file), before);
        QVERIFY(editor.prompts.messages.isEmpty());
    }

    // ------------------------------------------------------------ save as

    void savingUnderANewNameKeepsEveryPictureAndEveryName()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir) / "avant");
        const PictureNames before = ShotPictures(file);
        QTemporaryDir empty;
        const fs::path copy = PathOf(empty) / "apres.vid";

        swtest::Editor editor;
        Open(editor, file);
        SaveAs(editor, copy);
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(editor.Note(), CreatedFolderMessage(PathOf(empty) / "apres"));
        QCOMPARE(ShotPictures(copy), before);
        int pictures = 0;
        for (const auto& [startImage, endImage] : before)
            for (const std::string& name : {startImage, endImage}) {
                if (name.empty())
                    continue;
                ++pictures;
                const fs::path copied = ImageFolder(copy) / name;
                QVERIFY2(fs::is_regular_file(copied), name.c_str());
                QCOMPARE(ReadBytes(copied), ReadBytes(ImageFolder(file) / name));
            }
        QVERIFY(pictures > 0);

        // The editor shows them from the new folder.
        editor.ClickTab(2);
        editor.ClickShot(0);
        QVERIFY(ShowsPictureFittingItsBox(editor.Find<QLabel>("Image1")));
        swtest::Editor reopened;
        Open(reopened, copy);
        QCOMPARE(ShotPictures(copy), before);
    }

    void savingUnderANewNameReportsThePicturesItCouldNotBring()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir) / "avant");
        const PictureNames before = ShotPictures(file);
        const std::string gone = before[0].first;
        QVERIFY(fs::remove(ImageFolder(file) / gone));
        QTemporaryDir other;
        const fs::path copy = PathOf(other) / "apres.vid";
        // A different picture of the same name already in the new folder stays.
        const std::string taken = before[1].first;
        QVERIFY(!taken.empty() && taken != gone);
        fs::create_directories(ImageFolder(copy));
        const fs::path takenCopy = ImageFolder(copy) / taken;
        QVERIFY(Picture(8, 8, Qt::green).save(Q(takenCopy), "JPEG"));
        const std::string kept = ReadBytes(takenCopy);

        swtest::Editor editor;
        Open(editor, file);
        SaveAs(editor, copy);
        QCOMPARE(editor.prompts.messages.size(), 1);
        QCOMPARE(editor.prompts.messages.last(),
                 QStringLiteral("Ces images n'ont pas pu être copiées dans le dossier « ") + Q(ImageFolder(copy))
                     + QStringLiteral(" » : ") + sw::uitext::ToQString(gone) + QStringLiteral(", ")
                     + sw::uitext::ToQString(taken));
        QCOMPARE(ReadBytes(takenCopy), kept);
        QCOMPARE(ShotPictures(copy), before);
    }

    // ------------------------------------------------------------ end picture

    void theEndPictureIsShownSavedAndReadBack()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir));
        const PictureNames before = ShotPictures(file);
        const int row = static_cast<int>(before.size()) - 1;
        QVERIFY(before[static_cast<std::size_t>(row)].second != "plan7.jpg");

        {
            swtest::Editor editor;
            Open(editor, file);
            editor.ClickTab(2);
            editor.ClickShot(row);
            auto* fin = editor.Find<QPushButton>("getImgBtn2");
            QVERIFY(fin->isVisible());
            editor.prompts.pictureAnswer = QStringLiteral("plan7.jpg");
            ClickButton(fin);
            QCOMPARE(editor.prompts.pictureFolder, Q(ImageFolder(file)));
            auto* endImage = editor.Find<QLabel>("Image2");
            QVERIFY(endImage->isVisible());
            QCOMPARE(endImage->size(), editor.Find<QLabel>("Image1")->size());
            QVERIFY(ShowsPictureFittingItsBox(endImage));
            swtest::Screenshot(editor.form.get(), QStringLiteral("pictures-both"));
            QVERIFY(editor.OffersToSave());
            editor.Trigger("mSave");
        }
        PictureNames expected = before;
        expected[static_cast<std::size_t>(row)].second = "plan7.jpg";
        QCOMPARE(ShotPictures(file), expected);

        swtest::Editor editor;
        Open(editor, file);
        editor.ClickTab(2);
        editor.ClickShot(row);
        auto* endImage = editor.Find<QLabel>("Image2");
        QVERIFY(ShowsPictureFittingItsBox(endImage));
        QCOMPARE(endImage->toolTip(), QStringLiteral("plan7.jpg"));
    }

    // ------------------------------------------------------------ the chooser

    void theChooserListsEveryPictureOfTheFolderWithItsSize()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        const QDir img(Q(ImageFolder(file)));
        QVERIFY(Picture(1600, 1200, Qt::darkGreen).save(img.filePath(QStringLiteral("grande.JPG")), "JPEG"));
        QVERIFY(Picture(40, 30, Qt::red).save(img.filePath(QStringLiteral("petite.jpeg")), "JPEG"));
        QVERIFY(Picture(40, 30, Qt::blue).save(img.filePath(QStringLiteral("dessin.PNG")), "PNG"));
        QFile notes(img.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();

        QStringList listed;
        QString size;
        QSize preview;
        QSize box;
        editor.prompts.chooserSteps = [&](sw::TGetFileDlg& chooser) {
            listed = Names(chooser.FileListBox);
            QVERIFY(chooser.noImgBtn->isVisible());
            QVERIFY(chooser.importBtn->isVisible());
            const QListWidgetItem* item = chooser.FileListBox->findItems(QStringLiteral("grande.JPG"), Qt::MatchExactly).value(0);
            QVERIFY(item);
            QTest::mouseClick(chooser.FileListBox->viewport(), Qt::LeftButton, Qt::NoModifier,
                              chooser.FileListBox->visualItemRect(item).center());
            size = chooser.SizeLabel->text();
            preview = chooser.Image1->pixmap().size();
            box = chooser.Image1->contentsRect().size();
            swtest::Screenshot(&chooser, QStringLiteral("pictures-chooser"));
            ClickButton(chooser.OKBtn);
        };
        editor.ClickTab(2);
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QCOMPARE(listed, (QStringList{"dessin.PNG", "grande.JPG", "petite.jpeg"}));
        QCOMPARE(size, QStringLiteral("1600 × 1200"));
        // The picture fills its box one way, in its proportions.
        QVERIFY(preview.width() <= box.width() && preview.height() <= box.height());
        QVERIFY(preview.width() == box.width() || preview.height() == box.height());
        QVERIFY(qAbs(preview.width() * 3 - preview.height() * 4) <= 4);
        QVERIFY(preview.width() >= 320);
        QCOMPARE(editor.Find<QLabel>("Image1")->toolTip(), QStringLiteral("grande.JPG"));
        editor.Trigger("mSave");
        QCOMPARE(CoreLoad(file).EventList.Event(0).cam.startImage, std::string("grande.JPG"));
    }

    void aucuneTakesThePictureAwayAndAnnulerKeepsIt()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        const QDir img(Q(ImageFolder(file)));
        QVERIFY(Picture(40, 30, Qt::red).save(img.filePath(QStringLiteral("rouge.jpg")), "JPEG"));
        editor.ClickTab(2);
        auto* start = editor.Find<QLabel>("Image1");
        editor.prompts.pictureAnswer = QStringLiteral("rouge.jpg");
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QCOMPARE(start->toolTip(), QStringLiteral("rouge.jpg"));

        // Annuler, or Escape, after a click on "aucune": the picture stays.
        for (const bool escape : {false, true}) {
            editor.prompts.chooserSteps = [escape](sw::TGetFileDlg& chooser) {
                ClickButton(chooser.noImgBtn);
                if (escape)
                    QTest::keyClick(&chooser, Qt::Key_Escape);
                else
                    ClickButton(chooser.CancelBtn);
            };
            ClickButton(editor.Find<QPushButton>("getImgBtn1"));
            QCOMPARE(start->toolTip(), QStringLiteral("rouge.jpg"));
        }
        // "aucune" then OK: the shot has no start picture, as one step.
        editor.prompts.chooserSteps = [](sw::TGetFileDlg& chooser) {
            ClickButton(chooser.noImgBtn);
            ClickButton(chooser.OKBtn);
        };
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QVERIFY(start->toolTip().isEmpty());
        QVERIFY(start->pixmap().isNull());
        editor.Trigger("mSave");
        QCOMPARE(CoreLoad(file).EventList.Event(0).cam.startImage, std::string());
        editor.Trigger("mUndo");
        QCOMPARE(start->toolTip(), QStringLiteral("rouge.jpg"));
    }

    void aPictureImportedThroughTheChooserIsCopiedListedAndChosen()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        QTemporaryDir elsewhere;
        const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("Été à la plage.png"));
        QVERIFY(Picture(3200, 1600, Qt::darkYellow).save(source, "PNG"));

        QStringList listed;
        QString size;
        editor.prompts.pictureToImport = source;
        editor.prompts.chooserSteps = [&](sw::TGetFileDlg& chooser) {
            ClickButton(chooser.importBtn);
            listed = Names(chooser.FileListBox);
            size = chooser.SizeLabel->text();
            ClickButton(chooser.OKBtn);
        };
        editor.ClickTab(2);
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QCOMPARE(editor.prompts.importDialogs, 1);
        QVERIFY(editor.prompts.messages.isEmpty());
        // The copy has a plain name, is a JPEG and is no larger than the settings say.
        const QString name = QStringLiteral("Ete_a_la_plage.jpg");
        QCOMPARE(listed, QStringList{name});
        QCOMPARE(size, QStringLiteral("1600 × 800"));
        const fs::path copied = ImageFolder(file) / name.toStdString();
        QVERIFY(fs::is_regular_file(copied));
        QCOMPARE(QImageReader(Q(copied)).size(), QSize(1600, 800));
        QCOMPARE(QImageReader(Q(copied)).format(), QByteArray("jpeg"));
        auto* image = editor.Find<QLabel>("Image1");
        QCOMPARE(image->toolTip(), name);
        QVERIFY(ShowsPictureFittingItsBox(image));
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        QCOMPARE(CoreLoad(file).EventList.Event(0).cam.startImage, name.toStdString());

        // The next import starts where the last one came from.
        editor.prompts.pictureToImport.clear();
        ClickButton(editor.Find<QPushButton>("getImgBtn2"));
        QCOMPARE(editor.prompts.importDialogs, 2);
        QCOMPARE(editor.prompts.importFolder, elsewhere.path());
    }

    void aFileThatIsNoPictureIsNotImported()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        QTemporaryDir elsewhere;
        const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("faux.png"));
        QFile fake(source);
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("pas une image");
        fake.close();

        editor.prompts.pictureToImport = source;
        editor.prompts.chooserSteps = [&](sw::TGetFileDlg& chooser) {
            ClickButton(chooser.importBtn);
            QVERIFY(chooser.FileListBox->count() == 0);
            ClickButton(chooser.OKBtn);
        };
        editor.ClickTab(2);
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QCOMPARE(editor.prompts.messages,
                 QStringList{QStringLiteral("Le fichier « faux.png » n'est pas une image lisible.")});
        QVERIFY(QDir(Q(ImageFolder(file))).isEmpty());
        QVERIFY(editor.Find<QLabel>("Image1")->toolTip().isEmpty());
        QVERIFY(!editor.OffersToSave());
    }

    // ------------------------------------------------------------ a project without a file

    void aPictureButtonOffersToSaveANewProjectFirst()
    {
        swtest::Editor editor;
        editor.ClickTab(2);
        // Non: nothing is saved and no chooser opens.
        editor.prompts.pictureAnswer = QStringLiteral("x.jpg");
        ClickButton(editor.Find<QPushButton>("getImgBtn2"));
        QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("Enregistrez d'abord votre projet : ses images se rangent dans un dossier à côté de lui.")});
        QCOMPARE(editor.prompts.questions, QStringList{QStringLiteral("Voulez-vous l'enregistrer maintenant ?")});
        QCOMPARE(editor.prompts.saveDialogs, 0);
        QVERIFY(editor.prompts.pictureFolder.isEmpty());

        // Oui, then the save dialog cancelled: no chooser either.
        editor.prompts.messages.clear();
        editor.prompts.yesNoAnswers = {true};
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QCOMPARE(editor.prompts.saveDialogs, 1);
        QVERIFY(editor.prompts.pictureFolder.isEmpty());

        // Oui with a name: saved, and the chooser opens on the new image folder.
        const fs::path file = PathOf(editor.folder) / "neuf.vid";
        editor.prompts.messages.clear();
        editor.prompts.yesNoAnswers = {true};
        editor.prompts.fileToSave = Q(file);
        editor.prompts.pictureAnswer.reset();
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        QCOMPARE(editor.prompts.messages, (QStringList{QStringLiteral("Enregistrez d'abord votre projet : ses images se rangent dans un dossier à côté de lui.")}));
        QCOMPARE(editor.Note(), CreatedFolderMessage(PathOf(editor.folder) / "neuf"));
        QVERIFY(fs::is_regular_file(file));
        QCOMPARE(editor.prompts.pictureFolder, Q(ImageFolder(file)));
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(file)));
    }

    // ------------------------------------------------------------ drops

    void aPictureDroppedOnTheEndPictureIsImportedAndSaved()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        QTemporaryDir elsewhere;
        const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("fin.png"));
        QVERIFY(Picture(300, 200, Qt::magenta).save(source, "PNG"));

        editor.ClickTab(2);
        auto* endImage = editor.Find<QLabel>("Image2");
        editor.DropFilesOn(endImage, {QUrl::fromLocalFile(source)});
        QVERIFY(editor.prompts.messages.isEmpty());
        QVERIFY(fs::is_regular_file(ImageFolder(file) / "fin.jpg"));
        QCOMPARE(QImageReader(Q(ImageFolder(file) / "fin.jpg")).format(), QByteArray("jpeg"));
        QCOMPARE(endImage->toolTip(), QStringLiteral("fin.jpg"));
        QVERIFY(ShowsPictureFittingItsBox(endImage));
        QVERIFY(editor.Find<QLabel>("Image1")->toolTip().isEmpty());
        QVERIFY(editor.OffersToSave());
        editor.Trigger("mSave");
        const sw::ProjectDocument saved = CoreLoad(file);
        QCOMPARE(saved.EventList.Event(0).cam.endImage, std::string("fin.jpg"));
        QVERIFY(saved.EventList.Event(0).cam.startImage.empty());
    }

    void aProjectDroppedOnAPictureStillOpens()
    {
        QTemporaryDir dir;
        const fs::path file = CopyExample(PathOf(dir));
        swtest::Editor editor;
        editor.ClickTab(2);
        editor.DropFilesOn(editor.Find<QLabel>("Image1"), {QUrl::fromLocalFile(Q(file))});
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(file)));
        QCOMPARE(editor.ShotNames().size(), static_cast<int>(ShotPictures(file).size()));
    }

    // ------------------------------------------------------------ large pictures

    void aLargePhotoIsShownAtTheSizeOfItsBox()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        QVERIFY(Picture(4000, 3000, Qt::darkCyan).save(Q(ImageFolder(file) / "photo.jpg"), "JPEG"));
        editor.prompts.pictureAnswer = QStringLiteral("photo.jpg");
        editor.ClickTab(2);
        ClickButton(editor.Find<QPushButton>("getImgBtn1"));
        auto* image = editor.Find<QLabel>("Image1");
        QVERIFY(ShowsPictureFittingItsBox(image));
        QVERIFY(image->pixmap().width() <= 152);
    }

    // A picture whose header claims 30,000 x 30,000 pixels, named by six
    // shots, is never decoded: each shot says so and the window goes on.
    // A large picture is decoded on a worker thread: the shot is shown at
    // once and its picture comes after; a picture that arrives for a shot
    // the user has left is not shown.
    void picturesAreDecodedWithoutHoldingTheWindow()
    {
        swtest::Editor editor;
        const fs::path file = SaveNewProject(editor, PathOf(editor.folder), "film.vid");
        const fs::path img = ImageFolder(file);
        {
            std::ofstream bomb(img / "bombe.png", std::ios::binary);
            bomb << sw::test::PngHeaderClaiming(30000, 30000);
        }
        // 36 megapixels: allowed, and long enough to decode to be seen.
        QVERIFY(Picture(6000, 6000, Qt::darkGreen).save(Q(img / "grande.png"), "PNG"));
        QVERIFY(Picture(400, 300, Qt::red).save(Q(img / "petite.png"), "PNG"));
        {
            sw::ProjectDocument document = CoreLoad(file);
            document.EventList.Clear();
            for (int i = 0; i < 8; ++i) {
                sw::TEvent& shot = document.EventList.AddEvent();
                shot.name = "plan " + std::to_string(i + 1);
                shot.cam.startImage = i < 6 ? "bombe.png" : i == 6 ? "grande.png" : "petite.png";
            }
            sw::SaveProject(document, file);
        }
        Open(editor, file);
        editor.ClickTab(2);
        auto* image = editor.Find<QLabel>("Image1");
        for (int row = 0; row < 6; ++row) {
            editor.ClickShot(row);
            QVERIFY(editor.PicturesShown());
            QCOMPARE(image->text(), QStringLiteral("image trop grande : bombe.png"));
            QVERIFY(image->pixmap().isNull());
        }

        auto* pictures = editor.form->findChild<sw::TShotPictures*>();
        editor.ClickShot(6);
        // Back from the click, the window has not decoded the picture yet.
        QVERIFY(pictures->IsDecoding());
        QVERIFY(image->pixmap().isNull());
        QCOMPARE(image->toolTip(), QStringLiteral("grande.png"));
        // The user goes on to the next shot before it is done: the large
        // picture, decoded after the small one, never takes its place.
        editor.ClickShot(7);
        QVERIFY(ShowsPictureFittingItsBox(image));
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(image->toolTip(), QStringLiteral("petite.png"));
        QCOMPARE(image->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));

        editor.ClickShot(6);
        QVERIFY(ShowsPictureFittingItsBox(image));
        QCOMPARE(image->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkGreen));
        // Both pictures, decoded lately, come back at once.
        editor.ClickShot(7);
        QVERIFY(!pictures->IsDecoding());
        QCOMPARE(image->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        editor.ClickShot(6);
        QVERIFY(!pictures->IsDecoding());
        QCOMPARE(image->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkGreen));
    }

    // ------------------------------------------------------------ for the browser tests

    // The example film saved under another name, with the first shot's
    // picture brought in by a drop and the last shot's end picture through
    // the chooser's import; saved where SHOTWEAVE_IMPORTED_PROJECT says, when
    // it is set, for the browser tests to publish.
    void aProjectWithImportedPicturesIsSavedWithThem()
    {
        QTemporaryDir dir;
        const fs::path example = CopyExample(PathOf(dir) / "exemple");
        const QString wanted = qEnvironmentVariable("SHOTWEAVE_IMPORTED_PROJECT");
        const fs::path file = wanted.isEmpty() ? PathOf(dir) / "importe.vid" : fs::path(wanted.toStdString());
        fs::remove(file);
        fs::remove_all(sw::SiteFolderOf(file));
        fs::create_directories(file.parent_path());
        QTemporaryDir elsewhere;
        const QString dropped = QDir(elsewhere.path()).filePath(QStringLiteral("Été à la plage.png"));
        QVERIFY(Picture(800, 600, Qt::darkYellow).save(dropped, "PNG"));
        const QString chosen = QDir(elsewhere.path()).filePath(QStringLiteral("Fin de journée.PNG"));
        QVERIFY(Picture(2400, 1800, Qt::darkMagenta).save(chosen, "PNG"));

        swtest::Editor editor;
        Open(editor, example);
        SaveAs(editor, file);
        editor.ClickTab(2);
        editor.ClickShot(0);
        editor.DropFilesOn(editor.Find<QLabel>("Image1"), {QUrl::fromLocalFile(dropped)});
        const int last = editor.ShotList()->count() - 1;
        editor.ClickShot(last);
        editor.prompts.pictureToImport = chosen;
        editor.prompts.chooserSteps = [](sw::TGetFileDlg& chooser) {
            ClickButton(chooser.importBtn);
            ClickButton(chooser.OKBtn);
        };
        ClickButton(editor.Find<QPushButton>("getImgBtn2"));
        editor.Trigger("mSave");
        QVERIFY(editor.prompts.messages.isEmpty());
        QCOMPARE(editor.Note(), CreatedFolderMessage(sw::SiteFolderOf(file)));

        PictureNames expected = ShotPictures(example);
        expected.front().first = "Ete_a_la_plage.jpg";
        expected.back().second = "Fin_de_journee.jpg";
        QCOMPARE(ShotPictures(file), expected);
        for (const auto& [startImage, endImage] : expected)
            for (const std::string& name : {startImage, endImage})
                QVERIFY2(name.empty() || fs::is_regular_file(ImageFolder(file) / name), name.c_str());
        QCOMPARE(QImageReader(Q(ImageFolder(file) / "Fin_de_journee.jpg")).size(), QSize(1600, 1200));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
