// The pocket plan: one HTML file that stands alone. Its page for a small
// project without pictures is compared byte for byte with
// tests/data/golden/pocket/plan.html (SHOTWEAVE_REGENERATE_GOLDEN=1 rewrites
// it, and fails); the other cases check what the page must never do (run or
// load anything) and how pictures, progress and colours are handled.

#include "publish/pocketplan.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "document/projectdocument.h"
#include "model/base64.h"
#include "model/error.h"
#include "publish/commandline.h"
#include "publish/pocketstyle.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenPlan = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "golden" / "pocket" / "plan.html";

std::string Html(const ProjectDocument& project, const PocketPlanOptions& options = {})
{
    const std::optional<PocketPlan> plan = MakePocketPlan(project, options);
    if (!plan)
        throw std::runtime_error("the plan was stopped");
    return plan->html;
}

// Three shots and the texts around them, with line breaks, markup, accents
// and characters that need escaping; no pictures.
ProjectDocument SmallProject()
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.GenInfo.title = "Le « parapluie » & co";
    project.GenInfo.creator = "Réalisation : Anne\r\nImage : Bob <b>";
    project.GenInfo.idea = "Une <i>idée</i> simple\nsur deux lignes";
    project.GenInfo.synopsis = "Il pleut.<ul>\r\n<li>un</li>\r\n<li>deux</li>\r\n</ul>";
    project.Report.caption = "Rapport de production:";
    project.Report.text = "Tout va bien.\r\nOu presque.";
    const char* const names[] = {"Réveil", "Le café \"noir\"", "Fin <3"};
    const char* const durations[] = {"6", "75", "plus tard"};
    for (int i = 0; i < 3; ++i) {
        TEvent& shot = project.EventList.AddEvent();
        shot.name = names[i];
        shot.action = i == 0 ? "Chambre.\r\nLe réveil sonne : <b>6 h 30</b>." : "Elle sort.";
        shot.sound = i == 1 ? "Pluie" : "";
        shot.dialogue = i == 2 ? "CLAIRE : « Enfin. »" : "";
        shot.cam.duration = durations[i];
        shot.cam.effect = i == 1 ? "fondu" : "";
        shot.cam.framing = static_cast<std::uint8_t>(i + 1);
        shot.cam.angle = static_cast<std::uint8_t>(i);
        shot.cam.pan = static_cast<std::uint8_t>(i == 1 ? 1 : 0);
        shot.cam.zoom = static_cast<std::uint8_t>(i == 2 ? 2 : 0);
    }
    return project;
}

TEST(PocketPlan, SmallProjectPageIsTheGoldenOne)
{
    const std::string html = Html(SmallProject());
    if (test::RegeneratingGolden()) {
        test::WriteAll(kGoldenPlan, html);
        FAIL() << "regenerated " << kGoldenPlan << ": review the diff before committing";
    }
    EXPECT_EQ(html, test::ReadAll(kGoldenPlan));
}

TEST(PocketPlan, HoldsEveryShotWithItsAnchorTimesAndFields)
{
    const std::string html = Html(SmallProject());
    EXPECT_NE(html.find("<html lang=\"fr\">"), std::string::npos);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("name=\"viewport\""), std::string::npos);
    for (const char* anchor : {"id=\"plan-1\"", "id=\"plan-2\"", "id=\"plan-3\"", "href=\"#plan-3\""})
        EXPECT_NE(html.find(anchor), std::string::npos) << anchor;
    EXPECT_NE(html.find("Le café \"noir\""), std::string::npos);
    EXPECT_NE(html.find("Fin &lt;3"), std::string::npos);
    // 6 s, then 75 s (1 min 15 s), then a duration that is no number and counts 0.
    EXPECT_NE(html.find("durée 6 s · cumul 6 s"), std::string::npos);
    EXPECT_NE(html.find("durée 1 min 15 s · cumul 1 min 21 s"), std::string::npos);
    EXPECT_NE(html.find("durée plus tard · cumul 1 min 21 s"), std::string::npos);
    EXPECT_NE(html.find("3 plans · durée totale 1 min 21 s"), std::string::npos);
    EXPECT_NE(html.find("<dt>Mouvements</dt><dd>panoramique "), std::string::npos);
    // Typed line breaks show, unless the markup lays out its own lines.
    EXPECT_NE(html.find("<div class=\"html lines\">Chambre.\r\nLe réveil sonne : <b>6 h 30</b>.</div>"),
              std::string::npos);
    EXPECT_NE(html.find("<div class=\"html\">Il pleut.<ul>"), std::string::npos);
    EXPECT_NE(html.find("<p class=\"author lines\">Réalisation : Anne\r\nImage : Bob &lt;b&gt;</p>"),
              std::string::npos);
    EXPECT_NE(html.find("<h2>Rapport de production</h2>"), std::string::npos);
    // The filter is hidden until the script shows it.
    EXPECT_NE(html.find("id=\"filtre\""), std::string::npos);
    EXPECT_NE(html.find("hidden>"), std::string::npos);
}

// The small project with its first two shots in a scene and its last in none.
ProjectDocument SmallProjectWithScenes()
{
    ProjectDocument project = SmallProject();
    project.Scenes = {{"scene-7", "1A", "INT. CHAMBRE - JOUR", "Claire <dort>.\r\nLongtemps.", false},
                      {"scene-8", "2", "EXT. RUE - NUIT", "", true}};
    project.EventList.Event(0).scene = "scene-7";
    project.EventList.Event(1).scene = "scene-7";
    return project;
}

// The levels of the page's headings, in their order.
std::vector<int> HeadingLevels(const std::string& html)
{
    std::vector<int> levels;
    for (std::size_t at = html.find("<h"); at != std::string::npos; at = html.find("<h", at + 2))
        if (at + 2 < html.size() && html[at + 2] >= '1' && html[at + 2] <= '6')
            levels.push_back(html[at + 2] - '0');
    return levels;
}

TEST(PocketPlan, ScenesGroupTheShotsUnderTheirHeadingsAfterAListOfScenes)
{
    const std::string html = Html(SmallProjectWithScenes());
    // The list of scenes, then each scene's section in order, its shots in it.
    const char* const order[] = {
        "<nav class=\"scenes\" aria-label=\"Scènes\">",
        "<li><a href=\"#scene-1\">1A. INT. CHAMBRE - JOUR</a> <span class=\"count\">· 2 plans · 1 min 21 s</span></li>",
        "<li><a href=\"#scene-2\">Sans scène</a> <span class=\"count\">· 1 plan · 0 s</span></li>",
        "<section class=\"scene\" id=\"scene-1\" aria-labelledby=\"scene-1-titre\">\n"
        "<h3 id=\"scene-1-titre\">1A. INT. CHAMBRE - JOUR</h3>\n<p class=\"times\">2 plans · durée 1 min 21 s</p>\n"
        "<p class=\"synopsis lines\">Claire &lt;dort&gt;.\r\nLongtemps.</p>\n",
        "id=\"plan-1\"", "id=\"plan-2\"", "</section>",
        "<section class=\"scene\" id=\"scene-2\"", "<h3 id=\"scene-2-titre\">Sans scène</h3>", "id=\"plan-3\"",
        "</section>", "id=\"storyboard\""};
    std::size_t from = 0;
    for (const char* text : order) {
        const std::size_t at = html.find(text, from);
        ASSERT_NE(at, std::string::npos) << text;
        from = at;
    }
    // An omitted scene that no shot names is not listed.
    EXPECT_EQ(html.find("EXT. RUE"), std::string::npos);
    // The shots' names one level down, their fields one further.
    EXPECT_NE(html.find("<h4 class=\"name\"><span class=\"num\">2</span>Le café \"noir\"</h4>"), std::string::npos);
    EXPECT_NE(html.find("<h5>Action</h5>"), std::string::npos);
    EXPECT_EQ(html.find("<h4>Action</h4>"), std::string::npos);
    // No heading skips a level on the way down.
    const std::vector<int> levels = HeadingLevels(html);
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.front(), 1);
    for (std::size_t i = 1; i < levels.size(); ++i)
        EXPECT_LE(levels[i], levels[i - 1] + 1) << "heading " << i;
    // The storyboard's tiles name their scene; the filter hides the scenes
    // it empties.
    EXPECT_NE(html.find("<span>1. Réveil</span><span class=\"scene-no\">Scène 1A</span>"), std::string::npos);
    EXPECT_NE(html.find("<span>3. Fin &lt;3</span></a>"), std::string::npos);
    EXPECT_NE(html.find("querySelectorAll('.scene')"), std::string::npos);
    EXPECT_NE(html.find(".scene>h3{"), std::string::npos);
}

// The page as chromium leaves it after typing words into the filter.
std::string FilteredInChromium(const std::string& html, const std::string& words)
{
    test::TemporaryFolder folder;
    std::string page = html;
    page.insert(page.rfind("</body>"), "<script>var input = document.getElementById('filtre'); input.value = '" + words
                                           + "'; input.dispatchEvent(new Event('input'));</script>\n");
    test::WriteAll(folder.Path() / "plan.html", page);
    const std::string command = "timeout 60 chromium --headless --no-sandbox --disable-gpu --dump-dom 'file://"
                                + (folder.Path() / "plan.html").string() + "' > '"
                                + (folder.Path() / "dom.html").string() + "' 2> /dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    return test::ReadAll(folder.Path() / "dom.html");
}

TEST(PocketPlan, TheFilterHidesTheScenesItEmpties)
{
    if (std::system("chromium --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed";
    const std::string dom = FilteredInChromium(Html(SmallProjectWithScenes()), "enfin");
    ASSERT_FALSE(dom.empty());
    // Only the third shot, of no scene, holds the word: the first scene and
    // its entry in the list hide, the second stays.
    EXPECT_NE(dom.find("<section class=\"scene\" id=\"scene-1\" aria-labelledby=\"scene-1-titre\" hidden=\"\">"),
              std::string::npos) << dom;
    EXPECT_NE(dom.find("<section class=\"scene\" id=\"scene-2\" aria-labelledby=\"scene-2-titre\">"), std::string::npos);
    EXPECT_NE(dom.find("<li hidden=\"\"><a href=\"#scene-1\">"), std::string::npos);
    EXPECT_NE(dom.find("<li><a href=\"#scene-2\">"), std::string::npos);
    EXPECT_NE(dom.find("<article class=\"shot\" id=\"plan-3\">"), std::string::npos);
}

TEST(PocketPlan, APlanWithoutScenesHasNoneOfTheScenesParts)
{
    const std::string html = Html(SmallProject());
    for (const char* part : {"class=\"scenes\"", "class=\"scene\"", "'.scene'", ".scene>h3", "<h5>", "scene-no"})
        EXPECT_EQ(html.find(part), std::string::npos) << part;
    EXPECT_EQ(HeadingLevels(html), (std::vector<int>{1, 2, 2, 2, 3, 4, 3, 4, 4, 4, 3, 4, 4, 2, 2}));
}

TEST(PocketPlan, AnEmptyProjectSaysSoAndHasNoReport)
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    const std::string html = Html(project);
    EXPECT_NE(html.find("Plan sans titre"), std::string::npos);
    EXPECT_NE(html.find("0 plans · durée totale 0 s"), std::string::npos);
    EXPECT_NE(html.find("Aucun plan."), std::string::npos);
    EXPECT_EQ(html.find("id=\"rapport\""), std::string::npos);
    EXPECT_EQ(html.find("href=\"#rapport\""), std::string::npos);
}

// What a project from someone else may carry, in every text the plan shows.
TEST(PocketPlan, NothingRunsAndNothingIsLoaded)
{
    const std::string payload = "<b>gras</b><script>alert(1)</script><img src=\"http://example.com/x.png\">"
                                "<img src=\"relatif.jpg\" onerror=\"alert(2)\"><a href=\"javascript:alert(3)\">a</a>"
                                "<p style=\"background:url(http://example.com/t.png)\">p</p>"
                                "<iframe src=\"https://example.com\"></iframe><link rel=stylesheet href=\"//x/y.css\">"
                                "<svg onload=alert(4)></svg>";
    const std::string text = "\"></title><script>alert(5)</script><style>";
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.StylePrefs.elements[0].fontFace = "Arial\"}</style><script>alert(6)</script>";
    project.GenInfo.title = text;
    project.GenInfo.creator = text;
    project.GenInfo.idea = payload;
    project.GenInfo.synopsis = payload;
    project.Report.caption = text;
    project.Report.text = payload;
    TEvent& shot = project.EventList.AddEvent();
    shot.name = text;
    shot.action = shot.sound = shot.dialogue = shot.cam.effect = payload;
    shot.cam.duration = text;
    const std::string html = Html(project);

    // One script: the plan's own, at the end.
    const std::size_t script = html.find("<script>");
    ASSERT_NE(script, std::string::npos);
    EXPECT_EQ(html.find("<script", script + 1), std::string::npos);
    EXPECT_GT(script, html.find("</main>"));
    EXPECT_EQ(html.find("<script>alert"), std::string::npos);
    EXPECT_EQ(html.find("alert(6)"), std::string::npos);
    for (const char* loading : {"http:", "https:", "//x/", "url(", "@import", "<iframe", "<link", "<svg",
                                "src=\"relatif", "onerror", "javascript:"})
        EXPECT_EQ(html.find(loading), std::string::npos) << loading;
    EXPECT_NE(html.find("<b>gras</b>"), std::string::npos);
    // The plain texts are shown as typed.
    EXPECT_NE(html.find("<h3><span class=\"num\">1</span>\"&gt;&lt;/title&gt;&lt;script&gt;alert(5)"),
              std::string::npos);
}

TEST(PocketPlan, ProjectColoursOnlyWhereTheyStayReadable)
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    TStylePrefs& style = project.StylePrefs;
    // Dark blue on pale yellow: readable, kept.
    style.BGSysCol = 0xE0FFFF;    // #ffffe0
    style.BodySysCol = 0x800000;  // #000080
    style.elements[1].colorValue = 0x00FFFF;  // yellow titles on pale yellow: not readable
    style.LinkSysColor = 0x000080;            // maroon links: readable
    std::string css = PocketStyleSheet(style);
    EXPECT_NE(css.find("--page:#ffffe0;--ink:#000080;--title:#000080;--link:#800000"), std::string::npos) << css;
    // Bright red links on pale yellow are not: the plan's own blue is.
    style.LinkSysColor = 0x0000FF;
    css = PocketStyleSheet(style);
    EXPECT_NE(css.find("--link:#0b57d0"), std::string::npos) << css;
    // Grey on grey: the plan's own palette.
    style.BGSysCol = 0x808080;
    style.BodySysCol = 0x909090;
    css = PocketStyleSheet(style);
    EXPECT_NE(css.find("--page:#ffffff;--ink:#1f1f24"), std::string::npos) << css;
    // Dark mode is always the plan's own.
    EXPECT_NE(css.find("@media (prefers-color-scheme:dark){:root{--page:#131316"), std::string::npos);
}

TEST(PocketPlan, ContrastRatioFollowsTheGuidelines)
{
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x123456, 0x123456), 1.0, 1e-9);
    // #767676 on white is the lightest grey that passes 4.5:1.
    EXPECT_GE(ContrastRatio(0x767676, 0xFFFFFF), 4.5);
    EXPECT_LT(ContrastRatio(0x777777, 0xFFFFFF), 4.5);
}

TEST(PocketPlan, FontsThatCouldLeaveTheStyleSheetAreNotUsed)
{
    TStylePrefs style;
    style.ApplyAppStyleTable();
    style.elements[0].fontFace = "Georgia";
    EXPECT_NE(PocketStyleSheet(style).find("--text-font:\"Georgia\", system-ui"), std::string::npos);
    style.elements[0].fontFace = "a;}body{display:none";
    const std::string css = PocketStyleSheet(style);
    EXPECT_EQ(css.find("body{display:none"), std::string::npos);
    EXPECT_NE(css.find("--text-font:system-ui"), std::string::npos);
}

// A project whose shots name pictures: two share one, one is missing, one
// is no plain name.
struct PictureProject {
    test::TemporaryFolder folder;
    ProjectDocument project;
    fs::path imgDir = folder.Path() / "img";

    PictureProject()
    {
        project.StylePrefs.ApplyAppStyleTable();
        fs::create_directories(imgDir);
        test::WriteAll(imgDir / "a.jpg", "A");
        test::WriteAll(imgDir / "b.jpg", "B");
        const char* const starts[] = {"a.jpg", "a.jpg", "absente.jpg", "../a.jpg"};
        const char* const ends[] = {"b.jpg", "", "", ""};
        for (int i = 0; i < 4; ++i) {
            TEvent& shot = project.EventList.AddEvent();
            shot.cam.startImage = starts[i];
            shot.cam.endImage = ends[i];
        }
    }
};

// A maker that "encodes" a file as its own bytes and counts its calls.
PocketPictureMaker CountingMaker(std::atomic<int>& calls)
{
    return [&calls](const fs::path& file) {
        ++calls;
        const std::string bytes = test::ReadAll(file);
        if (bytes == "B")
            throw Error("le décodeur refuse « b »");
        return PocketPictureSizes{{"full-" + bytes, 1024, 768}, {"thumb-" + bytes, 480, 360}};
    };
}

TEST(PocketPlan, EachPictureIsMadeOnceAndEmbedded)
{
    PictureProject pictures;
    std::atomic<int> calls{0};
    const std::optional<PocketPlan> plan =
        MakePocketPlan(pictures.project, {pictures.imgDir, CountingMaker(calls), {}});
    ASSERT_TRUE(plan);
    EXPECT_EQ(calls, 2);  // a.jpg and b.jpg; the missing and outside ones are not read
    const std::string full = "data:image/jpeg;base64," + Base64("full-A");
    const std::string thumb = "data:image/jpeg;base64," + Base64("thumb-A");
    // Shots 1 and 2 show a.jpg; the storyboard shows its thumbnail for both.
    std::size_t count = 0;
    for (std::size_t at = plan->html.find(full); at != std::string::npos; at = plan->html.find(full, at + 1))
        ++count;
    EXPECT_EQ(count, 2u);
    EXPECT_NE(plan->html.find(thumb + "\" width=\"480\" height=\"360\" alt=\"Plan 2\" decoding=\"async\">"),
              std::string::npos);
    EXPECT_NE(plan->html.find("width=\"1024\" height=\"768\" alt=\"Plan 1, image de début\""), std::string::npos);
    // What could not be embedded shows as its name and is told.
    EXPECT_NE(plan->html.find("Image « b.jpg » illisible"), std::string::npos);
    EXPECT_NE(plan->html.find("Image « absente.jpg » introuvable"), std::string::npos);
    ASSERT_EQ(plan->warnings.size(), 3u);
    EXPECT_NE(plan->warnings[0].find("le décodeur refuse « b »"), std::string::npos) << plan->warnings[0];
    EXPECT_NE(plan->warnings[1].find("absente.jpg"), std::string::npos);
    EXPECT_NE(plan->warnings[2].find("../a.jpg"), std::string::npos);
}

TEST(PocketPlan, ProgressIsToldOnTheCallingThreadAndCanStop)
{
    PictureProject pictures;
    std::atomic<int> calls{0};
    std::vector<std::pair<int, int>> steps;
    const auto caller = std::this_thread::get_id();
    bool sameThread = true;
    PocketPlanOptions options{pictures.imgDir, CountingMaker(calls), [&](int done, int total) {
                                  sameThread = sameThread && std::this_thread::get_id() == caller;
                                  steps.emplace_back(done, total);
                                  return true;
                              }};
    ASSERT_TRUE(MakePocketPlan(pictures.project, options));
    EXPECT_TRUE(sameThread);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), std::make_pair(0, 2));
    EXPECT_EQ(steps.back(), std::make_pair(2, 2));

    // Stopped: no plan, and WritePocketPlan writes no file.
    options.progress = [](int, int) { return false; };
    EXPECT_FALSE(MakePocketPlan(pictures.project, options));
    const fs::path out = pictures.folder.Path() / "plan.html";
    EXPECT_FALSE(WritePocketPlan(out, pictures.project, options));
    EXPECT_FALSE(fs::exists(out));
}

TEST(PocketPlan, ManyPicturesOnSeveralThreads)
{
    test::TemporaryFolder folder;
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    for (int i = 0; i < 64; ++i) {
        test::WriteAll(folder.Path() / ("p" + std::to_string(i) + ".jpg"), std::to_string(i));
        project.EventList.AddEvent().cam.startImage = "p" + std::to_string(i) + ".jpg";
    }
    std::mutex mutex;
    std::set<std::string> made;
    const PocketPictureMaker maker = [&](const fs::path& file) {
        const std::lock_guard lock(mutex);
        made.insert(file.filename().string());
        return PocketPictureSizes{{"x" + test::ReadAll(file), 1, 1}, {"y", 1, 1}};
    };
    const std::optional<PocketPlan> plan = MakePocketPlan(project, {folder.Path(), maker, {}});
    ASSERT_TRUE(plan);
    EXPECT_EQ(made.size(), 64u);
    EXPECT_TRUE(plan->warnings.empty());
    // Each shot got its own picture, in order.
    std::size_t at = 0;
    for (int i = 0; i < 64; ++i) {
        at = plan->html.find("data:image/jpeg;base64," + Base64("x" + std::to_string(i)) + "\"", at);
        ASSERT_NE(at, std::string::npos) << i;
    }
}

TEST(PocketPlan, WrittenThroughTheCommandLine)
{
    test::TemporaryFolder folder;
    const fs::path projectFile = folder.Path() / "court.vid";
    fs::copy_file(fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage" / "court.vid", projectFile);
    const fs::path out = folder.Path() / "plan de poche.html";
    std::ostringstream output;
    std::ostringstream errors;
    EXPECT_EQ(RunCommandLine({"--share", projectFile.string(), out.string()}, output, errors), 0) << errors.str();
    EXPECT_EQ(output.str(), out.string() + "\n");
    const std::string html = test::ReadAll(out);
    EXPECT_NE(html.find("Réveil"), std::string::npos);
    // Without the program's picture maker, and here without the site's
    // pictures, each picture is told.
    EXPECT_NE(errors.str().find("shotweave: attention : L'image « plan1.jpg »"), std::string::npos) << errors.str();

    // Never onto the project itself, and a clear usage complaint.
    std::ostringstream none;
    std::ostringstream refused;
    EXPECT_EQ(RunCommandLine({"--share", projectFile.string(), projectFile.string()}, none, refused), 1);
    EXPECT_NE(refused.str().find("est le projet lui-même"), std::string::npos) << refused.str();
    std::ostringstream usage;
    EXPECT_EQ(RunCommandLine({"--share", projectFile.string()}, none, usage), 2);
    EXPECT_NE(usage.str().find("--share prend un fichier de projet et un fichier de sortie"), std::string::npos);
}

TEST(Base64, MatchesTheStandardsVectors)
{
    EXPECT_EQ(Base64(""), "");
    EXPECT_EQ(Base64("f"), "Zg==");
    EXPECT_EQ(Base64("fo"), "Zm8=");
    EXPECT_EQ(Base64("foo"), "Zm9v");
    EXPECT_EQ(Base64("foob"), "Zm9vYg==");
    EXPECT_EQ(Base64("fooba"), "Zm9vYmE=");
    EXPECT_EQ(Base64("foobar"), "Zm9vYmFy");
    EXPECT_EQ(Base64(std::string("\xFB\xFF\x00", 3)), "+/8A");
    std::string appended = "data:";
    AppendBase64(appended, "fooba");
    EXPECT_EQ(appended, "data:Zm9vYmE=") << "what comes before stays";
}

} // namespace
} // namespace sw
