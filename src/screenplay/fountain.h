#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// One shot a screenplay plans: the name of its plan note (or, for a scene
// without plan notes, the scene's heading), and the action and dialogue
// that follow it, as the HTML fields of a shot hold them: the screenplay's
// "<", ">" and "&" escaped, its emphasis as <i>, <b> and <u>, its lines
// ended by CR LF.
struct ScriptShot {
    std::string name;
    std::string action;
    std::string dialogue;

    bool operator==(const ScriptShot&) const = default;
};

// One scene of a screenplay: its number ("12", "12A"), as the screenplay
// forced it or counted from 1 by its place, its heading as written, its
// synopsis, and the shots planned in it (at least one).
struct ScriptScene {
    std::string number;
    std::string heading;
    std::string synopsis;
    std::vector<ScriptShot> shots;

    bool operator==(const ScriptScene&) const = default;
};

struct Screenplay {
    std::string title;
    std::string author;
    std::vector<ScriptScene> scenes;
};

// A scene heading's parts: "INT." or "EXT." and the like, the place, the
// time of day ("INT. CUISINE - JOUR": "INT.", "CUISINE", "JOUR"); a part the
// heading lacks is empty.
struct HeadingParts {
    std::string interiorExterior;
    std::string place;
    std::string timeOfDay;

    bool operator==(const HeadingParts&) const = default;
};
HeadingParts SplitSceneHeading(std::string_view heading);

// Reads a Fountain screenplay, UTF-8. Scene headings are the lines after a
// blank line that start with INT, EXT, EST, INT./EXT, INT/EXT or I/E, in any
// case, then "." or a space; a line starting with "!" is action; "." forces
// a heading; "#12A#" at a heading's end is its number. A note [[plan: NAME]]
// ("plan" in any case, the colon optional) starts a shot in its scene; the
// text before a scene's first plan note goes to that first shot. Character
// names stay before their lines ("LÉA : Pas aujourd'hui…"), parentheticals
// and dual dialogue included. The boneyard, other notes, sections, page
// breaks, transitions and centred text are read as the syntax says; a
// synopsis ("= ...") is its scene's. The title page gives the title (Title)
// and the author (Author, Authors or Credit's author line).
Screenplay ParseFountain(std::string_view text);

// The largest screenplay file read: far above any feature film's.
inline constexpr std::uintmax_t kMaxScriptFileBytes = 50u * 1024 * 1024;

// Reads a Fountain file (.fountain, .spmd, .txt) in any of its encodings
// (ScriptTextAsUtf8); the file is only read. Throws sw::Error, with a French
// sentence naming the file, when it is missing, special, larger than
// kMaxScriptFileBytes or binary.
Screenplay ReadFountainFile(const std::filesystem::path& file);

} // namespace sw
