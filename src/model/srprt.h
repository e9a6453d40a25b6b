#pragma once

#include <string>
#include <string_view>

namespace sw {

// The production report: inline text, or an HTML file of the user's own.
class TsRprt {
public:
    std::string caption;
    std::string text;
    bool isExternal = false;
    std::string fileName;

    // isExternal as "-1" or "0", fileName, caption and text, each ended by FieldSep.
    std::string ToText() const;
    // An empty caption becomes "Rapport de production".
    void FromText(std::string_view form);
    // The report page's file name: "sRp.htm" for the inline report, else the
    // external file's name, which the window keeps in fileName as it is typed.
    const std::string& ReportFileName();
};

} // namespace sw
