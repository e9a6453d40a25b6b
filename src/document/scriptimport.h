#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/projectdocument.h"
#include "screenplay/fountain.h"

namespace sw {

// What the last import of a screenplay gave the project, kept so that a
// revised screenplay changes only what the user left as it came: the title,
// the author, and each shot the screenplay planned with its name, action
// and dialogue as imported. A shot is known by its id (TEvent::id), which
// the import gives it; its scene by the scene's id (empty for the text
// before the first heading). The shots are in the screenplay's order, so a
// shot's place in its scene is its place among those of the same scene.
// An entry whose shot the user deleted stays: it holds the shot's place, and
// a later revision does not bring the shot back.
struct ImportedShot {
    std::string shot;
    std::string scene;
    std::string name;
    std::string action;
    std::string dialogue;

    bool operator==(const ImportedShot&) const = default;
};

struct ScriptImportBaseline {
    std::string title;
    std::string author;
    std::vector<ImportedShot> shots;

    bool operator==(const ScriptImportBaseline&) const = default;
};

// The extension block's entry (ProjectDocument::Extensions) that keeps the
// baseline, as one text: a line "title" TAB title, a line "author" TAB
// author, then a line per shot: shot id, scene id, name, action, dialogue,
// separated by tabs, each escaped as EscapedLineField does. A project never
// planned from a screenplay has none.
inline constexpr std::string_view kScriptImportKey = "script-import";

std::string ScriptImportText(const ScriptImportBaseline& baseline);
// Lines that are no title, author or shot are dropped, as are shots without
// an id and ids given twice.
ScriptImportBaseline ScriptImportFromText(std::string_view text);

// The project's baseline, none when it was never planned from a screenplay.
std::optional<ScriptImportBaseline> ScriptImportOf(const ProjectDocument& project);
void SetScriptImport(ProjectDocument& project, const ScriptImportBaseline& baseline);

// The screenplay with texts the project file can hold: a title, author,
// shot name, action or dialogue that would hold "||||" or end with a bar,
// which a field of the file cannot, has its bars written "&#124;" in the
// HTML fields (action, dialogue: they read the same) and "¦" in the plain
// ones. Both the new project and the update read the screenplay so.
Screenplay StorableScreenplay(Screenplay screenplay);

// A new project planned from a screenplay: its title and author, its scenes
// in order (number, heading, synopsis), and the shots of each scene with
// their names, action and dialogue, each in its scene and with a new id;
// the baseline of the import kept in its extension block. The style set
// and the layout are those of base, which the caller prepares as for a new
// project. Throws sw::Error when the screenplay plans more shots than a
// project holds.
ProjectDocument ProjectFromScreenplay(const Screenplay& screenplay, ProjectDocument base = ProjectDocument());

} // namespace sw
