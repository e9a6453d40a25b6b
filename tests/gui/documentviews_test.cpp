// The editor as views of the project document: typing is one step whatever
// an autosave does meanwhile, reading the project (publishing, exporting)
// makes no step, the steps the widgets used to drive (a picture, a list
// choice, a move, an edit under the filter) undo on the project, and two
// views of one document show the same shots.

#include <filesystem>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/autosaver.h"
#include "app/editorapp.h"
#include "app/shoteditor.h"
#include "editing/document.h"
#include "editortestkit.h"

namespace {

namespace fs = std::filesystem;

QString UndoCaption(const swtest::Editor& editor)
{
    return swtest::ShownCaption(editor.Find<QAction>("mUndo"));
}

QString Action(const swtest::Editor& editor)
{
    return editor.Find<QPlainTextEdit>("actionMemo")->toPlainText();
}

// The project saved as film.vid, with its image folder.
fs::path SaveAsFilm(swtest::Editor& editor)
{
    editor.prompts.fileToSave = editor.Path(QStringLiteral("film.vid"));
    editor.Trigger("mSave");
    editor.prompts.fileToSave.clear();
    return editor.Path(QStringLiteral("film.vid")).toStdString();
}

} // namespace

class DocumentViewsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void typingInterruptedByAnAutosaveIsOneStep()
    {
        swtest::Editor editor;
        QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
        auto* action = editor.Find<QPlainTextEdit>("actionMemo");
        action->setFocus();
        QTest::keyClicks(action, QStringLiteral(" AB"));
        sw::TAutoSaver& autoSaver = editor.form->Document().AutoSaver();
        autoSaver.SaveNow();
        autoSaver.WaitForWrite();
        QTest::keyClicks(action, QStringLiteral("CD"));
        QCOMPARE(editor.Project().EventList.Event(0).action, std::string(" ABCD"));
        QCOMPARE(editor.app->Document().StepCount(), 1);
        QTest::keyClick(action, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Action(editor), QString());
        QCOMPARE(editor.Project().EventList.Event(0).action, std::string());
        // Leaving the field ends the step: typing again is another one.
        editor.Trigger("mRedo");
        editor.ShotList()->setFocus();
        action->setFocus();
        QTest::keyClicks(action, QStringLiteral("E"));
        QCOMPARE(editor.app->Document().StepCount(), 2);
    }

    void publishingAndExportingLeaveTheProjectAndItsHistoryAsTheyWere()
    {
        swtest::Editor editor;
        SaveAsFilm(editor);
        QTest::keyClicks(editor.Find<QLineEdit>("titleEd"), QStringLiteral("Court"));
        editor.Trigger("mSave");
        QVERIFY(!editor.form->isWindowModified());
        const QString caption = UndoCaption(editor);
        const int steps = editor.app->Document().StepCount();

        editor.Trigger("publier1");
        editor.prompts.exportFile = editor.Path(QStringLiteral("plans.csv"));
        editor.Trigger("mExportCsv");
        QVERIFY(fs::exists(editor.Path(QStringLiteral("plans.csv")).toStdString()));

        QVERIFY(!editor.form->isWindowModified());
        QVERIFY(!editor.OffersToSave());
        QCOMPARE(UndoCaption(editor), caption);
        QCOMPARE(editor.app->Document().StepCount(), steps);
        QCOMPARE(editor.Project().Report.fileName, std::string("rapport.htm"));
    }

    void aPictureAListChoiceAMoveAndAFilteredEditUndoOnTheProject()
    {
        swtest::Editor editor;
        const fs::path file = SaveAsFilm(editor);
        const fs::path img = editor.app->Paths().ImgDir;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        QVERIFY(picture.save(QString::fromStdString((img / "rue.jpg").string()), "JPEG"));

        // A picture chosen, then undone.
        editor.ClickTab(2);
        editor.prompts.pictureAnswer = QStringLiteral("rue.jpg");
        QTest::mouseClick(editor.Find<QPushButton>("getImgBtn1"), Qt::LeftButton);
        QCOMPARE(editor.Project().EventList.Event(0).cam.startImage, std::string("rue.jpg"));
        editor.Trigger("mUndo");
        QCOMPARE(editor.Project().EventList.Event(0).cam.startImage, std::string());
        QVERIFY(editor.Find<QLabel>("Image1")->toolTip().isEmpty());
        editor.Trigger("mRedo");
        QCOMPARE(editor.Find<QLabel>("Image1")->toolTip(), QStringLiteral("rue.jpg"));

        // A framing chosen in its list, then undone.
        auto* framing = editor.Find<QComboBox>("CBCadre");
        swtest::Editor::ChooseNextEntry(framing);
        QCOMPARE(editor.Project().EventList.Event(0).cam.framing, 1);
        editor.Trigger("mUndo");
        QCOMPARE(editor.Project().EventList.Event(0).cam.framing, 0);
        QCOMPARE(framing->currentIndex(), 0);

        // A move, undone: the moved shot is shown back in its place.
        editor.prompts.nameAnswer = QStringLiteral("Rue");
        QTest::mouseClick(editor.Find<QPushButton>("addEvntBtn"), Qt::LeftButton);
        editor.DragShot(1, 0);
        QCOMPARE(editor.ShotNames(), (QStringList{"Rue", "plan 1"}));
        editor.Trigger("mUndo");
        QCOMPARE(editor.ShotNames(), (QStringList{"plan 1", "Rue"}));
        QCOMPARE(editor.ShotList()->currentRow(), 1);

        // An edit while the filter shows one shot, undone after the filter
        // changed so that the shot is hidden: the filter goes, the shot shows.
        editor.ClickTab(1);
        editor.Find<QLineEdit>("ShotFilter")->setText(QStringLiteral("rue"));
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QTest::keyClicks(editor.Find<QPlainTextEdit>("actionMemo"), QStringLiteral("Nuit"));
        QCOMPARE(editor.Project().EventList.Event(1).action, std::string("Nuit"));
        editor.Find<QLineEdit>("ShotFilter")->setText(QStringLiteral("plan"));
        QCOMPARE(editor.form->Shots().CurIndex(), 0);
        editor.Trigger("mUndo");
        QVERIFY(editor.Find<QLineEdit>("ShotFilter")->text().isEmpty());
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QCOMPARE(Action(editor), QString());
        QCOMPARE(editor.Project().EventList.Event(1).action, std::string());
    }

    void twoViewsOfOneDocumentStayInStep()
    {
        sw::TDocument document;
        sw::ProjectDocument project;
        project.EventList.AddEvent();
        document.Reset(std::move(project));
        sw::TProjectPaths paths;
        sw::TAppSettings settings;
        swtest::FakePrompts prompts;
        QWidget first;
        QWidget second;
        QWidget firstBreakdown;
        QWidget secondBreakdown;
        auto* one = new sw::TShotEditor(document, paths, settings, prompts, &first, &firstBreakdown);
        auto* other = new sw::TShotEditor(document, paths, settings, prompts, &second, &secondBreakdown);
        one->PlaceShotPanel(&first);
        other->PlaceShotPanel(&second);
        const auto memo = [](QWidget& page) { return page.findChild<QPlainTextEdit*>(QStringLiteral("actionMemo")); };
        const auto list = [](QWidget& page) { return page.findChild<QListWidget*>(QStringLiteral("vListBox")); };

        QTest::keyClicks(memo(first), QStringLiteral("Il pleut"));
        QCOMPARE(memo(second)->toPlainText(), QStringLiteral("Il pleut"));

        prompts.nameAnswer = QStringLiteral("Soir");
        QTest::mouseClick(first.findChild<QPushButton*>(QStringLiteral("addEvntBtn")), Qt::LeftButton);
        QCOMPARE(swtest::EntryNames(list(second)), (QStringList{"plan 1", "Soir"}));
        // The other view keeps showing its shot.
        QCOMPARE(other->CurIndex(), 0);
        QCOMPARE(one->CurIndex(), 1);

        QTest::keyClicks(memo(second), QStringLiteral(", fort"));
        document.Undo();
        QCOMPARE(memo(second)->toPlainText(), QStringLiteral("Il pleut"));
        QCOMPARE(document.Shots().Event(0).action, std::string("Il pleut"));
        document.Undo();
        QCOMPARE(swtest::EntryNames(list(first)), QStringList{"plan 1"});
        QCOMPARE(one->CurIndex(), 0);
        QCOMPARE(memo(first)->toPlainText(), QStringLiteral("Il pleut"));
    }
};

QTEST_MAIN(DocumentViewsTest)
#include "documentviews_test.moc"
