#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "publish/pagetext.h"
#include "document/projectdocument.h"
#include "style/styleprefs.h"

namespace sw {

struct ProjectDocument;

// The sections of the site that open with a banner under the title.
enum class SiteSection {
    Synopsis,
    Continuity,
    Breakdown,
    Storyboard,
};

// The date texts a publication writes: the short date of the
// pages' META block and the day, date and time of the update lines.
struct PublishDates {
    std::string shortDate;
    std::string nowText;
};

// Today's date texts in the user's formats.
PublishDates CurrentPublishDates();

// Turns the project into its web site: frameset, menu, entry page, shot viewer
// or shots page, synopsis, continuity, breakdown, storyboard, report,
// stylesheet and viewer script, written into the site folder. One object
// serves one publication.
class THTMPublish {
public:
    // The project is only read. Its fields that are HTML by design (the shot
    // texts, the idea, the synopsis, the note, the report) are published
    // cleaned of what could run a script (CleanUserHtml).
    THTMPublish(const ProjectDocument& project, std::filesystem::path siteDir);

    // Fixes the date texts instead of reading the clock when publishing.
    void SetDates(PublishDates dates);

    // Writes the whole site. Throws sw::Error before writing anything when
    // the site folder is missing or the cover file name is not a plain file
    // name; a page that cannot be written stops the publication there.
    void Publish();

    // What the last Publish left out or replaced because the project held a
    // value that would have broken the pages, in French, for the user.
    const std::vector<std::string>& Warnings() const { return warnings_; }

    // The file names written by the last Publish, in the order written.
    const std::vector<std::string>& WrittenFiles() const { return writtenFiles_; }

private:
    void TakeLayoutPrefs();
    // value when it is a length (IsHtmlLength); fallback otherwise, with a
    // warning naming what it is for.
    std::string LayoutLength(const std::string& value, const std::string& fallback, std::string_view what);
    void CheckCoverPage() const;
    void StartPage(std::string_view start, SiteTextKind kind = SiteTextKind::Page);
    void SavePage(const std::string& fileName);

    void WriteFrameset();
    void WriteMenu();
    void WriteCover();
    void WriteShotViewer();
    void WriteShotsPage();
    void WriteSynopsis();
    void WriteContinuity();
    void WriteBreakdown();
    void WriteStoryboard();
    void WriteReport();
    void WriteStylesheet();
    void WriteScript();

    std::string MetaBlock() const;
    std::string MenuStyleBlock() const;
    std::string TitleBanner() const;
    std::string TableOpenTag() const;
    std::string ContentHead(const std::string& title) const;
    std::string SectionPageHead(SiteSection section) const;
    std::string TablePageEnd() const;
    // Whether the picture of the image folder is wider than a shot page shows
    // it whole; each file's header is read once a publication.
    bool IsWidePicture(const std::string& name);

    // The project as the site shows it: a copy whose fields that are HTML by
    // design were cleaned (CleanUserHtml) when one needed it, the project
    // itself otherwise.
    std::optional<ProjectDocument> cleaned_;
    const ProjectDocument& project_;
    std::filesystem::path siteDir_;
    std::optional<PublishDates> fixedDates_;
    PublishDates dates_;
    std::vector<std::string> writtenFiles_;
    std::vector<std::string> warnings_;
    std::map<std::string, bool> widePictures_;
    // The project's style set as the site writes it (MakeStyleSafeForSite).
    TStylePrefs siteStyle_;

    // The page being written, in its final bytes (Windows-1252); one buffer
    // for every page.
    PageText page;
    bool showShots = false;
    bool showStoryboard = false;
    bool showReport = false;
    bool noJSPlan = false;
    std::string menuHeight;
    std::string frameBorder;
    std::string coverPage;
    std::string returnUrl;
    std::string separatorWidth;
    std::string tableWidth;
    std::string tableMargin;
};

// Page pieces shared by several pages that depend on nothing but their
// arguments.
std::string SectionBanner(SiteSection section);
std::string SectionBlock(const std::string& heading, const std::string& body);

// Splits text into lines at CR LF, lone CR and lone LF and ends every line
// with CR LF, the way every page reaches the disk (PageText applies the same
// rule while the page is built).
std::string WithCrLfLines(const std::string& text);


} // namespace sw
