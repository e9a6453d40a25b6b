// A revised screenplay brought into a project planned from it: the scenes
// found again by number or heading and updated, the new ones placed with
// their shots, the dropped ones marked "omise"; each shot's texts taken only
// where the user left them as imported; the user's shots, pictures and
// texts never lost; the summary; and what the last import gave kept through
// the project file.

#include "document/scriptupdate.h"

#include <gtest/gtest.h>

#include <set>

#include "document/projectextensions.h"
#include "document/projectfile.h"
#include "model/error.h"
#include "model/scene.h"

namespace sw {
namespace {

constexpr std::string_view kFirstDraft = R"(Title: Le Parapluie
Author: Anne Dupré

INT. CUISINE - JOUR #1#

= Claire se lève.

[[plan: Le réveil]]

Le réveil sonne.

CLAIRE
Pas aujourd'hui…

[[plan: La fenêtre]]

La pluie contre la vitre.

EXT. ARRÊT DE BUS - JOUR #2#

Claire attend sous l'abri.

INT. BUS - JOUR #3#

Léa monte, trempée.
)";

// The screenplay with its first "from" written "to".
std::string Revised(std::string_view draft, std::string_view from, std::string_view to)
{
    std::string text(draft);
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

ProjectDocument Planned(std::string_view draft)
{
    return ProjectFromScreenplay(ParseFountain(draft));
}

ScriptUpdate Update(const ProjectDocument& project, std::string_view revision)
{
    return UpdateFromScreenplay(project, ParseFountain(revision));
}

std::vector<std::string> Names(const ProjectDocument& project)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < project.EventList.Count(); ++i)
        names.push_back(project.EventList.Event(i).name);
    return names;
}

std::vector<std::string> Headings(const ProjectDocument& project)
{
    std::vector<std::string> headings;
    for (const TScene& scene : project.Scenes)
        headings.push_back(scene.heading + (scene.omitted ? " (omise)" : ""));
    return headings;
}

TEST(ScriptUpdate, ScenesAreFoundByNumberThenByHeadingAndTakeTheRevisedTexts)
{
    const ProjectDocument project = Planned(kFirstDraft);
    std::string revision = Revised(kFirstDraft, "INT. CUISINE - JOUR #1#", "INT. CUISINE - NUIT #1#");
    revision = Revised(revision, "= Claire se lève.", "= Claire ne dort pas.");
    revision = Revised(revision, "EXT. ARRÊT DE BUS - JOUR #2#", "EXT. ARRÊT DE BUS - JOUR #2A#");
    const ScriptUpdate update = Update(project, revision);

    ASSERT_EQ(update.project.Scenes.size(), 3u);
    const TScene& kitchen = update.project.Scenes[0];
    EXPECT_EQ(kitchen.id, project.Scenes[0].id) << "found by its number";
    EXPECT_EQ(kitchen.heading, "INT. CUISINE - NUIT");
    EXPECT_EQ(kitchen.synopsis, "Claire ne dort pas.");
    const TScene& stop = update.project.Scenes[1];
    EXPECT_EQ(stop.id, project.Scenes[1].id) << "found by its heading";
    EXPECT_EQ(stop.number, "2A");
    EXPECT_EQ(update.summary.scenesUpdated, 2u);
    EXPECT_EQ(update.summary.newScenes, 0u);
    EXPECT_EQ(update.summary.scenesOmitted, 0u);
    EXPECT_EQ(update.project.EventList.Count(), project.EventList.Count()) << "no shot added or lost";
    // The scene without plan notes has its one shot named after its heading.
    EXPECT_EQ(update.project.EventList.Event(2).name, "EXT. ARRÊT DE BUS - JOUR");
    EXPECT_EQ(update.summary.text, "2 scènes mises à jour.");
}

TEST(ScriptUpdate, AScenePutInWithoutANumberLeavesTheNextScenesTheirOwn)
{
    constexpr std::string_view draft = R"(INT. KITCHEN - DAY

Zoë pours coffee.

EXT. BUS STOP - DAY

José waits in the rain.

INT. BUS - DAY

Renée drives.
)";
    const ProjectDocument project = Planned(draft);
    const ScriptUpdate update = Update(
        project, Revised(draft, "EXT. BUS STOP", "INT. HALLWAY - DAY\n\nZoë runs down the stairs.\n\nEXT. BUS STOP"));
    ASSERT_EQ(update.project.Scenes.size(), 4u);
    EXPECT_EQ(update.project.Scenes[1].heading, "INT. HALLWAY - DAY");
    EXPECT_EQ(update.project.Scenes[1].number, "2");
    EXPECT_EQ(update.project.Scenes[2].id, project.Scenes[1].id) << "the bus stop, counted 3 now";
    EXPECT_EQ(update.project.Scenes[2].number, "3");
    EXPECT_EQ(update.project.Scenes[3].id, project.Scenes[2].id);
    EXPECT_EQ(Names(update.project), (std::vector<std::string>{"INT. KITCHEN - DAY", "INT. HALLWAY - DAY",
                                                               "EXT. BUS STOP - DAY", "INT. BUS - DAY"}));
    EXPECT_EQ(update.project.EventList.Event(2).action, "José waits in the rain.");
    EXPECT_EQ(update.summary.text, "2 scènes mises à jour, 1 nouvelle scène (1 plan).");
}

TEST(ScriptUpdate, NewScenesComeWithTheirShotsInTheScreenplaysOrder)
{
    ProjectDocument project = Planned(kFirstDraft);
    // A shot of the user's at the end of the kitchen scene.
    TEvent mine = project.EventList.NewEvent();
    mine.name = "Mon insert";
    mine.scene = project.Scenes[0].id;
    project.EventList.InsertEvent(2, mine);

    std::string revision = Revised(kFirstDraft, "EXT. ARRÊT DE BUS - JOUR #2#", R"(INT. COULOIR - JOUR #1A#

[[plan: L'escalier]]

Claire dévale l'escalier.

[[plan: La porte]]

Elle claque la porte.

EXT. ARRÊT DE BUS - JOUR #2#)");
    revision += "\nEXT. RUE - NUIT #4#\n\nLe bus s'éloigne.\n";
    const ScriptUpdate update = Update(project, revision);

    EXPECT_EQ(Names(update.project),
              (std::vector<std::string>{"Le réveil", "La fenêtre", "Mon insert", "L'escalier", "La porte",
                                        "EXT. ARRÊT DE BUS - JOUR", "INT. BUS - JOUR", "EXT. RUE - NUIT"}));
    EXPECT_EQ(Headings(update.project),
              (std::vector<std::string>{"INT. CUISINE - JOUR", "INT. COULOIR - JOUR", "EXT. ARRÊT DE BUS - JOUR",
                                        "INT. BUS - JOUR", "EXT. RUE - NUIT"}));
    EXPECT_TRUE(ScenesStayTogether(update.project.EventList));
    const TEvent& stairs = update.project.EventList.Event(3);
    EXPECT_EQ(stairs.scene, update.project.Scenes[1].id);
    EXPECT_EQ(stairs.action, "Claire dévale l'escalier.");
    EXPECT_EQ(update.project.Scenes[1].number, "1A");
    std::set<std::string> ids;
    for (std::size_t i = 0; i < update.project.EventList.Count(); ++i)
        ids.insert(update.project.EventList.Event(i).id);
    EXPECT_EQ(ids.size(), 8u) << "the user's shot has none; every imported one its own";
    EXPECT_TRUE(ids.contains(""));
    EXPECT_EQ(update.summary.newScenes, 2u);
    EXPECT_EQ(update.summary.newSceneShots, 3u);
    EXPECT_EQ(update.summary.text, "2 nouvelles scènes (3 plans).");
}

TEST(ScriptUpdate, ScenesTheRevisionDropsAreOmittedWithTheirShotsAndComeBack)
{
    const ProjectDocument project = Planned(kFirstDraft);
    const std::string withoutBus = Revised(kFirstDraft, "INT. BUS - JOUR #3#\n\nLéa monte, trempée.\n", "");
    const ScriptUpdate dropped = Update(project, withoutBus);
    EXPECT_EQ(Headings(dropped.project),
              (std::vector<std::string>{"INT. CUISINE - JOUR", "EXT. ARRÊT DE BUS - JOUR", "INT. BUS - JOUR (omise)"}));
    ASSERT_EQ(dropped.project.EventList.Count(), 4u);
    EXPECT_EQ(dropped.project.EventList.Event(3).action, "Léa monte, trempée.");
    EXPECT_EQ(dropped.project.EventList.Event(3).scene, project.Scenes[2].id);
    EXPECT_EQ(dropped.summary.text, "1 scène omise.");
    EXPECT_TRUE(Update(dropped.project, withoutBus).summary.changesNothing) << "omitted once, not counted again";

    const ScriptUpdate back = Update(dropped.project, kFirstDraft);
    EXPECT_FALSE(back.project.Scenes[2].omitted);
    EXPECT_EQ(back.project.EventList.Count(), 4u) << "its shot found again, not planned twice";
    EXPECT_EQ(back.summary.text, "1 scène mise à jour.");
}

TEST(ScriptUpdate, ATextIsTakenOnlyWhereTheUserLeftItAsImported)
{
    ProjectDocument project = Planned(kFirstDraft);
    TEvent& alarm = project.EventList.Event(0);
    alarm.action = "Le réveil sonne. <b>Très fort.</b>";
    alarm.sound = "Sonnerie stridente";
    alarm.cam.startImage = "reveil.jpg";
    project.EventList.Event(1).dialogue = "CLAIRE : (off) Encore la pluie.";

    std::string revision = Revised(kFirstDraft, "Le réveil sonne.", "Le réveil sonne deux fois.");
    revision = Revised(revision, "La pluie contre la vitre.", "La pluie ruisselle contre la vitre.");
    revision = Revised(revision, "Pas aujourd'hui…", "Pas déjà…");
    const ScriptUpdate update = Update(project, revision);

    const TEvent& alarmAfter = update.project.EventList.Event(0);
    EXPECT_EQ(alarmAfter.action, "Le réveil sonne. <b>Très fort.</b>") << "the user's text";
    EXPECT_EQ(alarmAfter.dialogue, "CLAIRE : Pas déjà…") << "left as imported: revised";
    EXPECT_EQ(alarmAfter.sound, "Sonnerie stridente");
    EXPECT_EQ(alarmAfter.cam.startImage, "reveil.jpg");
    const TEvent& window = update.project.EventList.Event(1);
    EXPECT_EQ(window.action, "La pluie ruisselle contre la vitre.");
    EXPECT_EQ(window.dialogue, "CLAIRE : (off) Encore la pluie.") << "the revision left it: stays the user's";
    EXPECT_EQ(update.summary.shotsUpdated, 2u);
    EXPECT_EQ(update.summary.userTextsKept, 1u);
    EXPECT_EQ(update.summary.text, "2 plans mis à jour, 1 texte modifié par vous gardé.");

    // The next revision compares with what this one gave, so the user's text
    // is still the user's, and the revised one follows the screenplay.
    const std::string third = Revised(revision, "Pas déjà…", "Pas encore…");
    const ScriptUpdate again = Update(update.project, third);
    EXPECT_EQ(again.project.EventList.Event(0).action, "Le réveil sonne. <b>Très fort.</b>");
    EXPECT_EQ(again.project.EventList.Event(0).dialogue, "CLAIRE : Pas encore…");
    EXPECT_EQ(again.summary.userTextsKept, 0u) << "the revision does not change the user's text";
}

TEST(ScriptUpdate, ShotsAreMatchedByTheirPlanNamesThenByOrder)
{
    const ProjectDocument project = Planned(kFirstDraft);
    // The two plans swapped, the first renamed too.
    const std::string swapped = Revised(kFirstDraft, R"([[plan: Le réveil]]

Le réveil sonne.

CLAIRE
Pas aujourd'hui…

[[plan: La fenêtre]]

La pluie contre la vitre.)",
                                        R"([[plan: La fenêtre]]

La pluie contre la vitre.

[[plan: Le réveil qui sonne]]

Le réveil sonne.

CLAIRE
Pas aujourd'hui…)");
    const ScriptUpdate update = Update(project, swapped);
    ASSERT_EQ(update.project.EventList.Count(), 4u);
    const TEvent& first = update.project.EventList.Event(0);
    EXPECT_EQ(first.id, project.EventList.Event(0).id);
    EXPECT_EQ(first.name, "Le réveil qui sonne") << "the one left, by order";
    EXPECT_EQ(first.action, "Le réveil sonne.");
    const TEvent& second = update.project.EventList.Event(1);
    EXPECT_EQ(second.name, "La fenêtre");
    EXPECT_EQ(second.action, "La pluie contre la vitre.") << "found by its name, its text unchanged";
    EXPECT_EQ(update.summary.shotsUpdated, 1u);
}

TEST(ScriptUpdate, MoreShotsAreAddedAtTheSceneEndAndFewerLeaveTheOthers)
{
    ProjectDocument project = Planned(kFirstDraft);
    project.EventList.Event(1).action = "La pluie, vue de dehors.";
    const std::string more = Revised(kFirstDraft, "EXT. ARRÊT DE BUS", R"([[plan: Le café]]

Claire boit son café, debout.

EXT. ARRÊT DE BUS)");
    const ScriptUpdate added = Update(project, more);
    EXPECT_EQ(Names(added.project), (std::vector<std::string>{"Le réveil", "La fenêtre", "Le café",
                                                              "EXT. ARRÊT DE BUS - JOUR", "INT. BUS - JOUR"}));
    EXPECT_EQ(added.project.EventList.Event(2).scene, project.Scenes[0].id);
    EXPECT_FALSE(added.project.EventList.Event(2).id.empty());
    EXPECT_EQ(added.summary.shotsAdded, 1u);
    EXPECT_EQ(added.summary.text, "1 nouveau plan.");

    // The window is gone from the revision: its shot, the user's text in it,
    // stays where it was.
    const std::string fewer = Revised(kFirstDraft, "[[plan: La fenêtre]]\n\nLa pluie contre la vitre.\n", "");
    const ScriptUpdate kept = Update(project, fewer);
    EXPECT_EQ(Names(kept.project), Names(project));
    EXPECT_EQ(kept.project.EventList.Event(1).action, "La pluie, vue de dehors.");
    EXPECT_TRUE(kept.summary.changesNothing);
}

TEST(ScriptUpdate, TheUsersShotsAndDeletionsAreRespected)
{
    ProjectDocument project = Planned(kFirstDraft);
    TEvent mine = project.EventList.NewEvent();
    mine.name = "EXT. ARRÊT DE BUS - JOUR"; // named as an imported shot is
    mine.action = "Plan de coupe : la rue.";
    project.EventList.InsertEvent(0, mine);
    project.EventList.DeleteEvent(2); // "La fenêtre"

    const std::string revision = Revised(Revised(kFirstDraft, "La pluie contre la vitre.", "La vitre embuée."),
                                         "Claire attend sous l'abri.", "Claire attend, seule.");
    const ScriptUpdate update = Update(project, revision);
    EXPECT_EQ(Names(update.project), (std::vector<std::string>{"EXT. ARRÊT DE BUS - JOUR", "Le réveil",
                                                               "EXT. ARRÊT DE BUS - JOUR", "INT. BUS - JOUR"}))
        << "the deleted shot not brought back";
    EXPECT_EQ(update.project.EventList.Event(0), mine);
    EXPECT_EQ(update.project.EventList.Event(2).action, "Claire attend, seule.");
    EXPECT_EQ(update.summary.shotsUpdated, 1u);
}

TEST(ScriptUpdate, ARevisionThatWouldOverfillTheProjectIsRefused)
{
    ProjectDocument project = Planned(kFirstDraft);
    while (project.EventList.Count() < MaxShots - 1)
        project.EventList.AddEvent();
    const std::string twoMore =
        std::string(kFirstDraft) + "\nEXT. RUE - NUIT #4#\n\n[[plan: A]]\n\nUn.\n\n[[plan: B]]\n\nDeux.\n";
    EXPECT_THROW(Update(project, twoMore), Error);
    const std::string oneMore = std::string(kFirstDraft) + "\nEXT. RUE - NUIT #4#\n\nUn.\n";
    EXPECT_EQ(Update(project, oneMore).project.EventList.Count(), MaxShots);
}

TEST(ScriptUpdate, TheTitleAndAuthorFollowTheRevisionUnlessTheUserChangedThem)
{
    ProjectDocument project = Planned(kFirstDraft);
    const std::string renamed = Revised(Revised(kFirstDraft, "Title: Le Parapluie", "Title: Le Parapluie jaune"),
                                        "Author: Anne Dupré", "Author: Anne Dupré et Loïc Le Hénaff");
    const ScriptUpdate both = Update(project, renamed);
    EXPECT_EQ(both.project.GenInfo.title, "Le Parapluie jaune");
    EXPECT_EQ(both.project.GenInfo.creator, "Anne Dupré et Loïc Le Hénaff");
    EXPECT_EQ(both.summary.text, "Titre et auteur mis à jour.");

    project.GenInfo.title = "Parapluie (version courte)";
    project.GenInfo.creator.clear();
    const ScriptUpdate mine = Update(project, renamed);
    EXPECT_EQ(mine.project.GenInfo.title, "Parapluie (version courte)");
    EXPECT_EQ(mine.project.GenInfo.creator, "Anne Dupré et Loïc Le Hénaff") << "empty: filled";
    EXPECT_EQ(mine.summary.text, "1 texte modifié par vous gardé, auteur mis à jour.");
}

TEST(ScriptUpdate, TheSummaryCountsEveryChangeAndTheSameScreenplayChangesNothing)
{
    const ProjectDocument project = Planned(kFirstDraft);
    const ScriptUpdate same = Update(project, kFirstDraft);
    EXPECT_TRUE(same.summary.changesNothing);
    EXPECT_EQ(same.summary.text, "Le scénario ne change rien au projet.");
    EXPECT_EQ(ProjectFileBytes(same.project), ProjectFileBytes(project));

    ProjectDocument edited = project;
    edited.EventList.Event(0).name = "Réveil (gros plan)";
    edited.EventList.Event(3).action = "Léa monte, trempée jusqu'aux os.";
    // Every scene changes, one is dropped, one comes; the alarm is renamed.
    const std::string revision = R"(Title: Le Parapluie
Author: Anne Dupré

INT. CUISINE - AUBE #1#

[[plan: Le réveil, encore]]

Le réveil sonne.

CLAIRE
Pas aujourd'hui…

[[plan: La fenêtre]]

La pluie fouette la vitre.

EXT. ARRÊT DE BUS - AUBE #2#

Claire attend sous l'abri.

EXT. PONT - JOUR #2B#

[[plan: Le pont]]

Le bus passe le pont.

[[plan: Le fleuve]]

L'eau monte.
)";
    const ScriptUpdate update = Update(edited, revision);
    const ScriptUpdateSummary& summary = update.summary;
    EXPECT_FALSE(summary.changesNothing);
    EXPECT_EQ(summary.scenesUpdated, 2u);
    EXPECT_EQ(summary.newScenes, 1u);
    EXPECT_EQ(summary.newSceneShots, 2u);
    EXPECT_EQ(summary.scenesOmitted, 1u);
    EXPECT_EQ(summary.shotsUpdated, 2u) << "the window's action, the bus stop's name";
    EXPECT_EQ(summary.userTextsKept, 1u) << "the alarm's name";
    EXPECT_EQ(summary.text, "2 scènes mises à jour, 1 nouvelle scène (2 plans), 1 scène omise, 2 plans mis à jour, "
                            "1 texte modifié par vous gardé.");
    EXPECT_EQ(update.project.EventList.Event(0).name, "Réveil (gros plan)");
    EXPECT_EQ(update.project.EventList.Event(3).name, "Le pont") << "after the bus stop";
    EXPECT_EQ(update.project.EventList.Event(5).action, "Léa monte, trempée jusqu'aux os.") << "omitted, kept";
}

TEST(ScriptUpdate, AnEmptyProjectIsPlannedAsANewOne)
{
    constexpr std::string_view english = R"(Title: The Long Ride
Author: Zoë Brontë

EXT. HIGHWAY - NIGHT

[[Plan: Headlights]]

A truck roars past. *Rain* everywhere.

JOSÉ
(whispering)
We're late.

INT. DINER - NIGHT

RENÉE pours coffee.
)";
    ProjectDocument empty;
    empty.GenInfo.comment = "Notes de tournage";
    const ScriptUpdate update = UpdateFromScreenplay(empty, ParseFountain(english));
    const ProjectDocument planned = ProjectFromScreenplay(ParseFountain(english));
    EXPECT_EQ(Names(update.project), Names(planned));
    EXPECT_EQ(update.project.Scenes, planned.Scenes);
    EXPECT_EQ(update.project.GenInfo.creator, "Zoë Brontë");
    EXPECT_EQ(update.project.GenInfo.comment, "Notes de tournage") << "the rest of the project kept";
    EXPECT_EQ(update.project.EventList.Event(0).dialogue, "JOSÉ : (whispering) We're late.");
    EXPECT_EQ(update.summary.text, "2 nouvelles scènes (2 plans), titre et auteur mis à jour.");
    EXPECT_TRUE(ScriptImportOf(update.project).has_value());

    // A revision of it, in English too: the character's line changes.
    const ScriptUpdate revised =
        UpdateFromScreenplay(update.project, ParseFountain(Revised(english, "We're late.", "We're <so> late.")));
    EXPECT_EQ(revised.project.EventList.Event(0).dialogue, "JOSÉ : (whispering) We're &lt;so&gt; late.");
    EXPECT_EQ(revised.summary.text, "1 plan mis à jour.");
}

TEST(ScriptUpdate, AProjectPlannedBeforeImportsWereKeptKeepsItsTexts)
{
    ProjectDocument project = Planned(kFirstDraft);
    project.Extensions.erase(std::string(kScriptImportKey));
    for (std::size_t i = 0; i < project.EventList.Count(); ++i)
        project.EventList.Event(i).id.clear();
    const std::string revision =
        Revised(Revised(kFirstDraft, "La pluie contre la vitre.", "La vitre embuée."), "Léa monte, trempée.",
                "[[plan: Léa]]\n\nLéa monte.\n\n[[plan: Le siège]]\n\nElle s'assoit.");
    const ScriptUpdate update = Update(project, revision);
    EXPECT_EQ(update.project.EventList.Event(1).action, "La pluie contre la vitre.")
        << "what the import gave is not known: the text may be the user's";
    EXPECT_EQ(update.summary.userTextsKept, 3u) << "the window's action, the bus shot's name and action";
    EXPECT_EQ(update.project.EventList.Event(3).name, "INT. BUS - JOUR");
    ASSERT_EQ(update.project.EventList.Count(), 5u);
    EXPECT_EQ(update.project.EventList.Event(4).name, "Le siège");
    const ScriptUpdate same = Update(project, kFirstDraft);
    EXPECT_FALSE(same.summary.changesNothing) << "what the import gave is kept from now on";
    EXPECT_EQ(same.summary.text, "Rien de visible ne change ; le projet retient cette version du scénario.");
    EXPECT_EQ(Names(same.project), Names(project));
    // From now on the import is known.
    const ScriptUpdate next = Update(update.project, Revised(revision, "Elle s'assoit.", "Elle s'endort."));
    EXPECT_EQ(next.project.EventList.Event(4).action, "Elle s'endort.");
}

TEST(ScriptUpdate, WhatTheImportGaveSurvivesTheProjectFile)
{
    ProjectDocument project = Planned(kFirstDraft);
    project.EventList.Event(0).action = "Le réveil\tsonne\\vibre\r\nà 6 h 30.";
    ProjectDocument read;
    LoadProjectBytes(read, ProjectFileBytes(project));
    EXPECT_EQ(ScriptImportOf(read), ScriptImportOf(project));
    EXPECT_EQ(read.EventList.Event(0).id, project.EventList.Event(0).id);

    const std::string revision = Revised(Revised(kFirstDraft, "Le réveil sonne.", "Le réveil se tait."),
                                         "Léa monte, trempée.", "Léa monte, sèche.");
    const ScriptUpdate update = Update(read, revision);
    EXPECT_EQ(update.project.EventList.Event(0).action, "Le réveil\tsonne\\vibre\r\nà 6 h 30.");
    EXPECT_EQ(update.project.EventList.Event(3).action, "Léa monte, sèche.");
    ProjectDocument again;
    LoadProjectBytes(again, ProjectFileBytes(update.project));
    EXPECT_EQ(ScriptImportOf(again), ScriptImportOf(update.project));
    EXPECT_TRUE(Update(again, revision).summary.changesNothing);

    // A long screenplay's record, well past a short string's length.
    const ProjectDocument longer = Planned(Revised(kFirstDraft, "Léa monte, trempée.", std::string(200000, 'e')));
    ProjectDocument longerRead;
    LoadProjectBytes(longerRead, ProjectFileBytes(longer));
    ASSERT_TRUE(ScriptImportOf(longerRead).has_value());
    EXPECT_EQ(ScriptImportOf(longerRead)->shots.at(3).action.size(), 200000u);

    // Fields with tabs, line ends and backslashes come back as they were.
    const ScriptImportBaseline odd{"A\tB", "C\\D", {{"id-1", "scene-1", "x\r\ny", "\\t", ""}}};
    EXPECT_EQ(ScriptImportFromText(ScriptImportText(odd)), odd);
    EXPECT_EQ(ScriptImportFromText("title\tT\nnot a line\nid-1\ts\tn\ta\td\nid-1\ts\tn2\ta\td\n\ts\tn\ta\td").shots,
              (std::vector<ImportedShot>{{"id-1", "s", "n", "a", "d"}}))
        << "an id given twice, or none";

    // A project never planned from a screenplay stores nothing of it.
    ProjectDocument plain;
    plain.EventList.AddEvent().name = "Ouverture";
    const std::string bytes = ProjectFileBytes(plain);
    EXPECT_EQ(bytes.find(kExtensionMarker), std::string::npos);
    EXPECT_FALSE(ScriptImportOf(plain).has_value());
}

} // namespace
} // namespace sw
