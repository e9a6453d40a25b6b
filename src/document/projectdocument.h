#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "layout/htmprefs.h"
#include "model/eventlist.h"
#include "model/geninfo.h"
#include "model/scene.h"
#include "model/srprt.h"
#include "style/styleprefs.h"

namespace sw {

// The long-lived objects of one open project, held together by the application.
struct ProjectDocument {
    TGenInfo GenInfo;
    TEventList EventList;
    TsRprt Report;
    THTMPrefs HTMPrefs;
    TStylePrefs StylePrefs;
    // The film's scenes, in their order; the shots name theirs
    // (TEvent::scene). Empty for a project without scenes.
    std::vector<TScene> Scenes;
    // The extension block's entries other than the shot ids and the scenes,
    // by key: what the last screenplay import gave (kScriptImportKey), and
    // those of a later version, which are kept as they are.
    std::map<std::string, std::string> Extensions;
    // The version of the last file read; 3 once a file has been written.
    std::int32_t FileVersion = 3;
    // The bytes after the style block of the last file read, which this
    // version does not know (a later version's data): not kept, so a save
    // drops them; 0 once a file has been written.
    std::size_t UnknownTrailingBytes = 0;

    // Empties the texts of the idea and report tabs as a new project has
    // them; shots, layout and style stay.
    void ClearTexts()
    {
        GenInfo.Clear();
        Report.text.clear();
        Report.fileName = kDefaultReportFileName;
    }
};

} // namespace sw
