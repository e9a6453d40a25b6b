// Every command on the document, without widgets: done, undone and redone on
// the project itself, typing merged into one step, edits that change nothing
// pushing nothing, what the views are told, and the modified state through
// saves, undoing to the saved place and redoing past it.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editing/document.h"
#include "model/error.h"

namespace sw {
namespace {

ProjectDocument ProjectWith(std::initializer_list<const char*> names)
{
    ProjectDocument project;
    for (const char* name : names)
        project.EventList.AddEvent().name = name;
    return project;
}

std::vector<std::string> Names(const TDocument& document)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < document.Shots().Count(); ++i)
        names.push_back(document.Shots().EventName(i));
    return names;
}

// What the document told its views, one line per announcement.
struct Listener {
    std::vector<std::string> heard;
    explicit Listener(TDocument& document)
    {
        QObject::connect(&document, &TDocument::shotChanged, [this](std::size_t i, ShotField field) {
            heard.push_back("field " + std::to_string(i) + " " + std::string(FieldInfo(field).key));
        });
        QObject::connect(&document, &TDocument::shotInserted,
                         [this](std::size_t i) { heard.push_back("inserted " + std::to_string(i)); });
        QObject::connect(&document, &TDocument::shotRemoved,
                         [this](std::size_t i) { heard.push_back("removed " + std::to_string(i)); });
        QObject::connect(&document, &TDocument::shotMoved, [this](std::size_t from, std::size_t to) {
            heard.push_back("moved " + std::to_string(from) + " " + std::to_string(to));
        });
        QObject::connect(&document, &TDocument::shotStepShown,
                         [this](std::size_t i) { heard.push_back("show " + std::to_string(i)); });
        QObject::connect(&document, &TDocument::infoChanged,
                         [this](InfoField field) { heard.push_back("info " + std::to_string(static_cast<int>(field))); });
        QObject::connect(&document, &TDocument::reportChanged, [this] { heard.push_back("report"); });
        QObject::connect(&document, &TDocument::stylesChanged, [this] { heard.push_back("styles"); });
        QObject::connect(&document, &TDocument::layoutChanged, [this] { heard.push_back("layout"); });
        QObject::connect(&document, &TDocument::projectReset, [this] { heard.push_back("reset"); });
    }
    std::vector<std::string> Take() { return std::exchange(heard, {}); }
};

using Heard = std::vector<std::string>;

TEST(DocumentTyping, KeystrokesInOneFieldAreOneStepUntilTheFieldIsLeft)
{
    TDocument document;
    document.Reset(ProjectWith({"Café"}));
    Listener listener(document);
    for (const char* typed : {"A", "AB", "ABC"})
        document.SetShotField(0, ShotField::Action, std::string(typed));
    EXPECT_EQ(document.StepCount(), 1);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Modifier le plan « Café »"));
    EXPECT_EQ(listener.Take(), (Heard{"field 0 action", "field 0 action", "field 0 action"}));
    document.EndTyping();
    document.SetShotField(0, ShotField::Action, std::string("ABCD"));
    EXPECT_EQ(document.StepCount(), 2);
    document.Undo();
    EXPECT_EQ(document.Shots().Event(0).action, "ABC");
    document.Undo();
    EXPECT_EQ(document.Shots().Event(0).action, "");
    EXPECT_EQ(listener.Take(), (Heard{"field 0 action", "field 0 action", "show 0", "field 0 action", "show 0"}));
    document.Redo();
    document.Redo();
    EXPECT_EQ(document.Shots().Event(0).action, "ABCD");
    EXPECT_FALSE(document.CanRedo());
}

TEST(DocumentTyping, AnotherFieldAnotherShotOrAnotherCommandStartsAStep)
{
    TDocument document;
    document.Reset(ProjectWith({"a", "b"}));
    document.SetShotField(0, ShotField::Action, std::string("x"));
    document.SetShotField(0, ShotField::Sound, std::string("y"));
    document.SetShotField(1, ShotField::Sound, std::string("z"));
    document.SetInfoField(InfoField::Title, "T");
    document.SetShotField(1, ShotField::Sound, std::string("zz"));
    EXPECT_EQ(document.StepCount(), 5);
    // Choices and pictures are a step each time, never merged.
    document.SetShotField(1, ShotField::Framing, 2);
    document.SetShotField(1, ShotField::Framing, 3);
    document.SetShotField(1, ShotField::StartPicture, std::string("a.jpg"));
    document.SetShotField(1, ShotField::StartPicture, std::string("b.jpg"));
    EXPECT_EQ(document.StepCount(), 9);
    // An undo ends the typing: what is typed after it is a new step.
    document.Undo();
    document.SetShotField(1, ShotField::Sound, std::string("zzz"));
    document.SetShotField(1, ShotField::Sound, std::string("zzzz"));
    EXPECT_EQ(document.StepCount(), 9);
    document.Undo();
    EXPECT_EQ(document.Shots().Event(1).sound, "zz");
}

TEST(DocumentTyping, AnEditThatChangesNothingPushesNothing)
{
    TDocument document;
    document.Reset(ProjectWith({"a"}));
    Listener listener(document);
    document.SetShotField(0, ShotField::Name, std::string("a"));
    document.SetShotField(0, ShotField::Zoom, 0);
    document.SetShotField(0, ShotField::Zoom, 99);  // outside the list: held as none
    document.RenameShot(0, "a");
    document.SetInfoField(InfoField::Idea, "");
    document.SetReportText("");
    document.SetReportExternal(false);
    document.SetStyles(document.Project().StylePrefs);
    document.SetLayout(document.Project().HTMPrefs);
    document.MoveShot(0, 0);
    EXPECT_EQ(document.StepCount(), 0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(listener.Take().empty());
    // Typed, then typed back to what it was: no step is left.
    document.SetShotField(0, ShotField::Dialogue, std::string("- Non."));
    document.SetShotField(0, ShotField::Dialogue, std::string(""));
    EXPECT_EQ(document.StepCount(), 0);
    EXPECT_FALSE(document.IsModified());
}

TEST(DocumentShots, PutDeleteAndMoveAreStepsTheViewsFollow)
{
    TDocument document;
    document.Reset(ProjectWith({"a", "b", "c"}));
    Listener listener(document);
    TEvent added;
    added.name = "n";
    document.PutShot(1, added, "Insérer");
    EXPECT_EQ(Names(document), (std::vector<std::string>{"a", "n", "b", "c"}));
    EXPECT_EQ(document.UndoText(), QStringLiteral("Insérer le plan « n »"));
    document.DeleteShot(3);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Supprimer le plan « c »"));
    document.MoveShot(0, 2);
    EXPECT_EQ(Names(document), (std::vector<std::string>{"n", "b", "a"}));
    EXPECT_EQ(document.UndoText(), QStringLiteral("Déplacer le plan « a »"));
    EXPECT_EQ(listener.Take(), (Heard{"inserted 1", "removed 3", "moved 0 2"}));

    document.Undo();
    document.Undo();
    document.Undo();
    EXPECT_EQ(Names(document), (std::vector<std::string>{"a", "b", "c"}));
    // Each undone step shows its shot: the moved one where it came back,
    // the deleted one back in its place, the shot before the one taken out.
    EXPECT_EQ(listener.Take(), (Heard{"moved 2 0", "show 0", "inserted 3", "show 3", "removed 1", "show 0"}));
    document.Redo();
    document.Redo();
    document.Redo();
    EXPECT_EQ(Names(document), (std::vector<std::string>{"n", "b", "a"}));
    EXPECT_EQ(listener.Take(), (Heard{"inserted 1", "show 1", "removed 3", "show 2", "moved 0 2", "show 2"}));
}

TEST(DocumentShots, RenamingIsAStepOfItsOwnNamedAfterTheOldName)
{
    TDocument document;
    document.Reset(ProjectWith({"Café"}));
    document.SetShotField(0, ShotField::Name, std::string("Caf"));
    document.RenameShot(0, "Bar");
    document.RenameShot(0, "Thé");
    EXPECT_EQ(document.StepCount(), 3);
    EXPECT_EQ(document.UndoText(), QStringLiteral("Renommer le plan « Bar »"));
    document.Undo();
    EXPECT_EQ(document.Shots().EventName(0), "Bar");
}

TEST(DocumentShots, AFullListRefusesAShotWithoutAStep)
{
    ProjectDocument full;
    for (std::size_t i = 0; i < MaxShots; ++i)
        full.EventList.AddEvent();
    TDocument document;
    document.Reset(std::move(full));
    EXPECT_THROW(document.PutShot(0, TEvent(), "Ajouter"), Error);
    EXPECT_EQ(document.StepCount(), 0);
    EXPECT_EQ(document.Shots().Count(), MaxShots);
}

TEST(DocumentValues, GeneralInformationReportStylesAndLayoutAreSteps)
{
    TDocument document;
    document.Reset(ProjectWith({"a"}));
    Listener listener(document);
    document.SetInfoField(InfoField::Title, "L");
    document.SetInfoField(InfoField::Title, "Le");
    document.SetInfoField(InfoField::Synopsis, "S");
    document.SetReportText("r");
    document.SetReportText("ra");
    document.SetReportFileName("x.htm");
    document.SetReportExternal(true);
    TStylePrefs styles = document.Project().StylePrefs;
    styles.PMargin = "3%,9%";
    document.SetStyles(styles);
    THTMPrefs layout = document.Project().HTMPrefs;
    layout.pageSpecs.tableWidth = "50%";
    document.SetLayout(layout);
    EXPECT_EQ(document.StepCount(), 7);
    EXPECT_EQ(document.Project().GenInfo.title, "Le");
    EXPECT_EQ(document.Project().Report.text, "ra");
    EXPECT_EQ(document.UndoText(), QStringLiteral("Modifier la mise en page"));
    listener.Take();
    for (int i = 0; i < 7; ++i)
        document.Undo();
    EXPECT_EQ(listener.Take(), (Heard{"layout", "styles", "report", "report", "report", "info 4", "info 0"}));
    const ProjectDocument fresh = ProjectWith({"a"});
    EXPECT_EQ(document.Project().GenInfo.title, fresh.GenInfo.title);
    EXPECT_TRUE(document.Project().Report == fresh.Report);
    EXPECT_TRUE(document.Project().StylePrefs == fresh.StylePrefs);
    EXPECT_TRUE(document.Project().HTMPrefs == fresh.HTMPrefs);
    for (int i = 0; i < 7; ++i)
        document.Redo();
    EXPECT_EQ(document.Project().GenInfo.synopsis, "S");
    EXPECT_TRUE(document.Project().Report.isExternal);
    EXPECT_EQ(document.Project().HTMPrefs.pageSpecs.tableWidth, "50%");
}

TEST(DocumentModified, FollowsTheSavedPlaceOfTheHistory)
{
    TDocument document;
    std::vector<bool> told;
    QObject::connect(&document, &TDocument::modifiedChanged, [&told](bool modified) { told.push_back(modified); });
    document.Reset(ProjectWith({"a"}));
    EXPECT_FALSE(document.IsModified());
    document.SetShotField(0, ShotField::Action, std::string("x"));
    EXPECT_TRUE(document.IsModified());
    document.MarkSaved();
    EXPECT_FALSE(document.IsModified());
    document.Undo();
    EXPECT_TRUE(document.IsModified());
    document.Redo();
    EXPECT_FALSE(document.IsModified());
    // Typing more after the save is a new step: undoing it is the saved place.
    document.SetShotField(0, ShotField::Action, std::string("xy"));
    EXPECT_TRUE(document.IsModified());
    document.Undo();
    EXPECT_FALSE(document.IsModified());
    // Saved, undone, then another edit: the saved place cannot come back.
    document.Undo();
    document.SetShotField(0, ShotField::Sound, std::string("s"));
    document.Undo();
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(told, (std::vector<bool>{true, false, true, false, true, false, true}));

    // A recovered copy is modified until it is saved, whatever is undone.
    document.Reset(ProjectWith({"b"}), true);
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(document.CanUndo());
    document.SetShotField(0, ShotField::Action, std::string("x"));
    document.Undo();
    EXPECT_TRUE(document.IsModified());
    document.MarkSaved();
    EXPECT_FALSE(document.IsModified());
}

TEST(DocumentModified, ReadingTheProjectMakesNoStep)
{
    TDocument document;
    document.Reset(ProjectWith({"a"}));
    document.SetShotField(0, ShotField::Action, std::string("A"));
    const ProjectDocument copy = document.Project();  // what an autosave takes
    document.SetShotField(0, ShotField::Action, std::string("AB"));
    EXPECT_EQ(copy.EventList.Event(0).action, "A");
    EXPECT_EQ(document.StepCount(), 1);
    document.Undo();
    EXPECT_EQ(document.Shots().Event(0).action, "");
}

} // namespace
} // namespace sw

namespace sw {
namespace {

// A shot keeps its id through a rename and a move; its copy is a shot of its
// own, without the original's id.
TEST(DocumentShots, TheIdStaysWithItsShotAndACopyHasNone)
{
    TDocument document;
    ProjectDocument project = ProjectWith({"a", "b"});
    project.EventList.Event(0).id = "id-a";
    document.Reset(project);
    document.DuplicateShot(0);
    document.MoveShot(0, 2);
    EXPECT_EQ(Names(document), (std::vector<std::string>{"a (copie)", "b", "a"}));
    EXPECT_EQ(document.Project().EventList.Event(0).id, "");
    EXPECT_EQ(document.Project().EventList.Event(2).id, "id-a");
    document.Undo();
    document.Undo();
    EXPECT_EQ(document.Project().EventList.Event(0).id, "id-a");
}

} // namespace
} // namespace sw
