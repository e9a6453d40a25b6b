#pragma once

// What the screenplay fuzz targets check of any screenplay read: every text
// is valid UTF-8, every scene has a shot, and the action and dialogue fields
// hold no "<" but the emphasis tags.
#include <cstdlib>
#include <string_view>

#include "model/utf8.h"
#include "screenplay/fountain.h"

namespace fuzzsupport {

inline bool OnlyEmphasisTags(std::string_view html)
{
    std::size_t at = html.find('<');
    while (at != std::string_view::npos) {
        bool known = false;
        for (const std::string_view tag : {"<i>", "</i>", "<b>", "</b>", "<u>", "</u>"})
            known = known || html.substr(at, tag.size()) == tag;
        if (!known)
            return false;
        at = html.find('<', at + 1);
    }
    return true;
}

inline void CheckScreenplay(const sw::Screenplay& screenplay)
{
    if (!sw::IsValidUtf8(screenplay.title) || !sw::IsValidUtf8(screenplay.author))
        std::abort();
    for (const sw::ScriptScene& scene : screenplay.scenes) {
        if (scene.shots.empty())
            std::abort();
        if (!sw::IsValidUtf8(scene.number) || !sw::IsValidUtf8(scene.heading) || !sw::IsValidUtf8(scene.synopsis))
            std::abort();
        for (const sw::ScriptShot& shot : scene.shots) {
            if (!sw::IsValidUtf8(shot.name) || !sw::IsValidUtf8(shot.action) || !sw::IsValidUtf8(shot.dialogue))
                std::abort();
            if (!OnlyEmphasisTags(shot.action) || !OnlyEmphasisTags(shot.dialogue))
                std::abort();
        }
    }
}

} // namespace fuzzsupport
