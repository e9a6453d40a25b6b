#include "publish/htmpublish.h"

#include <cassert>
#include <string_view>
#include <system_error>
#include <utility>

#include "layout/htmprefs.h"
#include "model/error.h"
#include "model/eventlist.h"
#include "model/scene.h"
#include "model/shotfields.h"
#include "model/filebytes.h"
#include "model/picturename.h"
#include "model/picturesize.h"
#include "sanitize/htmlcleaner.h"
#include "style/stylesafety.h"
#include "model/geninfo.h"
#include "document/projectdocument.h"
#include "model/srprt.h"
#include "publish/ghtml.h"
#include "publish/pagetext.h"
#include "publish/shotfragments.h"
#include "publish/uconvert.h"
#include "publish/varutil.h"
#include "style/styleprefs.h"

namespace sw {

namespace {

constexpr std::string_view kBodyStart = "\r\n<BODY>\r\n";
constexpr std::string_view kStyleSheetFile = "vStyle.css";
constexpr std::string_view kUpdateLineStart = "<P><span class=rev>Derni&egrave;re mise &agrave; jour: ";

template <typename Out, typename... Pieces>
void Append(Out& out, const Pieces&... pieces)
{
    (out.append(pieces), ...);
}

// What the largest page takes, about: a head and an end, and so much for
// every shot of texts a few lines long.
constexpr std::size_t kPageBytesBesideShots = 16 * 1024;
constexpr std::size_t kLargestPageBytesPerShot = 1024;

// The element of the style set whose background the menus take.
constexpr std::size_t kMenuStyleElement = 9;

constexpr std::string_view kStyleCorrection =
    "/* Correction to previous */\r\n\t.iFrame { text-align:center; \r\n\t\tborder:solid 1;\r\n\t\twidth:160;\r\n"
    "\t\theight:120;\r\n\t\tmargin-left:20;\r\n\t}\r\n\r\n\t.smallFrame { text-align:center; \r\n"
    "\t\tborder:solid 1;\r\n\t\twidth:120;\r\n\t\theight:90;\r\n\t}\r\n\r\n\t.menu { background:black; \r\n"
    "\t\tcolor:white;\r\n\t}\r\n\r\n\t.vSpace1 { padding:60px; } \r\n";

// The viewer's routines. The shot to show travels in the address of
// "pMain.htm" (pMain.htm?N, or #N), because pages opened from disk may not
// read one another's documents; the menu's form field is kept up to date and
// read only when the address carries no index.
constexpr std::string_view kScriptRoutinesBeforeName = R"(
//////////////////////////

function getPlan(n){
try { parent.pMenu.document.pForm.curP.value= n  ; } catch (e) { }
parent.pMain.location = "pMain.htm?" + n;
}

function shownPlan(){
var found = /^\?(\d+)$/.exec(location.search) || /^#(\d+)$/.exec(location.hash);
if (found) return Number(found[1]);
try { return Number(parent.pMenu.document.pForm.curP.value); } catch (e) { return 0; }
}

var curP = shownPlan();
if (!(curP >= 0 && curP < p.length)) curP = 0;

)";

// The shot's name over the shot; in a project with scenes, the scene's
// heading (its scene record, AppendJSSceneData) above the name.
constexpr std::string_view kNameRoutine = R"(function getName(){
if (p.length == 0) return "";
var tmp= "<b>" + (curP + 1) + ". " + p[curP].name + "</b>";
return tmp ; 
}
)";
constexpr std::string_view kSceneNameRoutine = R"(function getName(){
if (p.length == 0) return "";
var tmp= "<b>" + (curP + 1) + ". " + p[curP].name + "</b>";
var scene = p[curP].scene;
if (!scene) return tmp;
var head = "<H3>" + scene.title + "</H3>\n<P>Dur&eacute;e : " + scene.time + "\n";
if (scene.synopsis != "") head += "<div class=indent1>" + scene.synopsis + "</div>\n";
return head + "<P>" + tmp;
}
)";

constexpr std::string_view kScriptRoutinesAfterName = R"(
function getSection(n){
var caption = new Array("action", "son", "dialogue", "CAM", "duree")
var tmp = "";
var t = ""; 
if (p.length == 0) return tmp;
if (n == 0) t = p[curP].action;
if (n == 1) t = p[curP].snd;  
if (n == 2) t = p[curP].dlg; 
if (n == 3) t = p[curP].CAM; 
if (n == 4) t = p[curP].time; 

if (t != ""){ 
   tmp = "<H5>" + caption[n] + "</H5>\n" 
   +  t + "\n <P> \n" ; 
  }
 return tmp; 
} 

function pictTag(name){
return "<IMG SRC=\"img/" + name 
     + "\" BORDER=1 WIDTH=160 "
     + "HEIGHT=120 HSPACE=20>";
} 

function getPict(){
var outStr = "<DIV class=iFrame></DIV>";
if (p.length == 0) return outStr;
var tmp = p[curP].pict ; 
var end = p[curP].pictEnd ; 
if (tmp == "blank" && end == "blank") return outStr;
outStr = "";
if (tmp != "blank") outStr += pictTag(tmp);
if (end != "blank") outStr += pictTag(end);
return outStr + " <BR CLEAR=ALL>";

} 

)";

constexpr std::string_view kShotDisplayBody[] = {
    "<BODY>",
    "<SCRIPT>document.write(getName())</SCRIPT>",
    "<P>",
    "<DIV class=topLeft>",
    "<P class=center>",
    "<SCRIPT>document.write(getPict())</SCRIPT>",
    "<P>",
    "</DIV>",
    "<DIV class=topMenu>",
    "<TABLE WIDTH=100%><TR><TD vAlign=top width=40%>",
    "<SCRIPT>document.write(getSection(3))</SCRIPT>",
    "</TD>",
    "<TD vAlign=top>",
    "<SCRIPT>document.write(getSection(4))</SCRIPT>",
    "</TD>",
    "</TR><TR colspan=2><TD vAlign=top>",
    "</TD>",
    "</TR></TABLE>",
    "</DIV><br clear=all>",
    "<P>",
    "<DIV class=topLeft>",
    "<SCRIPT>document.write(getSection(0))</SCRIPT>",
    "</DIV>",
    "<DIV class=topMenu>",
    "<SCRIPT>document.write(getSection(1))</SCRIPT>",
    "<SCRIPT>document.write(getSection(2))</SCRIPT>",
    "<P>",
    "</BODY></HTML>",
};

// The shots' scene groups, none for a project without scenes.
std::vector<SceneGroup> SceneGroupsOf(const ProjectDocument& project)
{
    return project.Scenes.empty() ? std::vector<SceneGroup>() : SceneGroups(project.EventList, project.Scenes);
}

bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string_view("/\\\0:", 4)) == std::string::npos;
}

} // namespace

PublishDates CurrentPublishDates()
{
    return PublishDates{ShortDateText(), NowText()};
}

std::string SectionBanner(SiteSection section)
{
    std::string_view name;
    switch (section) {
    case SiteSection::Synopsis:
        name = "Synopsis";
        break;
    case SiteSection::Continuity:
        name = "Continuit&eacute;";
        break;
    case SiteSection::Breakdown:
        name = "D&eacute;coupage technique";
        break;
    case SiteSection::Storyboard:
        name = "Storyboard";
        break;
    }
    std::string banner = "<H5>";
    Append(banner, name, "</H5>");
    return banner;
}

std::string SectionBlock(const std::string& heading, const std::string& body)
{
    std::string block = HeadingTag(heading, "", 4);
    Append(block, kCrLf, "<div class=indent1>", TextToHtml(body), "</div>", kCrLf, "<P>", kCrLf);
    return block;
}

std::string WithCrLfLines(const std::string& text)
{
    std::string lines;
    lines.reserve(text.size() + text.size() / 16 + 2);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch != '\r' && ch != '\n')
            continue;
        lines.append(text, lineStart, i - lineStart);
        lines.append(kCrLf);
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size()) {
        lines.append(text, lineStart, std::string::npos);
        lines.append(kCrLf);
    }
    return lines;
}

namespace {

// The fields of the project that are HTML by design.
template <typename Project, typename Visit>
void ForEachHtmlField(Project& project, Visit visit)
{
    visit(project.GenInfo.idea);
    visit(project.GenInfo.synopsis);
    visit(project.GenInfo.comment);
    visit(project.Report.text);
    for (std::size_t index = 0; index < project.EventList.Count(); ++index) {
        auto& shot = project.EventList.Event(index);
        for (const ShotFieldInfo& field : ShotFields())
            if (field.kind == FieldKind::HtmlText)
                visit(*FieldString(shot, field.field));
    }
}

// A copy of the project with its HTML cleaned; nothing when no field needs
// it, which is the common case and costs no copy.
std::optional<ProjectDocument> CleanedForSite(const ProjectDocument& project)
{
    bool clean = true;
    ForEachHtmlField(project, [&clean](const std::string& html) { clean = clean && IsCleanUserHtml(html); });
    if (clean)
        return std::nullopt;
    ProjectDocument cleaned = project;
    ForEachHtmlField(cleaned, [](std::string& html) {
        if (!IsCleanUserHtml(html))
            html = CleanUserHtml(html);
    });
    return cleaned;
}

} // namespace

THTMPublish::THTMPublish(const ProjectDocument& project, std::filesystem::path siteDir)
    : cleaned_(CleanedForSite(project)), project_(cleaned_ ? *cleaned_ : project), siteDir_(std::move(siteDir))
{
}

void THTMPublish::SetDates(PublishDates dates)
{
    fixedDates_ = std::move(dates);
}

void THTMPublish::Publish()
{
    writtenFiles_.clear();
    widePictures_.clear();
    warnings_.clear();
    std::error_code error;
    if (!std::filesystem::is_directory(siteDir_, error))
        throw Error("Le dossier du site " + siteDir_.string() + " est introuvable.");
    TakeLayoutPrefs();
    CheckCoverPage();
    dates_ = fixedDates_ ? *fixedDates_ : CurrentPublishDates();

    // The buffer is sized once for the largest page (the breakdown or the
    // shots page), rather than grown page after page: every growth moves the
    // page and touches fresh memory, and the old and new buffers would both
    // count in the process's peak memory.
    page.reserve(kPageBytesBesideShots + project_.EventList.Count() * kLargestPageBytesPerShot);

    WriteFrameset();
    if (showShots)
        WriteShotViewer();
    WriteSynopsis();
    WriteContinuity();
    WriteBreakdown();
    if (showStoryboard)
        WriteStoryboard();
    if (showReport)
        WriteReport();
    WriteStylesheet();
    WriteScript();
}

void THTMPublish::TakeLayoutPrefs()
{
    const THTMPrefs& prefs = project_.HTMPrefs;
    showShots = prefs.menuSpecs.showShots;
    showStoryboard = prefs.menuSpecs.showStoryboard;
    showReport = prefs.menuSpecs.showReport;
    noJSPlan = prefs.pageSpecs.noJSPlan;
    // The values pasted into attributes are lengths, and the address a
    // relative or web one: a project from elsewhere cannot add attributes or
    // run script through them.
    const THTMPrefs defaults;
    menuHeight = LayoutLength(prefs.frameSpecs.menuHeight, defaults.frameSpecs.menuHeight, "la hauteur du menu");
    frameBorder = prefs.frameSpecs.borderVisible
                      ? LayoutLength(prefs.frameSpecs.borderWidth, defaults.frameSpecs.borderWidth,
                                     "la largeur des bordures")
                      : std::string("0");
    coverPage = prefs.coverSpecs.separateCover ? prefs.coverSpecs.coverFile : std::string("main.htm");
    returnUrl.clear();
    if (prefs.menuSpecs.returnLink) {
        if (IsSafeLinkAddress(prefs.menuSpecs.returnUrl))
            returnUrl = EscapeHtmlAttribute(prefs.menuSpecs.returnUrl);
        else
            warnings_.push_back("L'adresse du lien de retour « " + prefs.menuSpecs.returnUrl
                                + " » n'est ni relative, ni en http:, https: ou mailto: : le lien de retour n'est "
                                  "pas publié.");
    }
    separatorWidth = prefs.coverSpecs.separator
                         ? LayoutLength(prefs.coverSpecs.separatorWidth, defaults.coverSpecs.separatorWidth,
                                        "la largeur du séparateur")
                         : std::string();
    // The style sheet's values likewise, from the project or a style file.
    siteStyle_ = project_.StylePrefs;
    for (std::string& warning : MakeStyleSafeForSite(siteStyle_))
        warnings_.push_back(std::move(warning));
    tableWidth = LayoutLength(prefs.pageSpecs.tableWidth, defaults.pageSpecs.tableWidth, "la largeur des tableaux");
    tableMargin = LayoutLength(prefs.pageSpecs.tableMargin, defaults.pageSpecs.tableMargin, "la marge des tableaux");
}

std::string THTMPublish::LayoutLength(const std::string& value, const std::string& fallback, std::string_view what)
{
    if (IsHtmlLength(value))
        return value;
    warnings_.push_back("La mise en page donne « " + value + " » pour " + std::string(what)
                        + ", qui n'est pas une longueur : « " + fallback + " » est publié à la place.");
    return fallback;
}

// The cover's name comes from the project file; anything but a plain file
// name could put the page outside the site folder.
void THTMPublish::CheckCoverPage() const
{
    if (!IsPlainFileName(coverPage))
        throw Error("Le nom de la page de couverture \"" + coverPage
                    + "\" n'est pas un simple nom de fichier : le site n'a pas été publié.");
}

void THTMPublish::StartPage(std::string_view start, SiteTextKind kind)
{
    page.ClearForSite(kind);
    page.append(start);
}

// One write of the page's final bytes, through the atomic replacement.
void THTMPublish::SavePage(const std::string& fileName)
{
    // The pages are made again by every publication: replaced whole, but not
    // worth waiting for the disk.
    assert(page.Kind() == SiteTextKindOf(fileName));
    WriteFileAtomically(siteDir_ / fileName, page.FinishedBytes(), LinkPolicy::ReplaceLink, Durability::Rebuildable);
    writtenFiles_.push_back(fileName);
}

std::string THTMPublish::MetaBlock() const
{
    const TGenInfo& info = project_.GenInfo;
    std::string block = "<META http-equiv=\"Content-Type\" content=\"text/html\">\n<META name=\"GENERATOR\" content=\"";
    Append(block, "Shotweave ", "by ", "Zeblin", "\">", "\n", "<META name=\"DESCRIPTION\" content=\"",
           EscapeHtmlAttribute(info.title), "\">", kCrLf, "<META name=\"CREATION\" content=\"", dates_.shortDate,
           "\">", kCrLf, "<META name=\"AUTHOR\" content=\"", EscapeHtmlAttribute(info.creator), "\">", kCrLf);
    return block;
}

std::string THTMPublish::MenuStyleBlock() const
{
    std::string block = "<STYLE TYPE=\"text/css\">\r\n<!-- \r\nbody{ margin:0; background:";
    Append(block, CssEscaped(siteStyle_.elements[kMenuStyleElement].background), "; color:yellow;", kCrLf,
           "text-align:center; font-family:\"courier new\"; font-size:11pt;}", kCrLf,
           "a { font-weight:bold; color:white; text-decoration:none;} ", kCrLf,
           "a:visited { color:white;} a:link { color:white;} ", kCrLf,
           "a:active { color:yellow; text-decoration:underline;}", kCrLf, "a:hOver {color:lime;} ", kCrLf, "--> ",
           kCrLf, "</STYLE>", kCrLf, kCrLf);
    return block;
}

std::string THTMPublish::TitleBanner() const
{
    return "<H3>" + EncodeEntities(EscapeHtmlText(project_.GenInfo.title)) + "</H3>";
}

// The end of the pages built around one table: the creator under it.
std::string THTMPublish::TablePageEnd() const
{
    std::string end = "</TABLE>";
    Append(end, kCrLf, "<H6>", EncodeEntities(EscapeHtmlText(project_.GenInfo.creator)), "</H6>", kCrLf,
           "</BODY></HTML>", kCrLf);
    return end;
}

std::string THTMPublish::TableOpenTag() const
{
    return "<table width=" + tableWidth + " cellspacing=1 " + "cellPadding=" + tableMargin + " align=center border=1>";
}

// The start of the content pages: head with META block and stylesheet, then
// the body's opening.
std::string THTMPublish::ContentHead(const std::string& title) const
{
    std::string head = HtmlHead(MetaBlock(), "", kStyleSheetFile, title);
    head.append(kBodyStart);
    return head;
}

// The start of the continuity, breakdown and storyboard pages, up to their table.
std::string THTMPublish::SectionPageHead(SiteSection section) const
{
    std::string head = ContentHead(project_.GenInfo.title);
    Append(head, TitleBanner(), kCrLf, SectionBanner(section), kCrLf, "<P>", kCrLf);
    return head;
}

void THTMPublish::WriteFrameset()
{
    StartPage(FramesetPage("*," + menuHeight, MetaBlock(), project_.GenInfo.title, frameBorder,
                           EscapeHtmlAttribute(coverPage) + "\" name=\"main\"", "menu.htm\" name=\"menu\" scrolling=no"));
    SavePage("index.html");
    WriteMenu();
    WriteCover();
}

void THTMPublish::WriteMenu()
{
    const auto entry = [](const std::string& target, const std::string& caption, std::string_view after) {
        std::string text = LinkTag(target, caption);
        text.append(after);
        return text;
    };
    constexpr std::string_view kDash = " - \r\n";

    std::string shots;
    if (showShots)
        shots = entry("pIndex.htm\" target=\"main", "plans", kDash);
    std::string storyboard;
    if (showStoryboard)
        storyboard = entry("storyBrd.htm\" target=\"main", "storyboard", kDash);
    std::string report;
    if (showReport) {
        const std::string reportPage = project_.Report.ReportFileName();
        if (IsSafeLinkAddress(reportPage))
            report = entry(EscapeHtmlAttribute(reportPage) + "\" target=\"main", "rapport", kDash);
        else
            warnings_.push_back("L'adresse du rapport « " + reportPage
                                + " » n'est ni relative, ni en http:, https: ou mailto: : le lien vers le rapport "
                                  "n'est pas publié.");
    }
    std::string back;
    if (!returnUrl.empty())
        back = entry(returnUrl + "\" target=\"_top\" title=\"retour", "&#164;", kCrLf);

    StartPage(HtmlHead(MenuStyleBlock(), "", "", project_.GenInfo.title));
    Append(page, kBodyStart, shots, entry("synops.htm\" target=\"main", "synopsis", kDash),
           entry("action.htm\" target=\"main", "continuité", kDash),
           entry("ActDec.htm\" target=\"main", "découpage", kDash), storyboard, report, back, "</BODY></HTML>");
    SavePage("menu.htm");
}

void THTMPublish::WriteCover()
{
    const TGenInfo& info = project_.GenInfo;
    std::string rule;
    if (!separatorWidth.empty())
        rule = "<P><HR WIDTH=" + separatorWidth + ">";
    StartPage(HtmlHead("", "", kStyleSheetFile, info.title));
    Append(page, kBodyStart, HeadingTag(info.title, "", 1), kCrLf, "<P>", kCrLf, info.idea, kCrLf, rule, kCrLf,
           kUpdateLineStart, EncodeEntities(dates_.nowText), "</span>", kCrLf, "</BODY></HTML>", kCrLf);
    SavePage(coverPage);
}

void THTMPublish::WriteShotViewer()
{
    // In script mode the right frame opens on the viewer itself, which shows
    // the first shot; the plain shots page is not written in that mode.
    StartPage("<HTML><HEAD> </HEAD>\r\n<FRAMESET COLS=\"12%,*\" SCROLLING=NO FRAMEBORDER=0 FRAMESPACING=0 BORDER=0>\r\n"
              "<FRAME SRC=\"pMenu.htm\" NAME=\"pMenu\">\r\n<FRAME SRC=\"");
    Append(page, noJSPlan ? "plans.htm" : "pMain.htm", "\" NAME=\"pMain\">\r\n</FRAMESET>\r\n</HTML>");
    SavePage("pIndex.htm");
    if (noJSPlan) {
        WriteShotsPage();
        return;
    }

    const TEventList& events = project_.EventList;
    StartPage(PlainHtmlHead("<FORM NAME=\"pForm\"><INPUT TYPE=\"HIDDEN\" NAME=\"curP\" VALUE=\"0\"></FORM>\r\n"
                            "<SCRIPT SRC=\"vScript.js\" LANGUAGE=\"JavaScript\"></SCRIPT>\r\n"
                                + MenuStyleBlock(),
                            "Plan"));
    Append(page, kBodyStart, "<b>plans</b><P>", kCrLf);
    AppendShotLinks(page, events, false, project_.Scenes);
    Append(page, kCrLf, "</BODY></HTML>");
    SavePage("pMenu.htm");

    StartPage(HtmlHead("", "vScript.js", kStyleSheetFile, "Plan"));
    page.append(kCrLf);
    bool first = true;
    for (const std::string_view piece : kShotDisplayBody) {
        if (!first)
            page.append(kCrLf);
        page.append(piece);
        first = false;
    }
    SavePage("pMain.htm");
}

void THTMPublish::WriteShotsPage()
{
    const TGenInfo& info = project_.GenInfo;
    const TEventList& events = project_.EventList;
    StartPage(PlainHtmlHead(MenuStyleBlock(), "Plan"));
    Append(page, kBodyStart, "<P style=padding-top:20px;><b>plans</b> ", kCrLf,
           "<P style=text-align:left;padding-left:10px;>", kCrLf);
    AppendShotLinks(page, events, true, project_.Scenes);
    Append(page, kCrLf, "</BODY></HTML>");
    SavePage("pMenu.htm");

    StartPage(HtmlHead("", "", kStyleSheetFile, "Plans"));
    Append(page, kBodyStart, HeadingTag(info.title, "", 1), kCrLf, "<P>", kCrLf, info.idea, kCrLf,
           "<P><HR WIDTH=400><P>", kCrLf);
    AppendShotsPageBlocks(page, events, project_.Scenes);
    Append(page, kCrLf, kUpdateLineStart,
           EncodeEntities(dates_.nowText), "</span>", kCrLf, "</BODY></HTML>");
    SavePage("plans.htm");
}

void THTMPublish::WriteSynopsis()
{
    const TGenInfo& info = project_.GenInfo;
    std::string credits;
    if (!info.comment.empty()) {
        std::string note = "<div class=topMenu><b>Note:</b><br>\r\n";
        Append(note, TextToHtml(info.comment), "<br></div>", kCrLf, "<br clear=all>", kCrLf);
        std::string authors = "<div class=topLeft>\r\n";
        Append(authors, TextToHtml(EscapeHtmlText(info.creator)), "</div>", kCrLf, "<P>", kCrLf);
        credits = "<H4>R&eacute;alisation:</H4>\r\n<div class=indent1>\r\n";
        Append(credits, authors, note, "</div>", kCrLf, "<br><p>");
    } else {
        credits = SectionBlock("Réalisation:", EscapeHtmlText(info.creator));
        credits.append(kCrLf);
    }
    StartPage(ContentHead(info.title));
    Append(page, TitleBanner(), kCrLf, SectionBanner(SiteSection::Synopsis), kCrLf, credits, kCrLf,
           SectionBlock("Idée:", info.idea), SectionBlock("Synopsis:", info.synopsis), "</BODY></HTML>", kCrLf);
    SavePage("synops.htm");
}

bool THTMPublish::IsWidePicture(const std::string& name)
{
    const auto [known, added] = widePictures_.try_emplace(name, false);
    if (added) {
        const std::optional<std::filesystem::path> file = PictureFile(siteDir_ / "img", name);
        const std::optional<PictureSize> size = file ? ReadPictureSize(*file) : std::nullopt;
        known->second = size && size->width > kWidestWholePicture;
    }
    return known->second;
}

void THTMPublish::WriteContinuity()
{
    const WidePictureTest isWide = [this](const std::string& name) { return IsWidePicture(name); };
    const TEventList& events = project_.EventList;
    const std::size_t count = events.Count();
    StartPage(SectionPageHead(SiteSection::Continuity));
    page.reserve(page.size() + 1024 + count * 512);
    Append(page, TableOpenTag(), kCrLf,
           "<TR><TH WIDTH=15% align=center>plan</TH>", kCrLf, "<TH WIDTH=45% align=center>action</TH>", kCrLf,
           "<TH WIDTH=40% align=center>son/dialogue</TH>", kCrLf, "</TR>");
    const std::vector<SceneGroup> groups = SceneGroupsOf(project_);
    auto nextGroup = groups.begin();
    for (std::size_t index = 0; index < count; ++index) {
        const TEvent& shot = events.Event(index);
        if (nextGroup != groups.end() && nextGroup->first == index)
            AppendSceneHeading(page, *nextGroup++, SceneHeadingForm::ContinuityRow);
        page.append("<TR>\r\n"_crlf);
        AppendShotCell(page, shot, index, 0, isWide);
        page.append(kCrLf);
        AppendContinuityCells(page, shot, CellLayout::ContinuityTable);
        page.append("\r\n</TR>\r\n"_crlf);
    }
    page.append(TablePageEnd());
    SavePage("action.htm");
}

void THTMPublish::WriteBreakdown()
{
    const WidePictureTest isWide = [this](const std::string& name) { return IsWidePicture(name); };
    const TEventList& events = project_.EventList;
    const std::size_t count = events.Count();
    StartPage(SectionPageHead(SiteSection::Breakdown));
    page.reserve(page.size() + 1024 + count * 1024);
    Append(page, TableOpenTag(), kCrLf,
           "<TR><TH WIDTH=20% class=center>plan</TH>", kCrLf, "<TH WIDTH=45% align=center>continuit&eacute;</TH>",
           kCrLf, "<TH WIDTH=20% align=center>C.A.M.</TH>", kCrLf, "<TH WIDTH=15%>temps</TH>", kCrLf, "</TR>");
    // Each line below ends with the ten blanks that indent the cell after it.
    RunningTime total;
    const std::vector<SceneGroup> groups = SceneGroupsOf(project_);
    auto nextGroup = groups.begin();
    for (std::size_t index = 0; index < count; ++index) {
        const TEvent& shot = events.Event(index);
        total.Add(shot.cam.duration);
        if (nextGroup != groups.end() && nextGroup->first == index)
            AppendSceneHeading(page, *nextGroup++, SceneHeadingForm::BreakdownRow);
        page.append("<TR>\r\n"_crlf);
        AppendShotCell(page, shot, index, 0, isWide);
        page.append(kCrLf);
        AppendContinuityCells(page, shot, CellLayout::BreakdownTable);
        page.append("\r\n <TD vAlign=top colSpan=2>\r\n   <TABLE width=100%>\r\n      <TR>\r\n          "_crlf);
        AppendCamText(page, shot, CamTextForm::TableCell);
        page.append("\r\n          "_crlf);
        AppendTimeText(page, shot, total.PublishedText(), TimeTextForm::TableCell);
        page.append("\r\n      </TR>\r\n      <TR>\r\n          "_crlf);
        AppendEffectCell(page, shot);
        page.append("\r\n      </TR>\r\n   </TABLE>\r\n </TD>\r\n</TR>\r\n"_crlf);
    }
    page.append(TablePageEnd());
    SavePage("ActDec.htm");
}

void THTMPublish::WriteStoryboard()
{
    const TEventList& events = project_.EventList;
    const std::size_t count = events.Count();
    StartPage(SectionPageHead(SiteSection::Storyboard));
    page.reserve(page.size() + 1024 + count * 512);
    Append(page, "<table width=90% cellspacing=10 cellPadding=5", " align=center border=0>", kCrLf, "<TR>", kCrLf);
    unsigned column = 0;
    for (std::size_t index = 0; index < count; ++index) {
        AppendShotCell(page, events.Event(index), index, 3, {});
        page.append(kCrLf);
        if (index + 1 < count) {
            if (++column > 3) {
                column = 0;
                page.append("</TR><TR>\r\n"_crlf);
            }
        } else {
            page.append("</TR>\r\n"_crlf);
        }
    }
    page.append(TablePageEnd());
    SavePage("storyBrd.htm");
}

void THTMPublish::WriteReport()
{
    const TsRprt& report = project_.Report;
    if (report.isExternal)
        return;
    const std::string body = TextToHtml(report.text);
    StartPage(ContentHead(project_.GenInfo.title + "- rapport"));
    Append(page, TitleBanner(), kCrLf, SectionBlock(report.caption, body), "</BODY></HTML>", kCrLf);
    SavePage(std::string(kInlineReportPage));
}

void THTMPublish::WriteStylesheet()
{
    StartPage(siteStyle_.BuildStyleSheet(), SiteTextKind::StyleSheet);
    page.append(kStyleCorrection);
    SavePage("vStyle.css");
}

void THTMPublish::WriteScript()
{
    StartPage("// JavaScript data and routines from Shotweave\r\n", SiteTextKind::Script);
    AppendJSData(page, project_.EventList);
    AppendJSSceneData(page, project_.EventList, project_.Scenes);
    Append(page, kScriptRoutinesBeforeName, project_.Scenes.empty() ? kNameRoutine : kSceneNameRoutine,
           kScriptRoutinesAfterName);
    SavePage("vScript.js");
}

} // namespace sw
