#include "publish/htmpublish.h"
#include "publish/sitepublication.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/error.h"
#include "model/filebytes.h"
#include "document/projectdocument.h"
#include "publish/ghtml.h"
#include "testsupport.h"
#include "worldwords.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// Expected pages are written with "\n" and compared with CR LF line ends.
std::string Crlf(const std::string& text)
{
    std::string result;
    for (const char ch : text) {
        if (ch == '\n')
            result.push_back('\r');
        result.push_back(ch);
    }
    return result;
}

const std::string kDocStart = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<HTML>\n<HEAD>\n";
const std::string kCssLink = "\t<LINK REL=\"stylesheet\" HREF=\"vStyle.css\" TYPE=\"text/css\">\n";
const std::string kMeta = "<META http-equiv=\"Content-Type\" content=\"text/html\">\n"
                          "<META name=\"GENERATOR\" content=\"Shotweave by Zeblin\">\n"
                          "<META name=\"DESCRIPTION\" content=\"\xC9t\xE9\">\n"
                          "<META name=\"CREATION\" content=\"08/12/2026\">\n"
                          "<META name=\"AUTHOR\" content=\"Anne\nBob\">\n";
const std::string kContentHead =
    kDocStart + kCssLink + "\t" + kMeta + "\n<TITLE>\xC9t\xE9</TITLE>\n</HEAD> \n\n<BODY>\n";
const std::string kMenuStyle = "<STYLE TYPE=\"text/css\">\n<!-- \n"
                               "body{ margin:0; background:black; color:yellow;\n"
                               "text-align:center; font-family:\"courier new\"; font-size:11pt;}\n"
                               "a { font-weight:bold; color:white; text-decoration:none;} \n"
                               "a:visited { color:white;} a:link { color:white;} \n"
                               "a:active { color:yellow; text-decoration:underline;}\n"
                               "a:hOver {color:lime;} \n"
                               "--> \n"
                               "</STYLE>\n\n";

class PublishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int counter = 0;
        site_ = fs::temp_directory_path()
                / ("sw_publish_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(site_);
        fs::create_directories(site_);

        project_.StylePrefs.elements[9].background = "black";
        TGenInfo& info = project_.GenInfo;
        info.title = "Été";
        info.creator = "Anne\r\nBob";
        info.idea = "Une <i>idée</i>";
        info.synopsis = "Il pleut.\r\n\r\nFin.";
        project_.Report.caption = "Rapport de production";
        project_.Report.text = "Ligne un\r\nLigne deux";

        TEvent& first = project_.EventList.AddEvent();
        first.action = "Elle entre.";
        first.sound = "pluie";
        first.cam.duration = "10";
        first.cam.framing = 6;
        first.cam.angle = 2;
        first.cam.pan = 2;
        first.cam.travel = 1;
        first.cam.zoom = 2;
        first.cam.effect = "lent";
        first.cam.startImage = "a.jpg";
        TEvent& second = project_.EventList.AddEvent();
        second.action = "Il \"sort\" (vite)";
        second.dialogue = "Adieu";
        second.cam.duration = "55";
    }

    void TearDown() override { fs::remove_all(site_); }

    std::vector<std::string> Publish()
    {
        THTMPublish publisher(project_, site_);
        publisher.SetDates({"08/12/2026", "Mardi, 08/12/2026  21:05:00"});
        publisher.Publish();
        return publisher.WrittenFiles();
    }

    std::string Page(const std::string& name) const { return ReadFileBytes(site_ / name); }

    std::vector<std::string> FilesInSite() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(site_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path site_;
    ProjectDocument project_;
};

TEST_F(PublishTest, PublishingLeavesTheCurrentFolder)
{
    const fs::path folderBefore = fs::current_path();
    Publish();
    EXPECT_EQ(fs::current_path(), folderBefore);
}

TEST_F(PublishTest, SynopsisWithAndWithoutNotes)
{
    Publish();
    EXPECT_EQ(Page("synops.htm"), Crlf(kContentHead + "<H3>&Eacute;t&eacute;</H3>\n<H5>Synopsis</H5>\n"
                                       "<H4>R&eacute;alisation:</H4>\n\n<div class=indent1>Anne\n<br>Bob</div>\n<P>\n\n\n"
                                       "<H4>Id&eacute;e:</H4>\n\n<div class=indent1>Une <i>id\xE9" "e</i></div>\n<P>\n"
                                       "<H4>Synopsis:</H4>\n\n<div class=indent1>Il pleut.\n<p>\nFin.</div>\n<P>\n"
                                       "</BODY></HTML>\n"));

    project_.GenInfo.comment = "x";
    Publish();
    const std::string page = Page("synops.htm");
    const std::string credits = Crlf("<H5>Synopsis</H5>\n<H4>R&eacute;alisation:</H4>\n<div class=indent1>\n"
                                     "<div class=topLeft>\nAnne\n<br>Bob</div>\n<P>\n"
                                     "<div class=topMenu><b>Note:</b><br>\nx<br></div>\n<br clear=all>\n"
                                     "</div>\n<br><p>\n<H4>Id&eacute;e:</H4>");
    EXPECT_NE(page.find(credits), std::string::npos) << page;
}

TEST_F(PublishTest, ReportTextPassesTheConversionTwice)
{
    const std::string division = "<H4>Rapport de production</H4>\r\n\r\n<div class=indent1>";
    const auto reportBody = [&] {
        const std::string page = Page("sRp.htm");
        const std::size_t start = page.find(division);
        return start == std::string::npos ? page : page.substr(start + division.size());
    };

    // A single break and an empty line both become a paragraph.
    project_.Report.text = "Ligne un\r\n\r\nLigne deux";
    Publish();
    EXPECT_EQ(reportBody(), "Ligne un\r\n<p>\r\nLigne deux</div>\r\n<P>\r\n</BODY></HTML>\r\n");

    // Around list tags the second pass changes nothing.
    project_.Report.text = "Liste:\r\n<ul>\r\n<li>un\r\n<li>deux\r\n</ul>";
    Publish();
    EXPECT_EQ(reportBody(), "Liste:\r\n<ul>\r\n<li>un\r\n<li>deux\r\n</ul></div>\r\n<P>\r\n</BODY></HTML>\r\n");

    project_.Report.text.clear();
    Publish();
    EXPECT_EQ(reportBody(), "</div>\r\n<P>\r\n</BODY></HTML>\r\n");
}

TEST_F(PublishTest, CommentOfBlanksStillGivesTheNoteColumn)
{
    project_.GenInfo.comment = "  \r\n \r\n";
    Publish();
    EXPECT_NE(Page("synops.htm").find("<P>\r\n<div class=topMenu><b>Note:</b><br>\r\n<br></div>\r\n<br clear=all>\r\n"
                                      "</div>\r\n<br><p>\r\n"),
              std::string::npos);
}

// A PNG's first bytes, which give its size, and nothing after them: all
// the publisher reads of a picture.
std::string PngHeader(std::uint32_t width, std::uint32_t height)
{
    std::string bytes("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
    for (const std::uint32_t value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes + std::string(5, '\0');
}

TEST_F(PublishTest, OnlyPicturesWiderThanTheirColumnAreScaledAndLinked)
{
    fs::create_directories(site_ / "img");
    test::WriteAll(site_ / "img" / "a.jpg", PngHeader(320, 240));
    project_.EventList.Event(1).cam.startImage = "large.png";
    test::WriteAll(site_ / "img" / "large.png", PngHeader(1600, 1200));
    Publish();
    for (const char* page : {"action.htm", "ActDec.htm"}) {
        const std::string text = Page(page);
        EXPECT_NE(text.find("<IMG SRC=\"img/a.jpg\" BORDER=0 >\r\n<BR>"), std::string::npos) << page;
        EXPECT_NE(text.find("<A HREF=\"img/large.png\" TARGET=\"_blank\"><IMG SRC=\"img/large.png\" BORDER=0 "
                            "style=\"max-width:100%;height:auto\"></A>\r\n<BR>"),
                  std::string::npos)
            << page;
    }
    // A picture of 321 pixels is wider than a page shows whole; the 320 one
    // is not. A missing picture keeps its plain form.
    test::WriteAll(site_ / "img" / "a.jpg", PngHeader(321, 240));
    fs::remove(site_ / "img" / "large.png");
    Publish();
    EXPECT_NE(Page("action.htm").find("<A HREF=\"img/a.jpg\""), std::string::npos);
    EXPECT_NE(Page("action.htm").find("<IMG SRC=\"img/large.png\" BORDER=0 >"), std::string::npos);
}

TEST_F(PublishTest, StoryboardRowsCloseAfterEveryFourthShot)
{
    for (int i = 0; i < 3; ++i)
        project_.EventList.AddEvent();
    Publish();
    const std::string page = Page("storyBrd.htm");
    const auto cellEnd = [&](int shot) {
        std::size_t at = page.find("<b>" + std::to_string(shot) + ". </b>");
        return page.find("</TD>\r\n", at) + 7;
    };
    EXPECT_EQ(page.compare(cellEnd(4), 11, "</TR><TR>\r\n"), 0);
    EXPECT_EQ(page.compare(cellEnd(5), 17, "</TR>\r\n</TABLE>\r\n"), 0);
    EXPECT_EQ(page.find("</TR><TR>"), page.rfind("</TR><TR>"));

    project_.EventList.DeleteEvent(4);
    Publish();
    EXPECT_EQ(Page("storyBrd.htm").find("</TR><TR>"), std::string::npos);
}

TEST_F(PublishTest, ScriptModeViewerOpensOnTheFirstShot)
{
    Publish();

    EXPECT_NE(Page("pIndex.htm").find("<FRAME SRC=\"pMain.htm\" NAME=\"pMain\">\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(site_ / "plans.htm"));
}

TEST_F(PublishTest, PlainModeWritesTheShotsPage)
{
    project_.HTMPrefs.pageSpecs.noJSPlan = true;
    Publish();

    EXPECT_NE(Page("pIndex.htm").find("<FRAME SRC=\"plans.htm\" NAME=\"pMain\">\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(site_ / "plans.htm"));
    EXPECT_FALSE(fs::exists(site_ / "pMain.htm"));
}

TEST_F(PublishTest, FilesAreWrittenInTheirFixedOrder)
{
    EXPECT_EQ(Publish(), (std::vector<std::string>{"index.html", "menu.htm", "main.htm", "pIndex.htm", "pMenu.htm",
                                                   "pMain.htm", "synops.htm", "action.htm", "ActDec.htm",
                                                   "storyBrd.htm", "sRp.htm", "vStyle.css", "vScript.js"}));
    EXPECT_EQ(FilesInSite(), (std::vector<std::string>{"ActDec.htm", "action.htm", "index.html", "main.htm",
                                                       "menu.htm", "pIndex.htm", "pMain.htm", "pMenu.htm", "sRp.htm",
                                                       "storyBrd.htm", "synops.htm", "vScript.js", "vStyle.css"}));

    project_.HTMPrefs.pageSpecs.noJSPlan = true;
    project_.HTMPrefs.coverSpecs.separateCover = true;
    project_.Report.isExternal = true;
    project_.Report.fileName = "rapport.htm";
    EXPECT_EQ(Publish(), (std::vector<std::string>{"index.html", "menu.htm", "cover.htm", "pIndex.htm", "pMenu.htm",
                                                   "plans.htm", "synops.htm", "action.htm", "ActDec.htm",
                                                   "storyBrd.htm", "vStyle.css", "vScript.js"}));

    project_.HTMPrefs.menuSpecs.showShots = false;
    project_.HTMPrefs.menuSpecs.showStoryboard = false;
    project_.HTMPrefs.menuSpecs.showReport = false;
    project_.HTMPrefs.pageSpecs.noJSPlan = false;
    project_.HTMPrefs.coverSpecs.separateCover = false;
    EXPECT_EQ(Publish(), (std::vector<std::string>{"index.html", "menu.htm", "main.htm", "synops.htm", "action.htm",
                                                   "ActDec.htm", "vStyle.css", "vScript.js"}));
}

TEST_F(PublishTest, MenuEntriesFollowTheLayout)
{
    TMenuSpecs& menu = project_.HTMPrefs.menuSpecs;
    menu.showShots = menu.showStoryboard = menu.showReport = false;
    Publish();
    const std::string fixedEntries = "<A HREF=\"synops.htm\" target=\"main\">synopsis</A> - \n"
                                     "<A HREF=\"action.htm\" target=\"main\">continuit&eacute;</A> - \n"
                                     "<A HREF=\"ActDec.htm\" target=\"main\">d&eacute;coupage</A> - \n";
    EXPECT_TRUE(Page("menu.htm").ends_with(Crlf("<BODY>\n" + fixedEntries + "</BODY></HTML>\n")));

    menu.returnLink = true;
    Publish();
    EXPECT_TRUE(Page("menu.htm").ends_with(
        Crlf(fixedEntries + "<A HREF=\"../index.html\" target=\"_top\" title=\"retour\">&#164;</A>\n</BODY></HTML>\n")));

    menu.returnUrl = "../père.html";
    menu.showReport = true;
    project_.Report.isExternal = true;
    project_.Report.fileName = "rapport.htm";
    Publish();
    EXPECT_TRUE(Page("menu.htm").ends_with(
        Crlf(fixedEntries + "<A HREF=\"rapport.htm\" target=\"main\">rapport</A> - \n"
             "<A HREF=\"../pere.html\" target=\"_top\" title=\"retour\">&#164;</A>\n</BODY></HTML>\n")));

    // A return link switched off hides the address.
    menu.returnLink = false;
    Publish();
    EXPECT_EQ(Page("menu.htm").find("retour"), std::string::npos);

    // The inline report's page is linked whatever the report's file name.
    project_.Report.isExternal = false;
    Publish();
    EXPECT_NE(Page("menu.htm").find("<A HREF=\"sRp.htm\" target=\"main\">rapport</A> - \r\n"), std::string::npos);
}

TEST_F(PublishTest, ExternalReportLeavesAnEarlierReportPage)
{
    WriteFileAtomically(site_ / "sRp.htm", "old", LinkPolicy::WriteThroughLink);
    project_.Report.isExternal = true;
    project_.Report.fileName = "rapport.htm";
    Publish();
    EXPECT_EQ(Page("sRp.htm"), "old");
    EXPECT_FALSE(fs::exists(site_ / "rapport.htm"));
}

TEST_F(PublishTest, CoverBorderSeparatorAndTableSettings)
{
    THTMPrefs& prefs = project_.HTMPrefs;
    prefs.frameSpecs.borderWidth = "2";
    Publish();
    EXPECT_NE(Page("index.html").find("BORDER=0 FRAMEBORDER=0>\r\n"), std::string::npos);

    prefs.frameSpecs.borderVisible = true;
    prefs.frameSpecs.menuHeight = "35";
    prefs.coverSpecs.separateCover = true;
    prefs.coverSpecs.separator = false;
    prefs.pageSpecs.tableWidth = "100%";
    prefs.pageSpecs.tableMargin = "2";
    fs::remove(site_ / "main.htm");
    Publish();
    const std::string frameset = Page("index.html");
    EXPECT_NE(frameset.find("<FRAMESET ROWS=\"*,35\" SCROLLING=NO FRAMEBORDER=0  FRAMESPACING=0 BORDER=2 "
                            "FRAMEBORDER=2>\r\n\t<FRAME SRC=\"cover.htm\" name=\"main\">\r\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(site_ / "main.htm"));
    EXPECT_NE(Page("cover.htm").find("e</i>\r\n\r\n<P><span class=rev>"), std::string::npos);

    const std::string table = "<table width=100% cellspacing=1 cellPadding=2 align=center border=1>\r\n";
    EXPECT_NE(Page("action.htm").find(table), std::string::npos);
    EXPECT_NE(Page("ActDec.htm").find(table), std::string::npos);
    EXPECT_NE(Page("storyBrd.htm").find("<table width=90% cellspacing=10 cellPadding=5 align=center border=0>"),
              std::string::npos);
}

TEST_F(PublishTest, EmptyProject)
{
    project_ = ProjectDocument();
    project_.StylePrefs.elements[9].background = "black";
    Publish();

    EXPECT_NE(Page("action.htm").find("son/dialogue</TH>\r\n</TR></TABLE>\r\n<H6></H6>\r\n</BODY></HTML>\r\n"),
              std::string::npos);
    EXPECT_NE(Page("ActDec.htm").find("<TH WIDTH=15%>temps</TH>\r\n</TR></TABLE>\r\n"), std::string::npos);
    EXPECT_TRUE(Page("storyBrd.htm").ends_with("border=0>\r\n<TR>\r\n</TABLE>\r\n<H6></H6>\r\n</BODY></HTML>\r\n"));
    EXPECT_TRUE(Page("pMenu.htm").ends_with("<b>plans</b><P>\r\n\r\n</BODY></HTML>\r\n"));
    EXPECT_TRUE(Page("vScript.js").starts_with("// JavaScript data and routines from Shotweave\r\n"
                                               "var p = new Array();\r\n"
                                               "function pData(index, name, pict, action, snd, dlg, CAM, time){}\r\n"
                                               "\r\n\r\n//////////////////////////\r\n"));
    // No title: no TITLE element, and the three headings of the synopsis keep empty divisions.
    const std::string synopsis = Page("synops.htm");
    EXPECT_EQ(synopsis.find("<TITLE>"), std::string::npos);
    EXPECT_NE(synopsis.find("<H4>Id&eacute;e:</H4>\r\n\r\n<div class=indent1></div>"), std::string::npos);
}

TEST_F(PublishTest, OneShotProject)
{
    project_.EventList.DeleteEvent(1);
    Publish();
    EXPECT_NE(Page("storyBrd.htm").find("<TR>\r\n<TD vAlign=top  width=20%>"), std::string::npos);
    EXPECT_NE(Page("storyBrd.htm").find("<BR>\r\n</TD>\r\n</TR>\r\n</TABLE>"), std::string::npos);
    EXPECT_TRUE(Page("vScript.js").starts_with("// JavaScript data and routines from Shotweave\r\n"
                                               "var p = new Array(0);\r\n"));
}

TEST_F(PublishTest, ViewerScriptHoldsItsRoutines)
{
    Publish();
    const std::string script = Page("vScript.js");
    for (const char* routine : {"function getPlan(n){", "function getName(){", "function getSection(n){",
                                "function getPict(){", "pForm.curP.value= n"})
        EXPECT_NE(script.find(routine), std::string::npos) << routine;
}

// Runs the viewer script as a page of the viewer frames would, in a frame
// whose neighbours may not be read (pages opened from disk).
std::string RunViewerScript(const fs::path& script, const std::string& address, const std::string& calls)
{
    const fs::path runner = script.parent_path() / "runner.js";
    std::ofstream(runner) << R"(
const fs = require('fs');
const vm = require('vm');
const blocked = () => { throw new Error('Blocked a frame with origin "null"'); };
const menu = {};
Object.defineProperty(menu, 'document', { get: blocked });
const main = {};
const address = process.argv[3];
const context = {
  location: { search: address.startsWith('?') ? address : '', hash: address.startsWith('#') ? address : '' },
  parent: { pMenu: menu, pMain: main },
  out: [],
};
vm.createContext(context);
vm.runInContext(fs.readFileSync(process.argv[2], 'latin1'), context);
vm.runInContext(process.argv[4], context);
console.log(context.out.join('|') + '|' + String(main.location));
)";
    const fs::path output = script.parent_path() / "runner.out";
    const std::string command = "node " + runner.string() + " " + script.string() + " '" + address + "' '" + calls
                                + "' > " + output.string() + " 2>&1";
    const int status = std::system(command.c_str());
    std::string text = ReadFileBytes(output);
    if (status != 0)
        return "failed: " + text;
    return text;
}

TEST_F(PublishTest, ViewerReadsTheShotFromItsAddress)
{
    if (std::system("node --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "node is not installed";
    Publish();
    const fs::path script = site_ / "vScript.js";

    EXPECT_EQ(RunViewerScript(script, "?1", "out.push(getName(), getPict(), getSection(1), getSection(2))"),
              "<b>2. plan 2</b>|<DIV class=iFrame></DIV>||<H5>dialogue</H5>\nAdieu\n <P> \n|undefined\n");
    EXPECT_EQ(RunViewerScript(script, "#0", "out.push(getName(), getPict())"),
              "<b>1. plan 1</b>|<IMG SRC=\"img/a.jpg\" BORDER=1 WIDTH=160 HEIGHT=120 HSPACE=20> <BR CLEAR=ALL>"
              "|undefined\n");
    // Without an index in the address, and without access to the menu, the first shot.
    EXPECT_EQ(RunViewerScript(script, "", "out.push(getName())"), "<b>1. plan 1</b>|undefined\n");
    EXPECT_EQ(RunViewerScript(script, "?7", "out.push(getName())"), "<b>1. plan 1</b>|undefined\n");
    // getPlan passes the index in the address of the viewer page.
    EXPECT_EQ(RunViewerScript(script, "", "getPlan(1)"), "|pMain.htm?1\n");
}

TEST_F(PublishTest, ViewerOfAnEmptyProjectShowsNothing)
{
    if (std::system("node --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "node is not installed";
    project_.EventList.Clear();
    Publish();
    EXPECT_EQ(RunViewerScript(site_ / "vScript.js", "?0", "out.push(getName(), getSection(0), getPict())"),
              "||<DIV class=iFrame></DIV>|undefined\n");
}

TEST_F(PublishTest, StylesheetIsTheStyleSetFollowedByTheCorrection)
{
    Publish();
    const std::string sheet = Page("vStyle.css");
    const std::string correction =
        "/* Correction to previous */\r\n\t.iFrame { text-align:center; \r\n\t\tborder:solid 1;\r\n\t\twidth:160;\r\n"
        "\t\theight:120;\r\n\t\tmargin-left:20;\r\n\t}\r\n\r\n\t.smallFrame { text-align:center; \r\n"
        "\t\tborder:solid 1;\r\n\t\twidth:120;\r\n\t\theight:90;\r\n\t}\r\n\r\n\t.menu { background:black; \r\n"
        "\t\tcolor:white;\r\n\t}\r\n\r\n\t.vSpace1 { padding:60px; } \r\n";
    EXPECT_EQ(sheet, WithCrLfLines(project_.StylePrefs.BuildStyleSheet() + correction));
    EXPECT_TRUE(sheet.ends_with(correction));
}

TEST(SavePageLinesTest, EveryBreakBecomesCrLf)
{
    EXPECT_EQ(WithCrLfLines(""), "");
    EXPECT_EQ(WithCrLfLines("a"), "a\r\n");
    EXPECT_EQ(WithCrLfLines("a\n\r\nb"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(WithCrLfLines("a\rb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(WithCrLfLines("\n\n"), "\r\n\r\n");
    EXPECT_EQ(WithCrLfLines("a\r\r\nb\n"), "a\r\n\r\nb\r\n");
}

TEST_F(PublishTest, EveryFileHasCrLfLineEnds)
{
    project_.GenInfo.idea = "un\ndeux\rtrois";
    Publish();
    for (const std::string& name : FilesInSite()) {
        const std::string bytes = Page(name);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " at " << i;
            }
        }
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
    }
}

TEST_F(PublishTest, TitleAndCreatorArePlainTextWhereverPasted)
{
    project_.GenInfo.title = "Le \"grand\" <b>film</b>";
    project_.GenInfo.creator = "A \"B\" & C";
    const std::vector<std::string> written = Publish();
    const std::string frameset = Page("index.html");
    EXPECT_NE(frameset.find("<META name=\"DESCRIPTION\" content=\"Le &quot;grand&quot; &lt;b&gt;film&lt;/b&gt;\">\r\n"),
              std::string::npos);
    EXPECT_NE(frameset.find("<META name=\"AUTHOR\" content=\"A &quot;B&quot; &amp; C\">\r\n"), std::string::npos);
    // A quote in text stays, as in the headings.
    EXPECT_NE(frameset.find("<TITLE>Le \"grand\" &lt;b&gt;film&lt;/b&gt;</TITLE>"), std::string::npos);
    EXPECT_NE(Page("action.htm").find("<H6>A \"B\" &amp; C</H6>"), std::string::npos);
    EXPECT_NE(Page("synops.htm").find("<H3>Le \"grand\" &lt;b&gt;film&lt;/b&gt;</H3>"), std::string::npos);
    for (const std::string& name : written)
        EXPECT_EQ(Page(name).find("<b>film"), std::string::npos) << name;
}

// The pages are Windows-1252: a character it cannot hold is written as a
// numeric reference in HTML, as a script escape in the script and as a CSS
// escape in the style sheets, never as "?".
TEST_F(PublishTest, WordsOfEveryScriptReachThePagesAsReferencesAndEscapes)
{
    project_.GenInfo.title = "Dvořák 🎬";
    project_.GenInfo.creator = swtest::kWorldWords;
    TEvent& shot = project_.EventList.Event(0);
    shot.name = "Ελένη";
    shot.action = "Дмитрий ✓";
    shot.cam.startImage = "Őrség.jpg";
    project_.StylePrefs.elements[1].fontFace = "Łato";
    project_.StylePrefs.elements[9].background = "Ωmega";
    Publish();

    EXPECT_NE(Page("index.html").find("<TITLE>Dvo&#345;\xE1k &#127916;</TITLE>"), std::string::npos);
    EXPECT_NE(Page("synops.htm").find("<H3>Dvo&#345;&aacute;k &#127916;</H3>"), std::string::npos);
    EXPECT_NE(Page("action.htm").find("<H6>&#321;ukasz Dvo&#345;&aacute;k &#336;rs&eacute;g Nguy&#7877;n "
                                      "&#917;&#955;&#941;&#957;&#951; &#1044;&#1084;&#1080;&#1090;&#1088;&#1080;&#1081; "),
              std::string::npos);
    EXPECT_NE(Page("action.htm").find("&#1044;&#1084;&#1080;&#1090;&#1088;&#1080;&#1081; &#10003;"), std::string::npos);
    EXPECT_NE(Page("storyBrd.htm").find("img/&#336;rs\xE9g.jpg"), std::string::npos);
    const std::string script = Page("vScript.js");
    EXPECT_NE(script.find("\"\\u0395\\u03BB\\u03AD\\u03BD\\u03B7\""), std::string::npos);
    EXPECT_NE(script.find("p[0].pict= \"\\u0150rs\xE9g.jpg\""), std::string::npos);
    EXPECT_NE(Page("vStyle.css").find("font-family:\"\\141 ato\";"), std::string::npos);
    // A colour is a name of letters or a "#" code: "Ωmega" is none, and the
    // style table's colour is published instead.
    TStylePrefs table;
    table.ApplyAppStyleTable();
    EXPECT_NE(Page("menu.htm").find("background:" + table.elements[9].background + ";"), std::string::npos);
    EXPECT_EQ(Page("menu.htm").find("mega"), std::string::npos);
    for (const std::string& name : FilesInSite())
        for (const char* lost : {"Dvo?", "?ukasz", "?rs", "?ato", "? ", "??"})
            EXPECT_EQ(Page(name).find(lost), std::string::npos) << name << ": " << lost;
}

TEST_F(PublishTest, CoverNameOutsideTheSiteFolderIsRefused)
{
    project_.HTMPrefs.coverSpecs.separateCover = true;
    for (const std::string name : {"../cover.htm", "sub/cover.htm", "..", ".", "", "/tmp/cover.htm", "..\\c.htm"}) {
        project_.HTMPrefs.coverSpecs.coverFile = name;
        THTMPublish publisher(project_, site_);
        publisher.SetDates({"d", "n"});
        try {
            publisher.Publish();
            ADD_FAILURE() << "accepted " << name;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find("page de couverture"), std::string::npos) << error.what();
        }
        EXPECT_TRUE(FilesInSite().empty()) << name;
    }
    EXPECT_FALSE(fs::exists(site_.parent_path() / "cover.htm"));

    project_.HTMPrefs.coverSpecs.coverFile = "accueil.htm";
    Publish();
    EXPECT_TRUE(fs::exists(site_ / "accueil.htm"));
}

TEST_F(PublishTest, MissingSiteFolderWritesNothing)
{
    THTMPublish publisher(project_, site_ / "absent");
    EXPECT_THROW(publisher.Publish(), Error);
    EXPECT_FALSE(fs::exists(site_ / "absent"));
    EXPECT_TRUE(FilesInSite().empty());
}

TEST_F(PublishTest, PageThatCannotBeWrittenStopsThePublication)
{
    fs::create_directory(site_ / "menu.htm");
    THTMPublish publisher(project_, site_);
    publisher.SetDates({"d", "n"});
    EXPECT_THROW(publisher.Publish(), Error);
    EXPECT_EQ(publisher.WrittenFiles(), std::vector<std::string>{"index.html"});
    EXPECT_EQ(FilesInSite(), (std::vector<std::string>{"index.html", "menu.htm"}));
}

TEST_F(PublishTest, PublishingTwiceGivesTheSameFiles)
{
    Publish();
    std::vector<std::string> first;
    for (const std::string& name : FilesInSite())
        first.push_back(Page(name));
    Publish();
    std::vector<std::string> second;
    for (const std::string& name : FilesInSite())
        second.push_back(Page(name));
    EXPECT_EQ(first, second);
}

// ------------------------------------------------------------------ scenes

class ScenePublishTest : public PublishTest {
protected:
    void SetUp() override
    {
        PublishTest::SetUp();
        project_.Scenes = {{"scene-1", "12A", "INT. CAFÉ & BAR - JOUR", "Ils <parlent>.\r\nLongtemps.", false},
                           {"scene-2", "13", "EXT. ŁÓDŹ - NUIT", "", true}};
        project_.EventList.Event(0).scene = "scene-1";
        project_.EventList.Event(1).scene = "scene-2";
        TEvent& third = project_.EventList.AddEvent();
        third.name = "Noir";
        third.cam.duration = "80";
    }

    // The places of the texts in the page, each after the one before it;
    // npos for the first that does not follow.
    static std::vector<std::size_t> Places(const std::string& page, const std::vector<std::string>& texts)
    {
        std::vector<std::size_t> places;
        std::size_t from = 0;
        for (const std::string& text : texts) {
            const std::size_t at = page.find(text, from);
            places.push_back(at);
            if (at == std::string::npos)
                break;
            from = at + text.size();
        }
        return places;
    }
};

TEST_F(ScenePublishTest, TheShotsPageHeadsEachScenesFirstShotWithItsTitleTimeAndSynopsis)
{
    project_.HTMPrefs.pageSpecs.noJSPlan = true;
    Publish();
    const std::string page = Page("plans.htm");
    // Plain text, entity-encoded like the shots' names; a letter Windows-1252
    // lacks as a reference; the shots of no scene under "Sans scène".
    const std::vector<std::string> order = {
        "<H3>12A. INT. CAF&Eacute; &amp; BAR - JOUR</H3>\r\n<P>Dur&eacute;e : 10s.\r\n<div class=indent1>Ils "
        "&lt;parlent&gt;.",
        "<A NAME=\"p0\">",
        "<H3>13. EXT. &#321;&Oacute;D&#377; - NUIT (omise)</H3>\r\n<P>Dur&eacute;e : 55s.\r\n<P>\r\n",
        "<A NAME=\"p1\">",
        "<H3>Sans sc&egrave;ne</H3>\r\n<P>Dur&eacute;e : 1m. 20s.\r\n<P>\r\n",
        "<A NAME=\"p2\">"};
    const std::vector<std::size_t> places = Places(page, order);
    ASSERT_EQ(places.size(), order.size()) << page;
    EXPECT_NE(places.back(), std::string::npos) << page;
    EXPECT_EQ(page.find("<parlent>"), std::string::npos);

    // The menu's links stand under their scene's title.
    const std::string menu = Page("pMenu.htm");
    const std::vector<std::size_t> links =
        Places(menu, {"<i>12A. INT. CAF&Eacute; &amp; BAR - JOUR</i><br>", "plans.htm#p0",
                      "<br><i>13. EXT. &#321;&Oacute;D&#377; - NUIT (omise)</i><br>", "plans.htm#p1",
                      "<br><i>Sans sc&egrave;ne</i><br>", "plans.htm#p2"});
    ASSERT_EQ(links.size(), 6u) << menu;
    EXPECT_NE(links.back(), std::string::npos) << menu;
}

TEST_F(ScenePublishTest, TheContinuityAndBreakdownTablesHaveARowPerScene)
{
    Publish();
    const std::string continuity = Page("action.htm");
    const std::vector<std::size_t> rows = Places(
        continuity, {"<TR><TD colspan=3><b>12A. INT. CAF&Eacute; &amp; BAR - JOUR</b> &nbsp; Dur&eacute;e : 10s.<br>"
                     "\r\n<i>Ils &lt;parlent&gt;.",
                     "Elle entre.", "<TR><TD colspan=3><b>13. EXT. &#321;&Oacute;D&#377; - NUIT (omise)</b> &nbsp; "
                                    "Dur&eacute;e : 55s.</TD></TR>\r\n<TR>",
                     "Adieu", "<TR><TD colspan=3><b>Sans sc&egrave;ne</b>", "Noir"});
    ASSERT_EQ(rows.size(), 6u) << continuity;
    EXPECT_NE(rows.back(), std::string::npos) << continuity;

    const std::string breakdown = Page("ActDec.htm");
    const std::vector<std::size_t> breakdownRows =
        Places(breakdown, {"<TR><TD colspan=4><b>12A.", "Elle entre.", "<TR><TD colspan=4><b>13.", "Adieu",
                           "<TR><TD colspan=4><b>Sans sc&egrave;ne</b> &nbsp; Dur&eacute;e : 1m. 20s.", "Noir"});
    ASSERT_EQ(breakdownRows.size(), 6u) << breakdown;
    EXPECT_NE(breakdownRows.back(), std::string::npos) << breakdown;
}

TEST_F(ScenePublishTest, TheViewerShowsTheScenesHeadingAboveTheShot)
{
    if (std::system("node --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "node is not installed";
    Publish();
    const fs::path script = site_ / "vScript.js";
    EXPECT_EQ(RunViewerScript(script, "?0", "out.push(getName())"),
              "<H3>12A. INT. CAF\xC3\x89 &amp; BAR - JOUR</H3>\n<P>Dur&eacute;e : 10s.\n"
              "<div class=indent1>Ils &lt;parlent&gt;.<br>Longtemps.</div>\n<P><b>1. plan 1</b>|undefined\n");
    EXPECT_EQ(RunViewerScript(script, "?1", "out.push(getName())"),
              "<H3>13. EXT. \xC5\x81\xC3\x93" "D\xC5\xB9 - NUIT (omise)</H3>\n<P>Dur&eacute;e : 55s.\n<P><b>2. plan 2</b>"
              "|undefined\n");
    EXPECT_EQ(RunViewerScript(script, "?2", "out.push(getName())"),
              "<H3>Sans sc\xC3\xA8ne</H3>\n<P>Dur&eacute;e : 1m. 20s.\n<P><b>3. Noir</b>|undefined\n");
}

TEST_F(PublishTest, AProjectWithoutScenesHasNoScenesInItsPages)
{
    Publish();
    const std::string script = Page("vScript.js");
    EXPECT_EQ(script.find("scene"), std::string::npos);
    for (const char* name : {"action.htm", "ActDec.htm", "pMenu.htm"})
        EXPECT_EQ(Page(name).find("colspan=3><b>"), std::string::npos) << name;
}

TEST(PublishDatesTest, CurrentDatesAreFilled)
{
    const PublishDates dates = CurrentPublishDates();
    EXPECT_FALSE(dates.shortDate.empty());
    EXPECT_NE(dates.nowText.find(", "), std::string::npos);
}

} // namespace
} // namespace sw

// ------------------------------------------------ a project from elsewhere

namespace sw {
namespace {

class ReceivedProjectTest : public PublishTest {};

TEST_F(ReceivedProjectTest, APayloadInAPlainFieldIsShownNeverRun)
{
    const std::string payload = "\"><script>alert(1)</script><img src=x onerror=alert(2)>";
    project_.GenInfo.title = payload;
    project_.GenInfo.creator = payload;
    TEvent& shot = project_.EventList.Event(0);
    shot.name = payload;
    shot.cam.duration = payload;
    shot.cam.startImage = "a.jpg\" onerror=\"alert(3)";
    project_.Report.caption = payload;
    const std::vector<std::string> written = Publish();
    for (const std::string& name : written) {
        const std::string page = Page(name);
        EXPECT_EQ(page.find("<script>alert"), std::string::npos) << name;
        EXPECT_EQ(page.find("<img src=x"), std::string::npos) << name;
        EXPECT_EQ(page.find("\" onerror=\"alert"), std::string::npos) << name;
        EXPECT_EQ(page.find("\\\" onerror=\\\"alert"), std::string::npos) << name;
    }
    // Shown as typed: escaped where pasted.
    EXPECT_NE(Page("synops.htm").find("<H3>\"&gt;&lt;script&gt;alert(1)&lt;/script&gt;&lt;img src=x "
                                      "onerror=alert(2)&gt;</H3>"),
              std::string::npos);
    EXPECT_NE(Page("vScript.js").find("p[0].name= \"\\\"&gt;&lt;script&gt;alert\\(1\\)&lt;/script&gt;"), std::string::npos);
    const std::string script = Page("vScript.js");
    EXPECT_NE(script.find("p[0].pict= \"a.jpg&quot; onerror=&quot;alert(3)\""), std::string::npos);
    EXPECT_NE(Page("ActDec.htm").find("<div class=sTime>\"&gt;&lt;script&gt;"), std::string::npos);
}

TEST_F(ReceivedProjectTest, LayoutValuesAreLengthsAndTheReturnLinkAWebAddress)
{
    THTMPrefs& prefs = project_.HTMPrefs;
    prefs.frameSpecs.menuHeight = "20 onload=alert(1)";
    prefs.frameSpecs.borderVisible = true;
    prefs.frameSpecs.borderWidth = "2";
    prefs.pageSpecs.tableWidth = "90% onmouseover=alert(1)";
    prefs.pageSpecs.tableMargin = "7";
    prefs.coverSpecs.separatorWidth = "50%";
    prefs.menuSpecs.returnLink = true;
    prefs.menuSpecs.returnUrl = " JavaScript:alert(1)";
    THTMPublish publisher(project_, site_);
    publisher.Publish();
    EXPECT_EQ(publisher.Warnings(),
              (std::vector<std::string>{
                  "La mise en page donne « 20 onload=alert(1) » pour la hauteur du menu, qui n'est pas une longueur : "
                  "« 20 » est publié à la place.",
                  "L'adresse du lien de retour «  JavaScript:alert(1) » n'est ni relative, ni en http:, https: ou "
                  "mailto: : le lien de retour n'est pas publié.",
                  "La mise en page donne « 90% onmouseover=alert(1) » pour la largeur des tableaux, qui n'est pas une "
                  "longueur : « 90% » est publié à la place."}));
    EXPECT_NE(Page("index.html").find("<FRAMESET ROWS=\"*,20\""), std::string::npos);
    EXPECT_NE(Page("index.html").find("BORDER=2 FRAMEBORDER=2"), std::string::npos);
    EXPECT_NE(Page("action.htm").find("<table width=90% cellspacing=1 cellPadding=7"), std::string::npos);
    EXPECT_EQ(Page("menu.htm").find("alert"), std::string::npos);
    EXPECT_NE(Page("main.htm").find("<HR WIDTH=50%>"), std::string::npos);

    // A web address is linked, its quote and ampersand written for the attribute.
    prefs.menuSpecs.returnUrl = "https://example.org/?a=1&b=\"2\"";
    THTMPublish again(project_, site_);
    again.Publish();
    EXPECT_NE(Page("menu.htm").find("<A HREF=\"https://example.org/?a=1&amp;b=&quot;2&quot;\" target=\"_top\""),
              std::string::npos)
        << Page("menu.htm");
}

TEST_F(ReceivedProjectTest, HtmlFieldsKeepTheirFormattingAndLoseTheirScripts)
{
    const std::string payload = "<b>gras</b> <ul><li>un</li></ul><script>alert(1)</script>"
                                "<img src=x onerror=alert(2)><a href=\"javascript:alert(3)\">lien</a>"
                                "<iframe src=\"http://x\"></iframe><p style=\"width:expression(alert(4))\">p</p>";
    project_.GenInfo.idea = payload;
    project_.GenInfo.synopsis = payload;
    project_.GenInfo.comment = payload;
    project_.Report.text = payload;
    for (std::size_t index = 0; index < project_.EventList.Count(); ++index) {
        TEvent& shot = project_.EventList.Event(index);
        shot.action = shot.sound = shot.dialogue = shot.cam.effect = payload;
    }
    for (const bool noViewer : {false, true}) {
        project_.HTMPrefs.pageSpecs.noJSPlan = noViewer;
        const std::vector<std::string> written = Publish();
        for (const std::string& name : written) {
            const std::string page = Page(name);
            for (const char* active : {"<script>alert", "onerror", "javascript:alert", "<iframe", "expression("})
                EXPECT_EQ(page.find(active), std::string::npos) << name << ": " << active;
        }
        EXPECT_NE(Page("synops.htm").find("<b>gras</b> <ul><li>un</li></ul>"), std::string::npos);
        EXPECT_NE(Page("action.htm").find("<b>gras</b> <ul><li>un</li></ul>"), std::string::npos);
    }
    // The project itself is only read.
    EXPECT_EQ(project_.GenInfo.idea, payload);
}

TEST(LinkAddressTest, OnlyRelativeAndWebAddressesAreLinks)
{
    for (const char* safe : {"", "../index.html", "rapport.htm", "http://a.b/", "HTTPS://a.b", "mailto:x@y.z",
                             "dossier/a:b.htm", "?q=javascript:x", "#javascript:x"})
        EXPECT_TRUE(IsSafeLinkAddress(safe)) << safe;
    for (const char* unsafe : {"javascript:alert(1)", " JavaScript:x", "java\tscript:x", "java\nscript:x",
                               "\x01javascript:x", "vbscript:x", "data:text/html,<script>", "file:///etc/passwd"})
        EXPECT_FALSE(IsSafeLinkAddress(unsafe)) << unsafe;
}

TEST(HtmlLengthTest, NumbersPercentagesAndPixels)
{
    for (const char* length : {"", "0", "20", "90%", "1.5", "3*", "12px"})
        EXPECT_TRUE(IsHtmlLength(length)) << length;
    for (const char* other : {"%", ".", "20 onload=x", "90%\"", "1.2.3", "px", "-1", "12em", "1 0"})
        EXPECT_FALSE(IsHtmlLength(other)) << other;
}

} // namespace
} // namespace sw
