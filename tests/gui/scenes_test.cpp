// Scenes in the shot list as a user meets them: the shots under their
// scene's header with its running time, headers that fold, the arrow keys
// passing over them, the filter finding a heading, shots dragged between
// scenes, and the "Scènes" menu's commands, each one undone.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include "app/shotlistbox.h"
#include "editing/document.h"
#include "editortestkit.h"

namespace {

// Scene 1 "INT. CUISINE - JOUR" with "café" (5 s) and "tasse" (7 s), then
// scene 2 "EXT. RUE - NUIT" with "bus".
sw::ProjectDocument TwoScenes()
{
    sw::ProjectDocument project;
    project.Scenes = {{"scene-1", "1", "INT. CUISINE - JOUR", "Léa se réveille.", false},
                      {"scene-2", "2", "EXT. RUE - NUIT", "", false}};
    const char* shots[][3] = {{"café", "5", "scene-1"}, {"tasse", "7", "scene-1"}, {"bus", "3", "scene-2"}};
    for (const auto& [name, duration, scene] : shots) {
        sw::TEvent& shot = project.EventList.AddEvent();
        shot.name = name;
        shot.cam.duration = duration;
        shot.scene = scene;
    }
    return project;
}

QStringList Rows(const QListWidget* list, bool seenOnly = false)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        if (!seenOnly || !list->isRowHidden(row))
            rows << list->item(row)->text();
    return rows;
}

void DropOnto(sw::TShotListBox* list, int from, int onto)
{
    std::unique_ptr<QMimeData> mime(list->ShotMimeData(from));
    const QPoint at = list->visualItemRect(list->item(onto)).center();
    QDragEnterEvent enter(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(QPointF(at), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
}

std::vector<std::string> ScenesOf(const sw::ProjectDocument& project)
{
    std::vector<std::string> scenes;
    for (std::size_t i = 0; i < project.EventList.Count(); ++i)
        scenes.push_back(project.EventList.EventName(i) + ":" + project.EventList.Event(i).scene);
    return scenes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kFirstDraft = "Title: Le Quai\nAuthor: Zoé\n\nINT. CUISINE - JOUR #1#\n\n[[plan: Réveil]]\n"
                               "Léa se lève.\n\n[[plan: Café]]\nElle boit.\n\nEXT. QUAI - NUIT #2#\n\nLe train part.\n";
const QByteArray kRevision = "Title: Le Quai\nAuthor: Zoé\n\nINT. CUISINE - AUBE #1#\n\n[[plan: Réveil]]\n"
                             "Léa se lève tard.\n\n[[plan: Café]]\nElle boit vite.\n\nEXT. GARE - NUIT #3#\n\nAttente.\n";

} // namespace

class ScenesTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase() { swtest::StartEditorSuite(home_); }

    void theShotsStandUnderTheirScenesHeadersWhichFold()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        editor.app->Document().Reset(TwoScenes());
        auto* list = editor.Find<sw::TShotListBox>("vListBox");
        QCOMPARE(Rows(list), (QStringList{"▾ 1. INT. CUISINE - JOUR — 12s.", "1. café — 5 s", "2. tasse — 7 s",
                                          "▾ 2. EXT. RUE - NUIT — 3s.", "3. bus — 3 s"}));
        QCOMPARE(list->item(0)->toolTip(), QStringLiteral("Léa se réveille."));
        swtest::Screenshot(editor.form.get(), QStringLiteral("scenes-list"));

        // The arrow keys pass over a header; a click on one leaves the shown shot.
        editor.ClickShot(2);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(editor.form->Shots().CurIndex(), 2);
        QCOMPARE(editor.Find<QLabel>("ENoLabel")->text(), QStringLiteral("3"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
        QCOMPARE(editor.form->Shots().CurIndex(), 2);
        QCOMPARE(Rows(list, true), (QStringList{"▸ 1. INT. CUISINE - JOUR — 12s.", "▾ 2. EXT. RUE - NUIT — 3s.", "3. bus — 3 s"}));
        // Next and previous shot skip the folded ones.
        editor.Trigger("mShotPrevious");
        QCOMPARE(editor.form->Shots().CurIndex(), 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
        QCOMPARE(Rows(list, true).size(), 5);
        // Left folds the shown shot's scene, Right unfolds it.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Left);
        QCOMPARE(Rows(list, true), (QStringList{"▾ 1. INT. CUISINE - JOUR — 12s.", "1. café — 5 s", "2. tasse — 7 s",
                                                "▸ 2. EXT. RUE - NUIT — 3s."}));
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(Rows(list, true).size(), 5);

        // A duration typed shows in its scene's running time.
        editor.ClickShot(1);
        editor.app->Document().SetShotField(0, sw::ShotField::Duration, std::string("65"));
        QCOMPARE(list->item(0)->text(), QStringLiteral("▾ 1. INT. CUISINE - JOUR — 1m. 12s."));
    }

    void theFilterFindsASceneByItsHeading()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        editor.app->Document().Reset(TwoScenes());
        auto* list = editor.Find<sw::TShotListBox>("vListBox");
        QTest::keyClicks(editor.Find<QLineEdit>("ShotFilter"), QStringLiteral("rue"));
        QCOMPARE(Rows(list, true), (QStringList{"▾ 2. EXT. RUE - NUIT — 3s.", "3. bus — 3 s"}));
        QCOMPARE(editor.form->Shots().CurIndex(), 2);
        editor.Find<QLineEdit>("ShotFilter")->clear();
        QTest::keyClicks(editor.Find<QLineEdit>("ShotFilter"), QStringLiteral("tasse"));
        QCOMPARE(Rows(list, true), (QStringList{"▾ 1. INT. CUISINE - JOUR — 12s.", "2. tasse — 7 s"}));
    }

    void aShotDraggedOntoAHeaderOrAShotJoinsThatScene()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        editor.app->Document().Reset(TwoScenes());
        auto* list = editor.Find<sw::TShotListBox>("vListBox");
        editor.ClickShot(1);
        // Onto scene 2's header: its first shot.
        DropOnto(list, 1, 3);
        QCOMPARE(ScenesOf(editor.Project()), (std::vector<std::string>{"tasse:scene-1", "café:scene-2", "bus:scene-2"}));
        QCOMPARE(Rows(list), (QStringList{"▾ 1. INT. CUISINE - JOUR — 7s.", "1. tasse — 7 s", "▾ 2. EXT. RUE - NUIT — 8s.",
                                          "2. café — 5 s", "3. bus — 3 s"}));
        QCOMPARE(editor.form->Shots().CurIndex(), 1);
        QCOMPARE(list->currentRow(), 3);
        // Onto a shot of scene 1: its place and its scene.
        DropOnto(list, 4, 1);
        QCOMPARE(ScenesOf(editor.Project()), (std::vector<std::string>{"bus:scene-1", "tasse:scene-1", "café:scene-2"}));
        editor.Trigger("mUndo");
        editor.Trigger("mUndo");
        QCOMPARE(ScenesOf(editor.Project()), ScenesOf(TwoScenes()));
        QCOMPARE(Rows(list).size(), 5);
    }

    void theScenesMenuAddsEditsMovesAndDeletesScenes()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        editor.app->Document().Reset(TwoScenes());
        auto* list = editor.Find<sw::TShotListBox>("vListBox");
        editor.ClickShot(2);
        editor.prompts.sceneAnswer = sw::TScene{"", "1A", "INT. SALON - JOUR", "", false};
        editor.Trigger("mSceneNew");
        QCOMPARE(editor.prompts.sceneTitles, QStringList{"Nouvelle scène"});
        QCOMPARE(Rows(list), (QStringList{"▾ 1. INT. CUISINE - JOUR — 5s.", "1. café — 5 s", "▾ 1A. INT. SALON - JOUR — 7s.",
                                          "2. tasse — 7 s", "▾ 2. EXT. RUE - NUIT — 3s.", "3. bus — 3 s"}));
        QCOMPARE(editor.form->Shots().CurIndex(), 1);

        // The shown shot's scene goes down with its shot, past scene 2.
        editor.Trigger("mSceneDown");
        QCOMPARE(ScenesOf(editor.Project()), (std::vector<std::string>{"café:scene-1", "bus:scene-2", "tasse:scene-3"}));
        QCOMPARE(editor.form->Shots().CurIndex(), 2);

        editor.prompts.sceneAnswer = sw::TScene{"", "1A", "INT. SALON - NUIT", "", true};
        editor.Trigger("mSceneEdit");
        QCOMPARE(list->item(4)->text(), QStringLiteral("▾ 1A. INT. SALON - NUIT (omise) — 7s."));

        // The shown shot put in scene 1, chosen among the scenes' titles.
        editor.prompts.sceneChoice = 0;
        editor.Trigger("mShotToScene");
        QCOMPARE(editor.prompts.sceneChoices.last(),
                 (QStringList{"1. INT. CUISINE - JOUR", "2. EXT. RUE - NUIT", "1A. INT. SALON - NUIT (omise)", "Sans scène"}));
        QCOMPARE(ScenesOf(editor.Project()), (std::vector<std::string>{"café:scene-1", "tasse:scene-1", "bus:scene-2"}));

        // Deleting a scene keeps its shots, in no scene.
        editor.ClickShot(1);
        editor.Trigger("mSceneDelete");
        QCOMPARE(ScenesOf(editor.Project()), (std::vector<std::string>{"café:", "tasse:", "bus:scene-2"}));
        QCOMPARE(Rows(list).first(), QStringLiteral("▾ Sans scène — 12s."));
        swtest::Screenshot(editor.form.get(), QStringLiteral("scenes-after-delete"));

        // Each was one step.
        for (int step = 0; step < 5; ++step)
            editor.Trigger("mUndo");
        QCOMPARE(ScenesOf(editor.Project()), ScenesOf(TwoScenes()));
        QCOMPARE(editor.Project().Scenes, TwoScenes().Scenes);
        QVERIFY(!editor.Find<QAction>("mUndo")->isEnabled());
    }

    void aScreenplayImportedIntoANewProjectThenItsRevisionKeepWhatTheUserTyped()
    {
        swtest::Editor editor;
        editor.ClickTab(1);
        const QString draft = editor.Path(QStringLiteral("quai.fountain"));
        WriteFile(draft, kFirstDraft);
        editor.prompts.scriptToImport = draft;
        editor.Trigger("mImportScript");
        QVERIFY(editor.prompts.messages.isEmpty());
        // The new project's blank shot makes way for the screenplay's.
        QCOMPARE(Rows(editor.ShotList()),
                 (QStringList{"▾ 1. INT. CUISINE - JOUR — 0s.", "1. Réveil — 0 s", "2. Café — 0 s",
                              "▾ 2. EXT. QUAI - NUIT — 0s.", "3. EXT. QUAI - NUIT — 0 s"}));
        QCOMPARE(editor.Project().GenInfo.title, std::string("Le Quai"));
        QCOMPARE(swtest::ShownCaption(editor.Find<QAction>("mUndo")), QStringLiteral("Annuler Importer le scénario « quai.fountain »"));

        // What the user types stays through the revision; the rest follows it.
        editor.ClickShot(2);
        editor.app->Document().SetShotField(1, sw::ShotField::Action, std::string("Elle boit, pensive."));
        const QString revision = editor.Path(QStringLiteral("quai-v2.fountain"));
        WriteFile(revision, kRevision);
        editor.prompts.scriptToImport = revision;
        editor.prompts.yesNoAnswers = {true};
        editor.Trigger("mImportScript");
        QCOMPARE(editor.prompts.questions.size(), 1);
        QVERIFY2(editor.prompts.messages.last().contains(QStringLiteral("1 scène omise")), qPrintable(editor.prompts.messages.last()));
        const sw::TEventList& shots = editor.Project().EventList;
        QCOMPARE(shots.Event(0).action, std::string("Léa se lève tard."));
        QCOMPARE(shots.Event(1).action, std::string("Elle boit, pensive."));
        QCOMPARE(editor.Project().Scenes.at(0).heading, std::string("INT. CUISINE - AUBE"));
        const std::vector<sw::TScene>& scenes = editor.Project().Scenes;
        QCOMPARE(scenes.size(), std::size_t{3});
        QCOMPARE(scenes.at(1).heading, std::string("EXT. GARE - NUIT"));
        QVERIFY(scenes.at(2).omitted);
        // The omitted scene keeps its shot.
        QCOMPARE(shots.Count(), std::size_t{4});
        swtest::Screenshot(editor.form.get(), QStringLiteral("scenes-revision"));

        // One step back to the user's text.
        editor.Trigger("mUndo");
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{3});
        QCOMPARE(editor.Project().EventList.Event(0).action, std::string("Léa se lève."));
        QCOMPARE(editor.Project().EventList.Event(1).action, std::string("Elle boit, pensive."));

        // Declined, or a file that is no screenplay: nothing changes, and the file is named.
        editor.prompts.yesNoAnswers = {false};
        editor.Trigger("mImportScript");
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{3});
        const QString binary = editor.Path(QStringLiteral("photo.fountain"));
        WriteFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
        editor.prompts.scriptToImport = binary;
        editor.Trigger("mImportScript");
        QVERIFY2(editor.prompts.messages.last().contains(QStringLiteral("photo.fountain")), qPrintable(editor.prompts.messages.last()));
        QCOMPARE(editor.Project().EventList.Count(), std::size_t{3});
    }
};

QTEST_MAIN(ScenesTest)
#include "scenes_test.moc"
