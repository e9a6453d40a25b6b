#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/shotlistbox.h"
#include "qtshared/uitext.h"
#include "editortestkit.h"

namespace {

QStringList Names(const QListWidget* list)
{
    return swtest::EntryNames(list);
}

QStringList ModelNames(const sw::ProjectDocument& project)
{
    QStringList names;
    for (std::size_t i = 0; i < project.EventList.Count(); ++i)
        names << sw::uitext::ToQString(project.EventList.EventName(i));
    return names;
}

void ClickRow(QListWidget* list, int row)
{
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

// Drops the shot of row from onto the point at of the list's viewport, as the
// end of a drag inside the list.
void DropShot(sw::TShotListBox* list, int from, const QPoint& at)
{
    std::unique_ptr<QMimeData> mime(list->ShotMimeData(from));
    QDragEnterEvent enter(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
}

QPoint RowCentre(QListWidget* list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

void AddShot(swtest::Editor& editor, const QString& name)
{
    editor.prompts.nameAnswer = name;
    QTest::mouseClick(editor.Find<QPushButton>("addEvntBtn"), Qt::LeftButton);
    editor.prompts.nameAnswer.reset();
}

// Clicks the box itself: a short caption leaves the middle of the control empty.
void ClickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

void TypeInto(QPlainTextEdit* memo, const QString& text)
{
    memo->selectAll();
    QTest::keyClicks(memo, text);
}

} // namespace

class ShotListTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
    }

    // The entry at index of combo, chosen with the arrow keys as a user does.
    static void ChooseEntry(QComboBox* combo, int index)
    {
        while (combo->currentIndex() < index)
            swtest::Editor::ChooseNextEntry(combo);
    }

    void theShotControlsReachTheShotAsTheyAreEditedAndAreShownAgain()
    {
        swtest::Editor editor;
        editor.form->show();
        TypeInto(editor.Find<QPlainTextEdit>("actionMemo"), QStringLiteral("Il entre"));
        TypeInto(editor.Find<QPlainTextEdit>("sonMemo"), QStringLiteral("pluie"));
        TypeInto(editor.Find<QPlainTextEdit>("dlgMemo"), QStringLiteral("Bonjour"));
        auto* duration = editor.Find<QLineEdit>("DEdit");
        duration->selectAll();
        QTest::keyClicks(duration, QStringLiteral("45"));
        ChooseEntry(editor.Find<QComboBox>("CBCadre"), 6);
        ChooseEntry(editor.Find<QComboBox>("CBAngles"), 3);
        ClickBox(editor.Find<QCheckBox>("camCheckB1"));
        ChooseEntry(editor.Find<QComboBox>("camComb1"), 4);
        TypeInto(editor.Find<QPlainTextEdit>("effetMemo"), QStringLiteral("lent"));
        // In the shot as soon as typed or chosen.
        QCOMPARE(editor.Project().EventList.Event(0).action, std::string("Il entre"));
        QCOMPARE(editor.Project().EventList.Event(0).ToText(),
                 std::string("plan 1||||Il entre||||pluie||||Bonjour||||45||||63050||||lent||||||||||||"));

        AddShot(editor, QStringLiteral("second"));
        QCOMPARE(editor.Project().EventList.Event(0).ToText(),
                 std::string("plan 1||||Il entre||||pluie||||Bonjour||||45||||63050||||lent||||||||||||"));
        // The new shot shows its defaults.
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QVERIFY(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText().isEmpty());
        QCOMPARE(duration->text(), QStringLiteral("00"));
        QVERIFY(!editor.Find<QCheckBox>("camCheckB1")->isChecked());
        QVERIFY(editor.Find<QComboBox>("camComb1")->isHidden());
        QCOMPARE(editor.Find<QLabel>("cumLab")->text(), QStringLiteral("45s."));

        auto* list = editor.Find<QListWidget>("vListBox");
        duration->selectAll();
        QTest::keyClicks(duration, QStringLiteral("30"));
        ClickRow(list, 0);
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("1"));
        QCOMPARE(editor.Project().EventList.Event(1).cam.duration, std::string("30"));
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("Il entre"));
        QCOMPARE(editor.Find<QPlainTextEdit>("sonMemo")->toPlainText(), QStringLiteral("pluie"));
        QCOMPARE(editor.Find<QPlainTextEdit>("dlgMemo")->toPlainText(), QStringLiteral("Bonjour"));
        QCOMPARE(duration->text(), QStringLiteral("45"));
        QCOMPARE(editor.Find<QComboBox>("CBCadre")->currentText(), QStringLiteral("gros-plan"));
        QCOMPARE(editor.Find<QComboBox>("CBAngles")->currentText(), QStringLiteral("plongée"));
        QVERIFY(editor.Find<QCheckBox>("camCheckB1")->isChecked());
        QCOMPARE(editor.Find<QComboBox>("camComb1")->currentText(), QStringLiteral("circulaire"));
        QVERIFY(!editor.Find<QComboBox>("camComb1")->isHidden());
        QCOMPARE(editor.Find<QPlainTextEdit>("effetMemo")->toPlainText(), QStringLiteral("lent"));
        ClickRow(list, 1);
        QCOMPARE(editor.Find<QLabel>("cumLab")->text(), QStringLiteral("1m. 15s."));
        // Clicking the current shot again stores it and refreshes its cumulated time.
        duration->selectAll();
        QTest::keyClicks(duration, QStringLiteral("40"));
        ClickRow(list, 1);
        QCOMPARE(editor.Project().EventList.Event(1).cam.duration, std::string("40"));
        QCOMPARE(editor.Find<QLabel>("cumLab")->text(), QStringLiteral("1m. 25s."));
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("2"));
        // On the breakdown tab a click in the list shows the shot's action.
        editor.Find<QTabWidget>("PageControl")->setCurrentIndex(2);
        ClickRow(list, 0);
        QCOMPARE(editor.form->InfoText(), QStringLiteral("Il entre"));
    }

    void changingTabStoresTheShotAndMultiLineTextsKeepCrLf()
    {
        swtest::Editor editor;
        auto* memo = editor.Find<QPlainTextEdit>("actionMemo");
        QTest::keyClicks(memo, QStringLiteral("un"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("deux"));
        auto* tabs = editor.Find<QTabWidget>("PageControl");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(2).center());
        QCOMPARE(editor.Project().EventList.Event(0).action, std::string("un\r\ndeux"));
    }

    void cameraCheckBoxesShowTheirCombosAndUncheckingClearsTheMovementAtOnce()
    {
        swtest::Editor editor;
        auto* zoom = editor.Find<QCheckBox>("CamCheckB2");
        auto* zoomCombo = editor.Find<QComboBox>("camComb2");
        QVERIFY(zoomCombo->isHidden());
        ClickBox(zoom);
        QVERIFY(!zoomCombo->isHidden());
        QCOMPARE(zoomCombo->currentText(), QStringLiteral("avant"));
        QCOMPARE(editor.Project().EventList.Event(0).cam.zoom, 1);

        ClickBox(zoom);
        QVERIFY(zoomCombo->isHidden());
        QCOMPARE(editor.Project().EventList.Event(0).cam.zoom, 0);

        // A movement chosen in its list reaches the shot at once.
        ClickBox(editor.Find<QCheckBox>("camCheckB0"));
        swtest::Editor::ChooseNextEntry(editor.Find<QComboBox>("camComb0"));
        QVERIFY(editor.Find<QCheckBox>("camCheckB0")->isChecked());
        QCOMPARE(editor.Find<QComboBox>("camComb0")->currentText(), QStringLiteral("vertical"));
        QCOMPARE(editor.Project().EventList.Event(0).cam.pan, 2);
        QVERIFY(editor.form->Document().IsModified());
    }

    void addingAndRenamingShots()
    {
        swtest::Editor editor;
        auto* list = editor.Find<QListWidget>("vListBox");
        AddShot(editor, QStringLiteral("Entrée"));
        QCOMPARE(editor.prompts.namePrompts, QStringList{QStringLiteral("nom du plan")});
        QCOMPARE(Names(list), (QStringList{"plan 1", "Entrée"}));
        QCOMPARE(editor.Project().EventList.EventName(1), std::string("Entrée"));
        QVERIFY(editor.Find<QPushButton>("DelEvntBtn")->isEnabled());

        // Closing the name dialog without "Accepter" adds nothing; the
        // dialog offers the default name.
        QTest::mouseClick(editor.Find<QPushButton>("addEvntBtn"), Qt::LeftButton);
        QCOMPARE(Names(list), (QStringList{"plan 1", "Entrée"}));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(editor.prompts.nameTexts.last(), QStringLiteral("plan 3"));
        AddShot(editor, QStringLiteral("plan 3"));
        QCOMPARE(list->currentRow(), 2);

        editor.prompts.nameAnswer = QStringLiteral("Sortie");
        QTest::mouseClick(editor.Find<QPushButton>("renamEvntBtn"), Qt::LeftButton);
        QCOMPARE(editor.prompts.namePrompts.last(), QStringLiteral("Renommer le plan..."));
        QCOMPARE(Names(list), (QStringList{"plan 1", "Entrée", "Sortie"}));
        QCOMPARE(ModelNames(editor.Project()), Names(list));

        editor.prompts.nameAnswer.reset();
        QTest::mouseClick(editor.Find<QPushButton>("renamEvntBtn"), Qt::LeftButton);
        QCOMPARE(Names(list), (QStringList{"plan 1", "Entrée", "Sortie"}));
    }

    void deletingDownToNoShotAndAddingAgain()
    {
        swtest::Editor editor;
        auto* list = editor.Find<QListWidget>("vListBox");
        auto* del = editor.Find<QPushButton>("DelEvntBtn");
        AddShot(editor, QStringLiteral("b"));
        AddShot(editor, QStringLiteral("c"));
        ClickRow(list, 1);
        QTest::mouseClick(del, Qt::LeftButton);
        QCOMPARE(Names(list), (QStringList{"plan 1", "c"}));
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QCOMPARE(list->currentRow(), 0);
        QTest::mouseClick(del, Qt::LeftButton);
        QCOMPARE(Names(list), QStringList{"c"});
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QTest::mouseClick(del, Qt::LeftButton);
        QCOMPARE(list->count(), 0);
        QCOMPARE(editor.Project().EventList.Count(), 0u);
        QCOMPARE(editor.form->Shots().CurIndex(), -1);
        QVERIFY(!del->isEnabled());
        // Without a shot there is nothing to rename.
        QVERIFY(!editor.Find<QPushButton>("renamEvntBtn")->isEnabled());
        QTest::mouseClick(editor.Find<QPushButton>("renamEvntBtn"), Qt::LeftButton);
        QCOMPARE(editor.prompts.namePrompts.size(), 2);

        AddShot(editor, QStringLiteral("neuf"));
        QCOMPARE(Names(list), QStringList{"neuf"});
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        QVERIFY(del->isEnabled());
    }

    void draggingAShotOntoAnotherMovesIt()
    {
        swtest::Editor editor;
        editor.form->show();
        auto* list = editor.Find<sw::TShotListBox>("vListBox");
        editor.prompts.nameAnswer = QStringLiteral("first");
        QTest::mouseClick(editor.Find<QPushButton>("renamEvntBtn"), Qt::LeftButton);
        AddShot(editor, QStringLiteral("second"));
        AddShot(editor, QStringLiteral("third"));
        ClickRow(list, 0);
        TypeInto(editor.Find<QPlainTextEdit>("actionMemo"), QStringLiteral("typed"));

        DropShot(list, 0, RowCentre(list, 1));
        QCOMPARE(Names(list), (QStringList{"second", "first", "third"}));
        QCOMPARE(ModelNames(editor.Project()), Names(list));
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QCOMPARE(list->currentRow(), 1);
        // The moved shot keeps what was typed in it.
        QCOMPARE(editor.Find<QPlainTextEdit>("actionMemo")->toPlainText(), QStringLiteral("typed"));
        QCOMPARE(editor.Project().EventList.EventAction(1), std::string("typed"));

        // Onto the last item: the shot goes to the end.
        DropShot(list, 1, RowCentre(list, 2));
        QCOMPARE(Names(list), (QStringList{"second", "third", "first"}));
        QCOMPARE(ModelNames(editor.Project()), Names(list));
        QCOMPARE(editor.form->Shots().CurIndex(), 2);

        // Below the last item too.
        ClickRow(list, 0);
        const QRect last = list->visualItemRect(list->item(2));
        DropShot(list, 0, QPoint(last.center().x(), last.bottom() + 20));
        QCOMPARE(Names(list), (QStringList{"third", "first", "second"}));
        QCOMPARE(ModelNames(editor.Project()), Names(list));

        // Onto itself: nothing changes.
        DropShot(list, 2, RowCentre(list, 2));
        QCOMPARE(Names(list), (QStringList{"third", "first", "second"}));
    }

    void theListLeavesDropsFromOutsideToTheWindow()
    {
        swtest::Editor editor;
        auto* list = editor.Find<sw::TShotListBox>("vListBox");
        AddShot(editor, QStringLiteral("b"));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(editor.Path(QStringLiteral("x.vid")))});
        QDragEnterEvent enter(RowCentre(list, 0), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &enter);
        QVERIFY(enter.isAccepted()); // by the window, which opens dropped files
        QCOMPARE(Names(list), (QStringList{"plan 1", "b"}));
        // A shot of another list is refused by both.
        sw::TShotListBox other;
        other.addItems({QStringLiteral("a"), QStringLiteral("b")});
        std::unique_ptr<QMimeData> foreign(other.ShotMimeData(1));
        QDragEnterEvent foreignEnter(RowCentre(list, 0), Qt::MoveAction, foreign.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &foreignEnter);
        QVERIFY(!foreignEnter.isAccepted());
    }

    void picturesComeFromTheImageFolderOfASavedProject()
    {
        swtest::Editor editor;
        auto* button = editor.Find<QPushButton>("getImgBtn1");
        auto* image = editor.Find<QLabel>("Image1");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(editor.prompts.messages, QStringList{QStringLiteral("Enregistrez d'abord votre projet : ses images se rangent dans un dossier à côté de lui.")});

        editor.prompts.fileToSave = editor.Path(QStringLiteral("film.vid"));
        editor.Trigger("mSave");
        const QString imgDir = editor.Path(QStringLiteral("film/img"));
        QVERIFY(QDir(imgDir).exists());
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(imgDir + QStringLiteral("/début.jpg"), "JPEG"));
        QFile broken(imgDir + QStringLiteral("/broken.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();

        editor.prompts.pictureAnswer = QStringLiteral("début.jpg");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(editor.prompts.pictureFolder, imgDir);
        QCOMPARE(image->toolTip(), QStringLiteral("début.jpg"));
        QVERIFY(editor.PicturesShown());
        QVERIFY(!image->pixmap().isNull());
        QCOMPARE(image->pixmap().height(), image->contentsRect().height());
        QVERIFY(image->pixmap().width() <= image->contentsRect().width());
        QCOMPARE(image->size(), QSize(152, 113));
        // The shot takes the picture at once.
        QCOMPARE(editor.Project().EventList.Event(0).cam.startImage, std::string("début.jpg"));

        // A chooser closed without a file keeps the picture.
        editor.prompts.pictureAnswer.reset();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(image->toolTip(), QStringLiteral("début.jpg"));

        // A file that is no picture shows its name, which the shot keeps.
        editor.prompts.pictureAnswer = QStringLiteral("broken.jpg");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(editor.PicturesShown());
        QVERIFY(image->pixmap().isNull());
        QCOMPARE(image->text(), QStringLiteral("image illisible : broken.jpg"));
        QCOMPARE(image->toolTip(), QStringLiteral("broken.jpg"));

        // The end picture is scaled to fit its own box, like the start picture.
        auto* endButton = editor.Find<QPushButton>("getImgBtn2");
        const auto choose = [&editor](QPushButton* box, const QString& name) {
            editor.prompts.pictureAnswer = name;
            QTest::mouseClick(box, Qt::LeftButton);
        };
        choose(button, QStringLiteral("début.jpg"));
        choose(endButton, QStringLiteral("début.jpg"));
        editor.Find<QTabWidget>("PageControl")->setCurrentIndex(2);
        QVERIFY(editor.PicturesShown());
        swtest::Screenshot(editor.form.get(), QStringLiteral("mainform-pictures"));
        auto* endImage = editor.Find<QLabel>("Image2");
        QCOMPARE(endImage->toolTip(), QStringLiteral("début.jpg"));
        QCOMPARE(endImage->size(), QSize(152, 113));
        QCOMPARE(endImage->pixmap().height(), endImage->contentsRect().height());
        // A name reaching out of the image folder shows no picture.
        QVERIFY(picture.save(editor.Path(QStringLiteral("film/dehors.jpg")), "JPEG"));
        choose(endButton, QStringLiteral("../dehors.jpg"));
        QVERIFY(endImage->pixmap().isNull());
        QCOMPARE(endImage->text(), QStringLiteral("image introuvable : ../dehors.jpg"));
        // A missing file shows its name in place of the picture.
        choose(endButton, QStringLiteral("absent.jpg"));
        QVERIFY(endImage->pixmap().isNull());
        QCOMPARE(endImage->text(), QStringLiteral("image introuvable : absent.jpg"));
        QCOMPARE(endImage->toolTip(), QStringLiteral("absent.jpg"));
        QCOMPARE(editor.prompts.messages, (QStringList{QStringLiteral("Enregistrez d'abord votre projet : ses images se rangent dans un dossier à côté de lui.")}));
        QCOMPARE(editor.Note(),
                 QStringLiteral("Le répertoire ") + editor.Path(QStringLiteral("film")) + QStringLiteral(" vient d'être créé."));
    }
};

QTEST_MAIN(ShotListTest)
#include "shotlist_test.moc"
