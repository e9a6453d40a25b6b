// The document's scene commands: each one a step that keeps every scene's
// shots together, undone and redone on the project, and what the views are
// told; a project without scenes moves its shots as before.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editing/document.h"
#include "model/scene.h"

namespace sw {
namespace {

// Shots named after their scene: "a1" is the first shot of scene a; "-" a
// shot of none.
ProjectDocument Film(std::initializer_list<const char*> shots, std::initializer_list<const char*> scenes)
{
    ProjectDocument project;
    for (const char* scene : scenes)
        project.Scenes.push_back({scene, std::string(1, static_cast<char>(scene[0] - 'a' + '1')),
                                  std::string("INT. ") + scene, "", false});
    for (const char* name : shots) {
        TEvent& shot = project.EventList.AddEvent();
        shot.name = name;
        shot.scene = name[0] == '-' ? std::string() : std::string(1, name[0]);
    }
    return project;
}

// Each shot as "name:scene", then the scenes' ids in order.
std::string Plan(const TDocument& document)
{
    std::string plan;
    for (std::size_t i = 0; i < document.Shots().Count(); ++i)
        plan += document.Shots().EventName(i) + ":" + document.Shots().Event(i).scene + " ";
    plan += "|";
    for (const TScene& scene : document.Project().Scenes)
        plan += " " + scene.id;
    return plan;
}

// Each step done, undone to where it began and redone to where it ended.
void ExpectUndoRedo(TDocument& document, const std::string& before, const std::string& after)
{
    EXPECT_EQ(Plan(document), after);
    document.Undo();
    EXPECT_EQ(Plan(document), before);
    document.Redo();
    EXPECT_EQ(Plan(document), after);
}

TEST(DocumentScenes, ANewSceneTakesTheRestOfItsRunAndDeletingOneKeepsItsShots)
{
    TDocument document;
    document.Reset(Film({"a1", "a2", "a3", "-4"}, {"a"}));
    const std::string start = Plan(document);
    int told = 0;
    QObject::connect(&document, &TDocument::scenesChanged, [&told] { ++told; });
    document.AddScene({"ignored", "1B", "EXT. COUR - JOUR", "", false}, 1);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Ajouter la scène « 1B. EXT. COUR - JOUR »"));
    ExpectUndoRedo(document, start, "a1:a a2:scene-2 a3:scene-2 -4: | a scene-2");
    EXPECT_EQ(told, 3);

    const std::string split = Plan(document);
    document.DeleteScene(0);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Supprimer la scène « 1. INT. a »"));
    ExpectUndoRedo(document, split, "a1: a2:scene-2 a3:scene-2 -4: | scene-2");

    // A scene without shots goes after the others.
    const std::string deleted = Plan(document);
    document.AddScene({"", "9", "EXT. FIN", "", false}, std::nullopt);
    ExpectUndoRedo(document, deleted, "a1: a2:scene-2 a3:scene-2 -4: | scene-2 scene-3");
}

TEST(DocumentScenes, EditingKeepsTheIdAndAnEditThatChangesNothingIsNoStep)
{
    TDocument document;
    document.Reset(Film({"a1"}, {"a"}));
    document.EditScene(0, {"other", "1", "INT. a", "", false});
    EXPECT_EQ(document.StepCount(), 0);
    document.EditScene(0, {"other", "12A", "INT. CUISINE - NUIT", "Léa attend.", true});
    EXPECT_EQ(document.UndoText(), QStringLiteral("Modifier la scène « 1. INT. a »"));
    EXPECT_EQ(document.Project().Scenes[0], (TScene{"a", "12A", "INT. CUISINE - NUIT", "Léa attend.", true}));
    document.Undo();
    EXPECT_EQ(document.Project().Scenes[0].heading, "INT. a");
}

TEST(DocumentScenes, AMovedSceneTakesItsShotsAlong)
{
    TDocument document;
    document.Reset(Film({"a1", "a2", "-3", "b1", "c1", "c2"}, {"a", "b", "c"}));
    const std::string start = Plan(document);
    std::vector<std::size_t> shown;
    QObject::connect(&document, &TDocument::shotStepShown, [&shown](std::size_t i) { shown.push_back(i); });
    document.MoveScene(2, -1);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Déplacer la scène « 3. INT. c »"));
    ExpectUndoRedo(document, start, "a1:a a2:a -3: c1:c c2:c b1:b | a c b");
    EXPECT_EQ(shown, (std::vector<std::size_t>{4, 3})) << "the moved scene's first shot, where it stands";
    document.Undo();
    document.MoveScene(0, 1);
    ExpectUndoRedo(document, start, "b1:b a1:a a2:a -3: c1:c c2:c | b a c");
    const int steps = document.StepCount();
    document.MoveScene(2, 1);
    document.MoveScene(0, -1);
    EXPECT_EQ(document.StepCount(), steps) << "no scene beyond either end";
}

TEST(DocumentScenes, AShotJoinsOrLeavesASceneWithoutSplittingOne)
{
    TDocument document;
    document.Reset(Film({"a1", "a2", "a3", "b1", "b2"}, {"a", "b", "e"}));
    const std::string start = Plan(document);
    document.PutShotInScene(0, 1);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Déplacer le plan « a1 »"));
    ExpectUndoRedo(document, start, "a2:a a3:a b1:b b2:b a1:b | a b e");
    document.Undo();
    // Out of its scene: just after the scene's other shots.
    document.PutShotInScene(1, 3);
    ExpectUndoRedo(document, start, "a1:a a3:a a2: b1:b b2:b | a b e");
    document.Undo();
    // Into a scene without shots: where its header stands, after b.
    document.PutShotInScene(0, 2);
    ExpectUndoRedo(document, start, "a2:a a3:a b1:b b2:b a1:e | a b e");
    document.Undo();
    const int steps = document.StepCount();
    document.PutShotInScene(3, 1);
    EXPECT_EQ(document.StepCount(), steps);

    // Dragged between two shots of b, a1 is of b; dragged past the end of
    // a's shots it stays of a; a lone scene's shot takes its scene along.
    document.MoveShot(0, 3);
    ExpectUndoRedo(document, start, "a2:a a3:a b1:b a1:b b2:b | a b e");
    document.Undo();
    document.MoveShotToScene(0, 1, "a");
    ExpectUndoRedo(document, start, "a2:a a1:a a3:a b1:b b2:b | a b e");
    document.Undo();
    document.MoveShotToScene(4, 0, "b");
    ExpectUndoRedo(document, start, "b2: a1:a a2:a a3:a b1:b | a b e");
}

TEST(DocumentScenes, ANewShotJoinsTheSceneItStandsIn)
{
    TDocument document;
    document.Reset(Film({"a1", "a2", "b1"}, {"a", "b"}));
    TEvent shot;
    shot.name = "n";
    shot.scene = "b";
    document.PutShot(1, shot, "Insérer");
    EXPECT_EQ(Plan(document), "a1:a n:a a2:a b1:b | a b");
    shot.scene = "a";
    document.PutShot(4, shot, "Ajouter");
    EXPECT_EQ(Plan(document), "a1:a n:a a2:a b1:b n: | a b") << "after b's shots, away from a's";
    document.DuplicateShot(3);
    EXPECT_EQ(Plan(document), "a1:a n:a a2:a b1:b b1 (copie):b n: | a b");
}

TEST(DocumentScenes, WithoutScenesAShotMovesAsBefore)
{
    TDocument document;
    ProjectDocument project;
    for (const char* name : {"a", "b", "c"})
        project.EventList.AddEvent().name = name;
    document.Reset(project);
    int told = 0;
    QObject::connect(&document, &TDocument::scenesChanged, [&told] { ++told; });
    document.MoveShot(0, 2);
    EXPECT_EQ(Plan(document), "b: c: a: |");
    EXPECT_EQ(told, 0);
}

} // namespace
} // namespace sw
