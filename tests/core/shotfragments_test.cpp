#include "publish/shotfragments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/error.h"
#include "model/eventlist.h"
#include "model/scene.h"
#include "model/shotfields.h"

namespace sw {
namespace {

TEvent& AddShot(TEventList& events, const std::string& action, const std::string& sound = {},
                const std::string& dialogue = {})
{
    TEvent& shot = events.AddEvent();
    shot.action = action;
    shot.sound = sound;
    shot.dialogue = dialogue;
    return shot;
}

TEST(ContinuityCellsTest, KindZeroGivesActionCellAndSoundDialogueCell)
{
    TEventList events;
    AddShot(events, "Elle entre.");
    AddShot(events, "Il sort.", "pluie", "Adieu");

    EXPECT_EQ(ContinuityCells(events, 0, CellLayout::ContinuityTable), "<TD vAlign=top>Elle entre.</TD>\r\n<TD vAlign=top>\r\n</TD>");
    EXPECT_EQ(ContinuityCells(events, 1, CellLayout::ContinuityTable),
              "<TD vAlign=top>Il sort.</TD>\r\n<TD vAlign=top><b>son: </b>pluie<br>\r\n<b>dialogue: </b>Adieu</TD>");
}

TEST(ContinuityCellsTest, KindOneKeepsTheActionHeadingAndPastesRaw)
{
    TEventList events;
    AddShot(events, "");
    AddShot(events, "a <i>b</i>\r\nc", "", "été");

    EXPECT_EQ(ContinuityCells(events, 0, CellLayout::BreakdownTable), "<TD vAlign=top>\r\n<b>action:</b> <br>\r\n\r\n\r\n</TD>");
    EXPECT_EQ(ContinuityCells(events, 1, CellLayout::BreakdownTable),
              "<TD vAlign=top>\r\n<b>action:</b> a <i>b</i>\r\nc<br>\r\n\r\n<b>dialogue: </b>été\r\n</TD>");
}

TEST(ImageBlockTest, ScaleAndPictureChooseTheBlock)
{
    TEventList events;
    AddShot(events, "Vue");
    AddShot(events, "Vue").cam.startImage = "a.jpg";

    EXPECT_EQ(ImageBlock(events, 0, 0), "<P class=center>\r\n");
    EXPECT_EQ(ImageBlock(events, 0, 3),
              "<P class=center>\r\n<DIV class=smallFrame></DIV><P class=note>Vue\r\n<BR>\r\n");
    EXPECT_EQ(ImageBlock(events, 1, 0), "<P class=center>\r\n<IMG SRC=\"img/a.jpg\" BORDER=0 >\r\n<BR>\r\n");
    EXPECT_EQ(ImageBlock(events, 1, 3), "<P class=center>\r\n<IMG SRC=\"img/a.jpg\" BORDER=0 width=120 height=90>\r\n"
                                        "<BR>\r\n<P class=note>Vue\r\n<BR>\r\n");
}

TEST(ImageBlockTest, TheEndPictureStandsBesideTheStartPicture)
{
    TEventList events;
    TEvent& both = AddShot(events, "Vue");
    both.cam.startImage = "a.jpg";
    both.cam.endImage = "b\".jpg";
    AddShot(events, "Fin").cam.endImage = "b.jpg";

    // At their own size, each takes half the column and links to itself.
    EXPECT_EQ(ImageBlock(events, 0, 0),
              "<P class=center>\r\n"
              "<A HREF=\"img/a.jpg\" TARGET=\"_blank\"><IMG SRC=\"img/a.jpg\" BORDER=0 "
              "style=\"max-width:48%;height:auto\"></A>\r\n"
              "<A HREF=\"img/b&quot;.jpg\" TARGET=\"_blank\"><IMG SRC=\"img/b&quot;.jpg\" BORDER=0 "
              "style=\"max-width:48%;height:auto\"></A>\r\n<BR>\r\n");
    EXPECT_EQ(ImageBlock(events, 0, 3), "<P class=center>\r\n<IMG SRC=\"img/a.jpg\" BORDER=0 width=120 height=90>\r\n"
                                        "<IMG SRC=\"img/b&quot;.jpg\" BORDER=0 width=120 height=90>\r\n"
                                        "<BR>\r\n<P class=note>Vue\r\n<BR>\r\n");
    // An end picture alone takes the start picture's place.
    EXPECT_EQ(ImageBlock(events, 1, 0), "<P class=center>\r\n<IMG SRC=\"img/b.jpg\" BORDER=0 >\r\n<BR>\r\n");
    EXPECT_EQ(ImageBlock(events, 1, 3), "<P class=center>\r\n<IMG SRC=\"img/b.jpg\" BORDER=0 width=120 height=90>\r\n"
                                        "<BR>\r\n<P class=note>Fin\r\n<BR>\r\n");
    // The plain shots page shows both at 160 x 120.
    const std::string page = ShotsPageBlocks(events);
    EXPECT_NE(page.find("<P class=center> <IMG SRC=\"img/a.jpg\" BORDER=1 WIDTH=160 HEIGHT=120 HSPACE=20 vSpace=10>"
                        " <IMG SRC=\"img/b&quot;.jpg\" BORDER=1 WIDTH=160 HEIGHT=120 HSPACE=20 vSpace=10> <BR CLEAR=ALL>"),
              std::string::npos);
    EXPECT_NE(page.find("<P class=center> <IMG SRC=\"img/b.jpg\" BORDER=1 WIDTH=160 HEIGHT=120 HSPACE=20 vSpace=10>"
                        " <BR CLEAR=ALL>"),
              std::string::npos);
}

TEST(ImageBlockTest, AWidePictureIsScaledToItsColumnWithALinkToItself)
{
    TEventList events;
    AddShot(events, "Vue").cam.startImage = "large.jpg";
    AddShot(events, "Vue").cam.startImage = "petite.jpg";
    std::vector<std::string> asked;
    const WidePictureTest isWide = [&asked](const std::string& name) {
        asked.push_back(name);
        return name == "large.jpg";
    };
    EXPECT_EQ(ImageBlock(events, 0, 0, isWide),
              "<P class=center>\r\n<A HREF=\"img/large.jpg\" TARGET=\"_blank\"><IMG SRC=\"img/large.jpg\" BORDER=0 "
              "style=\"max-width:100%;height:auto\"></A>\r\n<BR>\r\n");
    EXPECT_EQ(ImageBlock(events, 1, 0, isWide), "<P class=center>\r\n<IMG SRC=\"img/petite.jpg\" BORDER=0 >\r\n<BR>\r\n");
    // The storyboard's pictures have their own size: nothing is asked.
    asked.clear();
    ImageBlock(events, 0, 3, isWide);
    EXPECT_TRUE(asked.empty());
}

TEST(ImageBlockTest, APictureNameWithAQuoteOrBackslashBreaksNeitherAttributeNorScript)
{
    TEventList events;
    AddShot(events, "Vue").cam.startImage = "a\"b\\c.jpg";

    EXPECT_EQ(ImageBlock(events, 0, 0), "<P class=center>\r\n<IMG SRC=\"img/a&quot;b\\c.jpg\" BORDER=0 >\r\n<BR>\r\n");
    // The viewer pastes the name into an attribute: the quote is the
    // attribute's, the backslash the script's.
    EXPECT_NE(JSData(events).find("p[0].pict= \"a&quot;b\\\\c.jpg\"\r\n"), std::string::npos);
}

TEST(ShotCellTest, NumbersFromOneAndWrapsTheImageBlock)
{
    TEventList events;
    AddShot(events, "x");
    AddShot(events, "y").name = "Fin <b>";

    // The name is plain text.
    EXPECT_EQ(ShotCell(events, 1, 0), "<TD vAlign=top  width=20%>\r\n<span class=num><b>2. </b></span>Fin &lt;b&gt;<br>\r\n"
                                      "<P class=center>\r\n</TD>");
}

TEST(TimeTextTest, LoneDefaultShotInBothKinds)
{
    TEventList events;
    events.AddEvent();

    EXPECT_EQ(TimeText(events, 0, TimeTextForm::TableCell),
              "<TD vAlign=top>\r\n<div class=sTime>00s.</div>\r\n<br><b>Tot:</b><br> 0s.\r\n</TD>\r\n");
    EXPECT_EQ(TimeText(events, 0, TimeTextForm::Bare), "<span class=sTime>00s.</span><br>\r\n<b>cumul:</b><br>\r\n"
                                      "<span class=sTime>0s.</span>\r\n");
}

TEST(TimeTextTest, RunningTotalOfThePageWritersMatchesCumulText)
{
    TEventList events;
    const std::vector<std::string> durations = {" 10 ", "20\t", "abc", "31", "-5", "40000", "30000", "", "+7", "1.5"};
    for (const std::string& duration : durations)
        events.AddEvent().cam.duration = duration;

    RunningTime total;
    for (std::size_t index = 0; index < events.Count(); ++index) {
        total.Add(events.Event(index).cam.duration);
        EXPECT_EQ(total.PublishedText(), events.CumulText(index)) << "shot " << index;
    }
    // 10 + 20 + 31 + 40000 + 30000 wraps at 65536 seconds; -5 counts nothing.
    EXPECT_EQ(events.CumulText(6), "75m. 25s.");
}

TEST(CamTextTest, WithoutMovementTheMovementLineIsEmpty)
{
    TEventList events;
    events.AddEvent();

    EXPECT_EQ(CamText(events, 0, CamTextForm::Bare), "<b>C:</b> général<br>\r\n<b>A:</b> normal<br>\r\n<b>M:</b> <br>\r\n");
    EXPECT_EQ(CamText(events, 0, CamTextForm::TableCell), "<TD vAlign=top width=65%>\r\n<b>C:</b> général<br>\r\n<b>A:</b> normal<br>\r\n"
                                     "<b>M:</b> <br>\r\n</TD>\r\n");
}

TEST(CamTextTest, MovementsComeInPanTravellingZoomOrder)
{
    TEventList events;
    TCam& cam = events.AddEvent().cam;
    cam.framing = 6;
    cam.angle = 2;
    cam.pan = 2;
    cam.travel = 1;
    cam.zoom = 2;

    EXPECT_EQ(CamText(events, 0, CamTextForm::Bare), "<b>C:</b> gros plan<br>\r\n<b>A:</b> légère plongée<br>\r\n"
                                     "<b>M:</b> pan. vertical<br>\r\ntrav. avant<br>\r\nzoom arrière<br>\r\n<br>\r\n");
    cam.framing = 7;
    cam.pan = 0;
    cam.zoom = 0;
    EXPECT_EQ(CamText(events, 0, CamTextForm::Bare), "<b>C:</b> très gros plan<br>\r\n<b>A:</b> légère plongée<br>\r\n"
                                     "<b>M:</b> trav. avant<br>\r\n<br>\r\n");
}

TEST(EffectCellTest, EmptyWithoutNotes)
{
    TEventList events;
    events.AddEvent();
    events.AddEvent().cam.effect = "lent";

    EXPECT_EQ(EffectCell(events, 0), "");
    EXPECT_EQ(EffectCell(events, 1), "           <TD colSpan=2>\r\n           <div class=note><b>effet: </b>lent"
                                     "</div><br>\r\n           </TD>\r\n");
}

TEST(ShotLinksTest, ScriptAndPlainLinksUseTheZeroBasedIndex)
{
    TEventList events;
    for (int i = 0; i < 3; ++i)
        events.AddEvent();

    EXPECT_EQ(ShotLinks(events, false), "<a href=\"javaScript:getPlan(0)\">plan 1</a><br>\n"
                                        "<a href=\"javaScript:getPlan(1)\">plan 2</a><br>\n"
                                        "<a href=\"javaScript:getPlan(2)\">plan 3</a><br>\n");
    EXPECT_EQ(ShotLinks(events, true), "<a href=\"plans.htm#p0\" TARGET=\"pMain\">plan 1</a><br>\n"
                                       "<a href=\"plans.htm#p1\" TARGET=\"pMain\">plan 2</a><br>\n"
                                       "<a href=\"plans.htm#p2\" TARGET=\"pMain\">plan 3</a><br>\n");
    EXPECT_EQ(ShotLinks(TEventList(), false), "");
}

TEST(ShotsPageBlocksTest, OneBlockPerShotUnderItsAnchor)
{
    TEventList events;
    events.AddEvent().cam.duration = "50";
    TEvent& shot = AddShot(events, "Café", "Bruit", "Oui");
    shot.name = "Scène";
    shot.cam.duration = "15";
    shot.cam.startImage = "b.jpg";
    shot.cam.zoom = 1;

    const std::string second = ShotsPageBlocks(events).substr(ShotsPageBlocks(events).find("<A NAME=\"p1\">"));
    EXPECT_EQ(second, "<A NAME=\"p1\">\r\n<H4>Sc&egrave;ne</H4>\r\n"
                      "<DIV class=topLeft> \r\n"
                      "<P class=center> <IMG SRC=\"img/b.jpg\" BORDER=1 WIDTH=160 HEIGHT=120 HSPACE=20 vSpace=10> "
                      "<BR CLEAR=ALL>\r\n</DIV>\r\n"
                      "<DIV class=topMenu> \r\n<TABLE WIDTH=100%><TR><TD vAlign=top width=40%> \r\n<H5>CAM</H5>\r\n"
                      "<b>C:</b> général<br>\r\n<b>A:</b> normal<br>\r\n<b>M:</b> zoom avant<br>\r\n<br>\r\n</TD>\r\n"
                      "<TD vAlign=top> \r\n<H5>Temps</H5>\r\n"
                      "<span class=sTime>15s.</span><br>\r\n<b>cumul:</b><br>\r\n<span class=sTime>1m. 5s.</span>\r\n"
                      "</TD>\r\n</TR></TABLE>\r\n</DIV><br clear=all>\r\n"
                      "<DIV class=topLeft>\r\n<H5>Action</H5>\r\nCaf&eacute;</DIV>\r\n"
                      "<DIV class=topMenu>\r\n<H5>Son</H5>\r\nBruit\r\n<H5>Dialogue</H5>\r\nOui</DIV>\r\n"
                      "</A><br clear=all>\r\n<P class=vSpace1><HR WIDTH=400><P class=vSpace1>\r\n\r\n");

    const std::string first = ShotsPageBlocks(events).substr(0, ShotsPageBlocks(events).find("<A NAME=\"p1\">"));
    EXPECT_TRUE(first.starts_with("<A NAME=\"p0\">\r\n<H4>plan 1</H4>\r\n<DIV class=topLeft> \r\n\r\n</DIV>\r\n<DIV"));
    EXPECT_EQ(ShotsPageBlocks(TEventList()), "");
}

TEST(JSDataTest, EmptyProjectDeclaresAnEmptyArray)
{
    EXPECT_EQ(JSData(TEventList()),
              "var p = new Array();\nfunction pData(index, name, pict, action, snd, dlg, CAM, time){}\n\n");
}

TEST(JSDataTest, RecordsAreScriptEscaped)
{
    TEventList events;
    events.AddEvent();
    TEvent& second = AddShot(events, "ligne un\r\nligne (deux)\\", "", "Il dit \"non\"");
    second.name = "le \"plan\"";
    second.cam.startImage = "s.jpg";
    second.cam.endImage = "fin.jpg";
    second.cam.duration = "5";
    events.AddEvent();

    const std::string data = JSData(events);
    EXPECT_TRUE(data.starts_with(
              "var p = new Array(2);\nfunction pData(index, name, pict, action, snd, dlg, CAM, time){}\n\np[0]= new pData();"));
    const std::string expectedSecond =
        "p[1]= new pData();\r\n"
        "p[1].index= \"1\"\r\n"
        "p[1].name= \"le \\\"plan\\\"\"\r\n"
        "p[1].pict= \"s.jpg\"\r\n"
        "p[1].pictEnd= \"fin.jpg\"\r\n"
        "p[1].action= \"ligne unligne \\(deux\\)\"\r\n"
        "p[1].snd= \"\"\r\n"
        "p[1].dlg= \"Il dit \\\"non\\\"\"\r\n"
        "p[1].CAM= \"<b>C:</b> général<br><b>A:</b> normal<br><b>M:</b> <br>\"\r\n"
        "p[1].time= \"<span class=sTime>5s.</span><br><b>cumul:</b><br><span class=sTime>5s.</span>\";\r\n\n";
    const std::size_t start = data.find("p[1]= new pData();");
    const std::size_t end = data.find("p[2]= new pData();");
    ASSERT_NE(start, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(data.substr(start, end - start), expectedSecond);
    EXPECT_NE(data.find("p[0].pict= \"blank\"\r\np[0].pictEnd= \"blank\"\r\n"), std::string::npos);
    EXPECT_NE(data.find("p[2].index= \"2\"\r\n"), std::string::npos);
}

TEST(SceneHeadingTest, EachFormGivesTheTitleTimeAndSynopsisAsPlainText)
{
    const TScene scene{"scene-1", "4", "INT. <BAR> & SALLE - NUIT", "Ils \"boivent\".\r\nLongtemps.", false};
    // Past 65,536 seconds, unlike the site's running totals, which wrap.
    const SceneGroup group{&scene, 0, 2, 70000};
    EXPECT_EQ(SceneHeading(group, SceneHeadingForm::Block),
              "<H3>4. INT. &lt;BAR&gt; &amp; SALLE - NUIT</H3>\r\n<P>Dur&eacute;e : 1166m. 40s.\r\n"
              "<div class=indent1>Ils \"boivent\".\r\n<br>Longtemps.</div>\r\n<P>\r\n");
    EXPECT_EQ(SceneHeading(group, SceneHeadingForm::BreakdownRow),
              "<TR><TD colspan=4><b>4. INT. &lt;BAR&gt; &amp; SALLE - NUIT</b> &nbsp; Dur&eacute;e : 1166m. 40s.<br>\r\n"
              "<i>Ils \"boivent\".\r\n<br>Longtemps.</i></TD></TR>\r\n");
    // Shots of no scene, and a scene the screenplay no longer has.
    EXPECT_EQ(SceneHeading(SceneGroup{nullptr, 2, 1, 5}, SceneHeadingForm::ContinuityRow),
              "<TR><TD colspan=3><b>Sans sc&egrave;ne</b> &nbsp; Dur&eacute;e : 5s.</TD></TR>\r\n");
    const TScene omitted{"scene-2", "5", "EXT. RUE - JOUR", "", true};
    EXPECT_EQ(SceneHeading(SceneGroup{&omitted, 3, 1, 0}, SceneHeadingForm::Block),
              "<H3>5. EXT. RUE - JOUR (omise)</H3>\r\n<P>Dur&eacute;e : 0s.\r\n<P>\r\n");
}

TEST(ShotLinksTest, WithScenesEachGroupOfLinksFollowsItsScenesTitle)
{
    TEventList events;
    AddShot(events, "a").name = "Un";
    AddShot(events, "b").name = "Deux";
    AddShot(events, "c").name = "Trois";
    events.Event(1).scene = "s1";
    events.Event(2).scene = "s1";
    const std::vector<TScene> scenes = {{"s1", "1", "INT. CAVE - NUIT", "", false}};
    std::string links;
    AppendShotLinks(links, events, true, scenes);
    EXPECT_EQ(links, "<i>Sans sc&egrave;ne</i><br>\n<a href=\"plans.htm#p0\" TARGET=\"pMain\">Un</a><br>\n"
                     "<br><i>1. INT. CAVE - NUIT</i><br>\n<a href=\"plans.htm#p1\" TARGET=\"pMain\">Deux</a><br>\n"
                     "<a href=\"plans.htm#p2\" TARGET=\"pMain\">Trois</a><br>\n");
    // Without scenes, the links alone.
    std::string plain;
    AppendShotLinks(plain, events, true, {});
    EXPECT_EQ(plain, ShotLinks(events, true));
}

TEST(ShotFragmentsTest, IndexOutsideTheListFails)
{
    TEventList events;
    events.AddEvent();
    EXPECT_THROW(ShotCell(events, 1, 0), Error);
    EXPECT_THROW(TimeText(events, 5, TimeTextForm::Bare), Error);
    EXPECT_THROW(ContinuityCells(events, 1, CellLayout::ContinuityTable), Error);
}

} // namespace
} // namespace sw
