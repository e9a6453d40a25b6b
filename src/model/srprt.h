#pragma once

#include <string>
#include <string_view>

namespace sw {

// The file name a new project proposes for a report of the user's own.
inline constexpr std::string_view kDefaultReportFileName = "rapport.htm";

// The caption the editor shows a report without one, and gives the report
// when its text is typed.
inline constexpr std::string_view kEditorReportCaption = "Rapport de production:";
// The page the site gives the inline report.
inline constexpr std::string_view kInlineReportPage = "sRp.htm";

// The production report: inline text, or an HTML file of the user's own.
class TsRprt {
public:
    std::string caption;
    std::string text;
    bool isExternal = false;
    std::string fileName;

    bool operator==(const TsRprt&) const = default;

    // isExternal as "-1" or "0", fileName, caption and text, each ended by FieldSep.
    std::string ToText() const;
    // An empty caption becomes "Rapport de production".
    void FromText(std::string_view form);
    // The page the site's menu links to: kInlineReportPage for the inline
    // report, else the external file's name, which the window keeps in
    // fileName as it is typed. Until now the publisher also stored this name
    // in fileName when the menu had a report entry, and the editor saves the
    // project with it after a publication.
    std::string ReportFileName() const;
};

} // namespace sw
