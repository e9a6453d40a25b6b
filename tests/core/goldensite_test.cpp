// Every file of a published site, compared byte for byte with the pages kept
// under tests/data/golden/<variant>/.
//
// Regenerating: run this test with SHOTWEAVE_REGENERATE_GOLDEN=1 in the
// environment, e.g.
//   SHOTWEAVE_REGENERATE_GOLDEN=1 ctest --test-dir <build> -R goldensite
// It then rewrites the golden folders from the current publisher instead of
// comparing, and fails so that a regeneration is never taken for a pass. The
// published pages are part of the program's output: review `git diff
// tests/data/golden` line by line before committing a regenerated site.

#include "publish/htmpublish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "document/projectdocument.h"
#include "model/filebytes.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "golden";

using test::RegeneratingGolden;

// A project that reaches every branch of the pages: texts of several lines
// with CR LF, lone CR and lone LF breaks, blanks and markup, accents, quotes,
// parentheses and backslashes; pictures on some shots, names that need
// escaping; durations whose total passes the minute; more than four shots
// so that the storyboard starts a second row; effects on some shots only;
// an end picture beside the start picture of one shot.
ProjectDocument GoldenProject()
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();

    TGenInfo& info = project.GenInfo;
    info.title = "L'été \"chaud\"";
    info.creator = "Anne Dupré\r\nBob \"le grand\"";
    info.comment = "Tourné en juin.\r\n\r\nDeux jours\rpas plus.";
    info.idea = "Une <i>idée</i> simple\nsur deux lignes";
    info.synopsis = "Il pleut.\r\n\r\n\r\nIl fait beau.\r\n<ul>\r\n<li>un\r\n<li>deux (2)\r\n</ul>\r\n"
                    "<dir>\r\nretrait\r\n</dir>  <br>  <br> fin\\";

    project.Report.caption = "Rapport de tournage";
    project.Report.text = "Ligne un\r\nLigne deux\r\n\r\nLigne à trois\n<p><p>fin";
    project.Report.fileName = "rapport.htm";

    struct ShotText {
        const char* name;
        const char* action;
        const char* sound;
        const char* dialogue;
        const char* duration;
        const char* effect;
        const char* picture;
    };
    const ShotText shots[] = {
        {"Ouverture", "Elle entre (lentement) dans la pièce.\r\nElle regarde la fenêtre.", "Pluie \"forte\"",
         "", "10", "Lumière douce\r\nflou", "ouverture.jpg"},
        {"La \"rue\"", "Il sort\rvite.", "", "Elle: Il est là ?\nLui: Non.", "55", "", ""},
        {"Café", "Back\\slash et <b>gras</b>", "Tonnerre\r\nau loin", "« Bonjour »", " 7 ", "fondu",
         "café \"noir\".jpg"},
        {"", "", "", "", "", "", ""},
        {"Nuit", "Tout est noir.\r\n\r\n", "Silence", "(rien)", "3", "", "nuit\\1.png"},
        {"Fin", "Elle part.", "Musique", "Adieu.", "30", "noir", "fin.jpg"},
    };
    std::uint8_t step = 0;
    for (const ShotText& text : shots) {
        TEvent& shot = project.EventList.AddEvent();
        shot.name = text.name;
        shot.action = text.action;
        shot.sound = text.sound;
        shot.dialogue = text.dialogue;
        shot.cam.duration = text.duration;
        shot.cam.effect = text.effect;
        shot.cam.startImage = text.picture;
        shot.cam.framing = static_cast<std::uint8_t>(step % 8);
        shot.cam.angle = static_cast<std::uint8_t>(step % 6);
        shot.cam.pan = static_cast<std::uint8_t>(step % 4);
        shot.cam.travel = static_cast<std::uint8_t>((step + 1) % 6);
        shot.cam.zoom = static_cast<std::uint8_t>(step % 3);
        ++step;
    }
    // One shot also ends on a picture of its own.
    project.EventList.Event(2).cam.endImage = "café fin.jpg";
    return project;
}

// The script-driven shot viewer, the inline report, the default layout.
ProjectDocument ScriptVariant()
{
    return GoldenProject();
}

// The plain shots page instead of the viewer, with a separate cover, a
// visible frame border, a return link and other table settings.
ProjectDocument PlainVariant()
{
    ProjectDocument project = GoldenProject();
    THTMPrefs& prefs = project.HTMPrefs;
    prefs.pageSpecs.noJSPlan = true;
    prefs.pageSpecs.tableWidth = "100%";
    prefs.pageSpecs.tableMargin = "3";
    prefs.coverSpecs.separateCover = true;
    prefs.coverSpecs.coverFile = "couverture.htm";
    prefs.coverSpecs.separatorWidth = "250";
    prefs.frameSpecs.borderVisible = true;
    prefs.frameSpecs.borderWidth = "2";
    prefs.frameSpecs.menuHeight = "32";
    prefs.menuSpecs.returnLink = true;
    prefs.menuSpecs.returnUrl = "../films.html";
    return project;
}

// A report of the user's own file: no report page, the menu links to the
// file; no cover separator.
ProjectDocument ExternalReportVariant()
{
    ProjectDocument project = GoldenProject();
    project.Report.isExternal = true;
    project.Report.fileName = "mon rapport détails.htm";
    project.HTMPrefs.coverSpecs.separator = false;
    return project;
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return Sorted(names);
}

std::vector<std::string> PublishInto(const ProjectDocument& project, const fs::path& site)
{
    THTMPublish publisher(project, site);
    publisher.SetDates({"08/12/2026", "Mardi, 08/12/2026  21:05:00"});
    publisher.Publish();
    return publisher.WrittenFiles();
}

void RegenerateGolden(const fs::path& published, const fs::path& golden)
{
    fs::remove_all(golden);
    fs::create_directories(golden);
    for (const std::string& name : FilesIn(published))
        WriteFileAtomically(golden / name, ReadFileBytes(published / name), LinkPolicy::WriteThroughLink);
}

void ExpectSameSite(const ProjectDocument& project, const std::string& variant)
{
    const test::TemporaryFolder site;
    const std::vector<std::string> written = PublishInto(project, site.Path());
    const fs::path golden = kGoldenDir / variant;
    if (RegeneratingGolden()) {
        RegenerateGolden(site.Path(), golden);
        FAIL() << "golden site " << golden << " regenerated: review the diff";
    }
    ASSERT_TRUE(fs::is_directory(golden)) << golden;
    ASSERT_EQ(Sorted(written), FilesIn(golden));
    ASSERT_EQ(FilesIn(site.Path()), FilesIn(golden));
    for (const std::string& name : written)
        EXPECT_EQ(ReadFileBytes(site.Path() / name), ReadFileBytes(golden / name)) << variant << "/" << name;
}

TEST(GoldenSiteTest, ScriptModeSiteIsTheGoldenOne)
{
    ExpectSameSite(ScriptVariant(), "script");
}

TEST(GoldenSiteTest, PlainModeSiteIsTheGoldenOne)
{
    ExpectSameSite(PlainVariant(), "plain");
}

TEST(GoldenSiteTest, ExternalReportSiteIsTheGoldenOne)
{
    ExpectSameSite(ExternalReportVariant(), "external-report");
}

} // namespace
} // namespace sw
