#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screenplay/fountain.h"

namespace sw {

// Builds a screenplay's scenes and shots as its reader meets its parts, so
// that every format fills its shots alike. Texts come as HTML, escaped and
// with their emphasis as tags. A scene opens at each heading (or at the
// first text before any heading); a plan note starts a shot, the text
// before a scene's first plan note going to that shot; a scene without plan
// notes is one shot named after its heading.
class ScreenplayBuilder {
public:
    explicit ScreenplayBuilder(Screenplay& screenplay) : screenplay_(screenplay) {}

    // A heading (plain text) and its number; without one the scene is
    // numbered by its place among the headings.
    void Heading(std::string_view heading, std::string_view number);
    void Plan(std::string_view name);
    void Synopsis(std::string_view text);
    // A paragraph of action, one HTML line per line.
    void Action(const std::vector<std::string>& lines);
    // A speech: "NAME : line line", a part that is empty breaking the line;
    // dual marks a speech spoken with the one before.
    void Dialogue(std::string_view speakerHtml, const std::vector<std::string>& parts, bool dual);
    // Ends the last scene; call once the screenplay is read.
    void Close();

private:
    void Open();

    Screenplay& screenplay_;
    std::optional<ScriptScene> scene_;
    ScriptShot shot_;
    bool hasPlans_ = false;
    int place_ = 0;
};

} // namespace sw
