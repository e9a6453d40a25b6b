#pragma once

#include <cstddef>
#include <string>

#include "document/projectdocument.h"
#include "document/scriptimport.h"
#include "screenplay/fountain.h"

namespace sw {

// What bringing a revised screenplay into a project changes, for the editor
// to show before it applies the change.
struct ScriptUpdateSummary {
    // Scenes found again whose number, heading or synopsis changed, or which
    // were marked "omise" and are back.
    std::size_t scenesUpdated = 0;
    // Scenes the project did not have, and their shots.
    std::size_t newScenes = 0;
    std::size_t newSceneShots = 0;
    // Scenes the revision no longer has, marked "omise" now.
    std::size_t scenesOmitted = 0;
    // Shots of scenes found again: those whose texts change, and those the
    // revision adds at the end of their scene.
    std::size_t shotsUpdated = 0;
    std::size_t shotsAdded = 0;
    // Texts (a shot's name, action or dialogue) the revision changes but the
    // user had changed since the last import: the user's are kept.
    std::size_t userTextsKept = 0;
    bool titleUpdated = false;
    bool authorUpdated = false;
    // Applying the update would leave the project as it is.
    bool changesNothing = true;
    // The counts in one French sentence: "3 scènes mises à jour, 1 nouvelle
    // scène (2 plans), 1 scène omise, 4 plans mis à jour, 2 textes modifiés
    // par vous gardés."; "Le scénario ne change rien au projet." when it
    // changes nothing.
    std::string text;
};

struct ScriptUpdate {
    ProjectDocument project;
    ScriptUpdateSummary summary;
};

// The project as a revised screenplay makes it, which the caller puts in
// place of the project as one step, and what changes. Nothing of the
// project is lost: no shot is removed, no picture or field other than a
// shot's name, action and dialogue is touched, and a text is replaced only
// where it is still what the last import gave (ScriptImportBaseline).
//
// The scenes are matched by their number, then, among the others, by their
// heading; a scene whose number and heading are both alike is matched
// first, and a number does not match a scene whose heading the revision
// gives to another scene, as when a scene put in without a number shifts the
// numbers counted after it. A scene found again takes the revision's number, heading and
// synopsis and loses its "omise" mark; its shots are matched to the
// revision's by their plan note's name as last imported, then, among the
// others, by their order; a shot the revision adds goes after the scene's
// last shot, and a shot it drops stays. A scene the revision no longer has
// is marked "omise" with its shots. A new scene comes with its shots, each
// with a new id, after the shots of the scene before it in the revision.
// The title and the author change where they are empty or still as
// imported. Shots the user added are left alone. A project of no scene and
// no shot is planned as ProjectFromScreenplay does.
//
// A scene of a project planned before imports were kept has no baseline:
// its shots are matched by their order and their texts are kept.
//
// Throws sw::Error when the shots would be more than a project holds.
ScriptUpdate UpdateFromScreenplay(const ProjectDocument& project, const Screenplay& revision);

// The summary's sentence from its counts.
std::string ScriptUpdateText(const ScriptUpdateSummary& summary);

} // namespace sw
