#include "printout/printout.h"

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QPdfWriter>

#include <gtest/gtest.h>

#include "worldwords.h"

#include <algorithm>

#include "model/cp1252.h"
#include "model/error.h"
#include "printouttestkit.h"

namespace sw::printout::test {
namespace {

constexpr int kShots = 13;

// About 3,000 characters of numbered words, so that a lost or misplaced line shows.
std::string LongAction()
{
    std::string action;
    for (int word = 1; action.size() < 3000; ++word)
        action += "Élan" + std::to_string(word) + " vers la fenêtre, ";
    return action;
}

std::string ShotName(int index)
{
    return "Plan n°" + std::to_string(index + 1) + " : la cour";
}

// 13 shots: the first with the long action and nothing else to say, the others
// with every text; every shot a start picture, every third an end picture, and
// shot 5 a picture that is not in the image folder.
ProjectDocument MakeProject(const fs::path& imgDir)
{
    fs::create_directories(imgDir);
    ProjectDocument project;
    project.GenInfo.title = "Le grand été";
    project.GenInfo.creator = "Anne Martin\r\nBruno Lévy";
    project.GenInfo.idea = "Une idée simple : la pluie revient.";
    project.GenInfo.synopsis = "Il pleut sur la ville.\r\n\r\nPuis le soleil revient sur la cour.";
    for (int index = 0; index < kShots; ++index) {
        TEvent& shot = project.EventList.AddEvent();
        shot.name = ShotName(index);
        shot.cam.duration = std::to_string(4 + index);
        shot.cam.framing = static_cast<std::uint8_t>(index % 8);
        shot.cam.pan = static_cast<std::uint8_t>(index % 4);
        if (index == 0) {
            shot.action = LongAction();
        } else {
            shot.action = "Elle entre dans la pièce " + std::to_string(index) + ".\r\nElle s'assoit.";
            shot.sound = "Pluie forte " + std::to_string(index);
            shot.dialogue = "Lui : Tu viens " + std::to_string(index) + " ?";
            shot.cam.effect = "Lumière douce " + std::to_string(index);
        }
        shot.cam.startImage = "debut" + std::to_string(index) + ".jpg";
        WritePicture(imgDir / shot.cam.startImage, 1600, 1200, index);
        if (index % 3 == 0) {
            shot.cam.endImage = "fin" + std::to_string(index) + ".jpg";
            WritePicture(imgDir / shot.cam.endImage, 1200, 1600, index + 50);
        }
    }
    project.EventList.Event(4).cam.startImage = "absente.jpg";
    return project;
}

PlanOptions OnlyStoryboard(int columns, int rows)
{
    PlanOptions options;
    options.firstPage = options.continuity = options.breakdown = false;
    options.grid = {columns, rows};
    return options;
}

class PrintoutTest : public ::testing::Test {
protected:
    fs::path ImgDir() const { return scratch_.Path() / "images"; }
    fs::path Write(const std::string& name, const PlanOptions& options)
    {
        const fs::path pdf = scratch_.Path() / name;
        EXPECT_TRUE(WritePlanPdf(pdf, project_, ImgDir(), options));
        return pdf;
    }

    ScratchFolder scratch_;
    ProjectDocument project_ = MakeProject(ImgDir());
};

TEST_F(PrintoutTest, EveryTextIsPrintedWhole)
{
    const fs::path pdf = Write("plan.pdf", PlanOptions());
    // Content order keeps each cell's lines together, whatever the columns.
    std::string text = WithoutBlanks(CommandOutput("pdftotext -raw " + Quoted(pdf) + " -"));
    // A row going on over the next page has that page's header and headings within it.
    for (const std::string& heading : {WithoutBlanks(project_.GenInfo.title),
                                       std::string("N°NomActionSonDialogue")})
        for (std::size_t at; (at = text.find(heading)) != std::string::npos;)
            text.erase(at, heading.size());
    text = ReplaceAll(text, "page\\d+/\\d+", "");
    for (std::size_t index = 0; index < project_.EventList.Count(); ++index) {
        const TEvent& shot = project_.EventList.Event(index);
        for (const std::string* field : {&shot.name, &shot.action, &shot.sound, &shot.dialogue, &shot.cam.effect})
            EXPECT_NE(text.find(WithoutBlanks(*field)), std::string::npos)
                << "shot " << index + 1 << ": " << *field;
    }
    for (const char* expected : {"Anne Martin", "Bruno Lévy", "la pluie revient", "Puis le soleil revient"})
        EXPECT_NE(text.find(WithoutBlanks(expected)), std::string::npos) << expected;
}

// The fields that are HTML by design print formatted and cleaned; the plain
// ones (a shot's name) print as typed, markup included.
TEST_F(PrintoutTest, HtmlFieldsPrintFormattedAndPlainFieldsAsTyped)
{
    TEvent& shot = project_.EventList.Event(1);
    shot.name = "Plan <b>gras</b> & bout";
    shot.action = "<b>fort</b> &amp; <i>doux</i><script>cache()</script>"
                  "<img src=\"/etc/hostname\"><table><tr><td>cellule A</td><td>cellule B</td></tr></table>";
    shot.sound = "<ol><li>premier son</li><li>second son</li></ol>";
    const std::string text = CommandOutput("pdftotext -raw " + Quoted(Write("html.pdf", PlanOptions())) + " -");
    // The narrow name column wraps the name.
    EXPECT_NE(WithoutBlanks(text).find("Plan<b>gras</b>&bout"), std::string::npos);
    EXPECT_NE(text.find("fort & doux"), std::string::npos);
    EXPECT_NE(text.find("cellule A"), std::string::npos);
    EXPECT_NE(text.find("cellule B"), std::string::npos);
    EXPECT_NE(text.find("1. premier son"), std::string::npos) << text.substr(0, 2000);
    EXPECT_NE(text.find("2. second son"), std::string::npos);
    for (const char* gone : {"cache()", "<b>fort", "&amp;", "<ol>", "<td>"})
        EXPECT_EQ(text.find(gone), std::string::npos) << gone;
}

// The plan is drawn with DejaVu Sans, which holds Latin, Greek, Cyrillic,
// Armenian and Georgian; what it lacks is left to Qt's font fallback, and no
// character is ever printed as "?".
TEST_F(PrintoutTest, WordsOfEveryScriptArePrinted)
{
    const std::string words = swtest::kWorldWords;
    project_.GenInfo.title = "Un film de " + words;
    project_.GenInfo.creator = words;
    project_.EventList.Event(0).name = words;
    project_.EventList.Event(0).action = words;
    // The only question marks of the plan are those of the dialogues.
    for (std::size_t i = 0; i < project_.EventList.Count(); ++i)
        project_.EventList.Event(i).dialogue.clear();
    const fs::path pdf = Write("monde.pdf", PlanOptions());
    const std::string text = CommandOutput("pdftotext -raw " + Quoted(pdf) + " -");
    const auto count = [&text](const std::string& word) {
        int found = 0;
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
            ++found;
        return found;
    };
    // The title heads every page; the authors, the name and the action are
    // on the first page and in the tables.
    for (const char* word : swtest::kPrintedWorldWords)
        EXPECT_GE(count(word), 4) << word << "\n" << text.substr(0, 2000);
    EXPECT_EQ(text.find('?'), std::string::npos) << text.substr(0, 2000);
    const std::string info = CommandOutput("pdfinfo " + Quoted(pdf));
    EXPECT_NE(info.find("Un film de " + words), std::string::npos) << info;
    // Its first pages, to look at.
    if (const char* folder = std::getenv("SHOTWEAVE_SCREENSHOTS"); folder && *folder)
        CommandOutput("pdftoppm -r 60 -l 2 -png " + Quoted(pdf) + " " + Quoted(fs::path(folder) / "monde"));
}

TEST_F(PrintoutTest, EveryPageIsHeadedAndNumbered)
{
    const fs::path pdf = Write("plan.pdf", PlanOptions());
    const int pages = PageCount(pdf);
    ASSERT_GT(pages, 4);
    const std::string text = CommandOutput("pdftotext -layout " + Quoted(pdf) + " -");
    std::istringstream byPage(text);
    int page = 0;
    for (std::string pageText; std::getline(byPage, pageText, '\f') && page < pages;) {
        ++page;
        EXPECT_NE(pageText.find("Le grand été"), std::string::npos) << "page " << page;
        EXPECT_NE(pageText.find("page " + std::to_string(page) + " / " + std::to_string(pages)), std::string::npos)
            << "page " << page;
    }
    EXPECT_EQ(page, pages);
}

TEST_F(PrintoutTest, TitleAuthorsAndPaperGoInTheFile)
{
    const fs::path a4 = Write("a4.pdf", PlanOptions());
    const std::string info = CommandOutput("pdfinfo " + Quoted(a4));
    EXPECT_TRUE(Contains(info, "Title:\\s+Le grand été\n")) << info;
    EXPECT_NE(info.find("Anne Martin, Bruno Lévy"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    PlanOptions letter;
    letter.paper = PlanPaper::Letter;
    EXPECT_NE(CommandOutput("pdfinfo " + Quoted(Write("letter.pdf", letter))).find("(letter)"), std::string::npos);
}

TEST_F(PrintoutTest, TheMetadataNamesTheTitleAndEachAuthor)
{
    project_.GenInfo.title = "Le grand été & <la pluie>";
    const std::string meta = CommandOutput("pdfinfo -meta " + Quoted(Write("meta.pdf", PlanOptions())));
    const auto has = [&meta](const std::string& pattern) { return Contains(meta, pattern); };
    EXPECT_TRUE(has("<dc:title>\\s*<rdf:Alt>\\s*<rdf:li xml:lang=\"x-default\">"
                    "Le grand été &amp; &lt;la pluie&gt;</rdf:li>"))
        << meta;
    EXPECT_TRUE(has("<dc:creator>\\s*<rdf:Seq>\\s*<rdf:li>Anne Martin</rdf:li>\\s*<rdf:li>Bruno Lévy</rdf:li>"
                    "\\s*</rdf:Seq>\\s*</dc:creator>"))
        << meta;
    EXPECT_TRUE(has("<pdf:Producer>Qt 6[.0-9]*</pdf:Producer>")) << meta;
    EXPECT_TRUE(has("<xmp:CreatorTool>Shotweave</xmp:CreatorTool>")) << meta;
    EXPECT_TRUE(has("<xmp:CreateDate>\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ</xmp:CreateDate>")) << meta;

    // A film without authors has no dc:creator.
    project_.GenInfo.creator.clear();
    const std::string alone = CommandOutput("pdfinfo -meta " + Quoted(Write("alone.pdf", PlanOptions())));
    EXPECT_NE(alone.find("<dc:title>"), std::string::npos) << alone;
    EXPECT_EQ(alone.find("dc:creator"), std::string::npos) << alone;
}

TEST_F(PrintoutTest, TheGridSetsTheStoryboardPages)
{
    const std::vector<std::pair<PanelGrid, int>> expected = {{{1, 1}, 13}, {{2, 2}, 4}, {{2, 3}, 3}, {{3, 4}, 2}};
    for (const auto& [grid, pages] : expected) {
        const std::string name = std::to_string(grid.columns) + "x" + std::to_string(grid.rows) + ".pdf";
        EXPECT_EQ(PageCount(Write(name, OnlyStoryboard(grid.columns, grid.rows))), pages) << name;
    }
}

struct EmbeddedPicture {
    int width;
    int height;
    int xPpi;
    int yPpi;
    int object;  // the PDF object: the same for each placement of one embedded picture
};

// The rows of pdfimages -list: page num type width height color comp bpc enc
// interp object ID x-ppi y-ppi size ratio.
std::vector<EmbeddedPicture> EmbeddedPictures(const fs::path& pdf)
{
    std::istringstream lines(CommandOutput("pdfimages -list " + Quoted(pdf)));
    std::vector<EmbeddedPicture> pictures;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;)
            words.push_back(word);
        if (words.size() < 14 || words[2] != "image")
            continue;
        pictures.push_back(
            {std::stoi(words[3]), std::stoi(words[4]), std::stoi(words[12]), std::stoi(words[13]), std::stoi(words[10])});
    }
    return pictures;
}

TEST_F(PrintoutTest, PicturesAreEmbeddedAtNoMoreThan200Dpi)
{
    // 12 start pictures found (one is missing) and 5 end pictures, in each part that shows them.
    for (const auto& [grid, count] : std::vector<std::pair<PanelGrid, std::size_t>>{{{1, 1}, 17}, {{3, 4}, 17}}) {
        const auto pictures = EmbeddedPictures(Write("pictures.pdf", OnlyStoryboard(grid.columns, grid.rows)));
        EXPECT_EQ(pictures.size(), count);
        for (const EmbeddedPicture& picture : pictures) {
            EXPECT_LE(picture.xPpi, 201);
            EXPECT_LE(picture.yPpi, 201);
            // Scaled down to the panel, not embedded at the size of the file.
            EXPECT_LT(std::max(picture.width, picture.height), 1600);
        }
    }
    PlanOptions breakdown;
    breakdown.firstPage = breakdown.continuity = breakdown.storyboard = false;
    const auto pictures = EmbeddedPictures(Write("breakdown.pdf", breakdown));
    EXPECT_EQ(pictures.size(), 12u);
    for (const EmbeddedPicture& picture : pictures)
        EXPECT_LE(picture.xPpi, 201);
}

TEST_F(PrintoutTest, APictureThatRecursIsEmbeddedOnce)
{
    for (std::size_t index = 0; index < project_.EventList.Count(); ++index) {
        project_.EventList.Event(index).cam.startImage = "debut1.jpg";
        project_.EventList.Event(index).cam.endImage.clear();
    }
    const auto pictures = EmbeddedPictures(Write("recurring.pdf", OnlyStoryboard(2, 3)));
    ASSERT_EQ(pictures.size(), static_cast<std::size_t>(kShots));
    for (const EmbeddedPicture& picture : pictures)
        EXPECT_EQ(picture.object, pictures.front().object);
    // The file holds the picture once, not once per shot.
    const auto once = fs::file_size(Write("once.pdf", OnlyStoryboard(2, 3)));
    project_.EventList.Event(0).cam.startImage = "debut2.jpg";
    const auto twice = fs::file_size(Write("twice.pdf", OnlyStoryboard(2, 3)));
    EXPECT_GT(twice, once);
    EXPECT_LT(twice, once * 2 + 200'000);
}

TEST_F(PrintoutTest, AMissingPictureShowsItsName)
{
    const fs::path pdf = Write("plan.pdf", OnlyStoryboard(2, 3));
    EXPECT_NE(CommandOutput("pdftotext -layout " + Quoted(pdf) + " -").find("image introuvable : absente.jpg"),
              std::string::npos);
}

TEST_F(PrintoutTest, APanelTooSmallForItsActionSaysWhereTheWholeTextIs)
{
    // The first shot's action is long: at 3 x 4 it overflows its panel.
    PlanOptions withContinuity = OnlyStoryboard(3, 4);
    withContinuity.continuity = true;
    const std::string text = CommandOutput("pdftotext -raw " + Quoted(Write("suite.pdf", withContinuity)) + " -");
    EXPECT_NE(text.find("…\n(texte complet dans la continuité)"), std::string::npos) << text.substr(0, 3000);
    const std::size_t notes = std::count(text.begin(), text.end(), '(');
    EXPECT_LT(notes, project_.EventList.Count()) << "only the panels whose text overflows have the note";

    const std::string alone = CommandOutput("pdftotext -raw " + Quoted(Write("seul.pdf", OnlyStoryboard(3, 4))) + " -");
    EXPECT_NE(alone.find("(texte abrégé)"), std::string::npos) << "no continuity to point at";
    EXPECT_EQ(alone.find("continuité)"), std::string::npos);
}

TEST_F(PrintoutTest, AStoppedPrintingLeavesNoFile)
{
    const fs::path pdf = scratch_.Path() / "arrete.pdf";
    int calls = 0;
    int lastTotal = 0;
    const bool finished = WritePlanPdf(pdf, project_, ImgDir(), PlanOptions(), [&](int done, int total) {
        ++calls;
        lastTotal = total;
        EXPECT_EQ(done, calls);
        return done < 2;
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(calls, 2);
    EXPECT_GT(lastTotal, 2);
    for (const auto& entry : fs::directory_iterator(scratch_.Path()))
        EXPECT_EQ(entry.path().filename(), "images") << entry.path();
}

TEST_F(PrintoutTest, TheProgressCountsEveryPage)
{
    std::vector<int> done;
    const fs::path pdf = scratch_.Path() / "plan.pdf";
    EXPECT_TRUE(WritePlanPdf(pdf, project_, ImgDir(), PlanOptions(), [&](int page, int total) {
        done.push_back(page);
        EXPECT_GE(total, page);
        return true;
    }));
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.back(), PageCount(pdf));
    EXPECT_EQ(static_cast<int>(done.size()), PageCount(pdf));
}

TEST_F(PrintoutTest, AFileThatCannotBeWrittenIsNamedInTheError)
{
    const fs::path pdf = scratch_.Path() / "absent" / "plan.pdf";
    try {
        WritePlanPdf(pdf, project_, ImgDir(), PlanOptions());
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("Le fichier « plan.pdf » ne peut pas être écrit : "),
                  std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(fs::exists(pdf));
}

// Page images of each part, to look at: into $SHOTWEAVE_SCREENSHOTS, or a
// temporary folder that the test removes.
// ------------------------------------------------------------------ scenes

// The project's shots in three scenes, the fourth scene omitted, and the last
// shots in none.
void GiveScenes(ProjectDocument& project)
{
    project.Scenes = {{"scene-1", "1", "INT. CUISINE - JOUR", "", false},
                      {"scene-2", "2A", "EXT. COUR - NUIT", "La pluie.", false},
                      {"scene-3", "3", "INT. ESCALIER - NUIT", "", true}};
    for (std::size_t index = 0; index < project.EventList.Count(); ++index)
        project.EventList.Event(index).scene = index < 2 ? "scene-1" : index < 7 ? "scene-2" : index < 10 ? "scene-3" : "";
}

// The text of the tables without what each page repeats: the page's header and
// the table's headings.
std::string TablesText(const fs::path& pdf, const std::string& title)
{
    // The fonts' "ff" ligature comes back as one character.
    std::string text =
        ReplaceAll(WithoutBlanks(CommandOutput("pdftotext -raw " + Quoted(pdf) + " -")), "\uFB00", "ff");
    for (const std::string& repeated : {WithoutBlanks(title), std::string("N°NomActionSonDialogue"),
                                        std::string("N°NomImagededébutCaméraDuréeEffets")})
        for (std::size_t at; (at = text.find(repeated)) != std::string::npos;)
            text.erase(at, repeated.size());
    return ReplaceAll(text, "page\\d+/\\d+", "");
}

PlanOptions OnlyTables()
{
    PlanOptions options;
    options.firstPage = options.storyboard = false;
    return options;
}

TEST_F(PrintoutTest, TheTablesHeadEachSceneWithItsTitleAndRunningTime)
{
    GiveScenes(project_);
    const fs::path pdf = Write("scenes.pdf", OnlyTables());
    const std::string text = TablesText(pdf, project_.GenInfo.title);
    // Each table: every scene's line before its first shot and after the
    // shots before it; shots 1 and 2 take 9 s, 3 to 7 40 s, 8 to 10 36 s,
    // 11 to 13 45 s.
    const std::vector<std::string> headings = {
        WithoutBlanks("1. INT. CUISINE - JOUR 9s."),           WithoutBlanks("2A. EXT. COUR - NUIT 40s."),
        WithoutBlanks("3. INT. ESCALIER - NUIT (omise) 36s."), WithoutBlanks("Sans scène 45s."),
    };
    const std::vector<std::size_t> firstShots = {0, 2, 7, 10};
    std::size_t from = 0;
    for (const char* table : {"Continuité", "Découpagetechnique"}) {
        from = text.find(table, from);
        ASSERT_NE(from, std::string::npos) << table;
        for (std::size_t scene = 0; scene < headings.size(); ++scene) {
            const std::size_t heading = text.find(headings[scene], from);
            ASSERT_NE(heading, std::string::npos) << table << ": " << headings[scene] << "\n" << text;
            const std::size_t shot = text.find(WithoutBlanks(ShotName(static_cast<int>(firstShots[scene]))), heading);
            ASSERT_NE(shot, std::string::npos) << table << ": " << headings[scene];
            if (firstShots[scene] > 0) {
                const std::string before = WithoutBlanks(ShotName(static_cast<int>(firstShots[scene]) - 1));
                const std::size_t previous = text.rfind(before, heading);
                EXPECT_TRUE(previous != std::string::npos && previous >= from) << table << ": " << before;
            }
            from = shot;
        }
    }
}

// The words of the tables, sorted, without those every page repeats (its
// header, the table's headings), whose count follows the page breaks.
std::multiset<std::string> TablesWords(const fs::path& pdf, const std::string& title)
{
    std::set<std::string> repeated = {"page", "N°", "Nom", "Action", "Son", "Dialogue", "Image", "de", "début",
                                      "Caméra", "Durée", "Effets"};
    std::istringstream titleWords(title);
    for (std::string word; titleWords >> word;)
        repeated.insert(word);
    std::multiset<std::string> words;
    // The fonts' "ff" ligature comes back as one character.
    std::istringstream text(ReplaceAll(CommandOutput("pdftotext -raw " + Quoted(pdf) + " -"), "\uFB00", "ff"));
    for (std::string word; text >> word;)
        if (!repeated.contains(word) && !Contains(word, "^\\d+/\\d+$"))
            words.insert(word);
    return words;
}

TEST_F(PrintoutTest, AProjectWithoutScenesPrintsTheSameWordsAsWithScenesBarTheirLines)
{
    const std::multiset<std::string> without = TablesWords(Write("without.pdf", OnlyTables()), project_.GenInfo.title);
    GiveScenes(project_);
    std::multiset<std::string> with = TablesWords(Write("with.pdf", OnlyTables()), project_.GenInfo.title);
    // Each scene's line, once in each table.
    for (int table = 0; table < 2; ++table)
        for (const char* line : {"1. INT. CUISINE - JOUR 9s.", "2A. EXT. COUR - NUIT 40s.",
                                 "3. INT. ESCALIER - NUIT (omise) 36s.", "Sans scène 45s."}) {
            std::istringstream words(line);
            for (std::string word; words >> word;) {
                const auto found = with.find(word);
                ASSERT_NE(found, with.end()) << word;
                with.erase(found);
            }
        }
    EXPECT_EQ(with, without);
    EXPECT_FALSE(without.contains("scène"));
}

TEST_F(PrintoutTest, EachStoryboardPanelNamesItsScene)
{
    GiveScenes(project_);
    const fs::path pdf = Write("board.pdf", OnlyStoryboard(2, 2));
    const std::string text = WithoutBlanks(CommandOutput("pdftotext -raw " + Quoted(pdf) + " -"));
    std::size_t from = 0;
    for (const char* label : {"scène1·durée:4s", "scène1·durée:5s", "scène2A·durée:6s", "scène3·durée:13s"}) {
        from = text.find(WithoutBlanks(label), from);
        EXPECT_NE(from, std::string::npos) << label << "\n" << text;
    }
    // A shot of no scene has no scene to name.
    const std::size_t noScene = text.find(WithoutBlanks("durée : 14 s"));
    ASSERT_NE(noScene, std::string::npos);
    EXPECT_EQ(text.substr(noScene - 12, 12).find("scène"), std::string::npos) << text.substr(noScene - 20, 40);
}

TEST_F(PrintoutTest, PageImagesOfEachPart)
{
    const char* wanted = std::getenv("SHOTWEAVE_SCREENSHOTS");
    const fs::path folder = wanted && *wanted ? fs::path(wanted) : scratch_.Path() / "pages";
    fs::create_directories(folder);
    PlanOptions none;
    none.firstPage = none.continuity = none.breakdown = none.storyboard = false;
    std::vector<std::pair<std::string, PlanOptions>> parts;
    PlanOptions part = none;
    part.firstPage = true;
    parts.emplace_back("premiere-page", part);
    part = none;
    part.continuity = true;
    parts.emplace_back("continuite", part);
    part = none;
    part.breakdown = true;
    parts.emplace_back("decoupage", part);
    for (const PanelGrid grid : {PanelGrid{1, 1}, PanelGrid{2, 2}, PanelGrid{2, 3}, PanelGrid{3, 4}})
        parts.emplace_back("storyboard-" + std::to_string(grid.columns) + "x" + std::to_string(grid.rows),
                           OnlyStoryboard(grid.columns, grid.rows));
    part = none;
    part.continuity = true;
    parts.emplace_back("continuite-scenes", part);
    parts.emplace_back("storyboard-2x2-scenes", OnlyStoryboard(2, 2));
    for (const auto& [name, options] : parts) {
        if (name == "continuite-scenes")
            GiveScenes(project_);
        const fs::path pdf = Write(name + ".pdf", options);
        // The first two pages show how a part goes on over a page.
        CommandOutput("pdftoppm -png -r 60 -f 1 -l 2 " + Quoted(pdf) + " " + Quoted(folder / name));
        EXPECT_TRUE(fs::exists(folder / (name + "-1.png")) || fs::exists(folder / (name + "-01.png"))
                    || fs::exists(folder / (name + "-1.png")))
            << name;
    }
}

} // namespace
} // namespace sw::printout::test
