#include "export/shotlistcsv.h"

#include <cctype>

#include <gtest/gtest.h>

#include "worldwords.h"

#include <cstdio>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "document/projectdocument.h"
#include "export/shotrows.h"
#include "model/camerawords.h"
#include "model/cp1252.h"
#include "testsupport.h"

namespace {

using sw::test::TemporaryFolder;
using sw::test::WriteAll;

constexpr std::string_view kBom = "\xEF\xBB\xBF";

sw::TEvent& AddShot(sw::ProjectDocument& project, const std::string& name, const std::string& duration)
{
    sw::TEvent& shot = project.EventList.AddEvent();
    shot.name = name;
    shot.cam.duration = duration;
    return shot;
}

std::vector<std::string> Lines(const std::string& csv)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "the last row ends with CR LF";
    return lines;
}

TEST(ShotListCsvTest, AByteOrderMarkAHeaderAndOneRowPerShot)
{
    sw::ProjectDocument project;
    sw::TEvent& shot = AddShot(project, "Café", "4");
    shot.cam.framing = 6;
    shot.cam.pan = 1;
    shot.cam.zoom = 2;
    shot.cam.startImage = "café.jpg";
    AddShot(project, "Rue", "3");

    const std::string csv = sw::ShotListCsv(project);
    ASSERT_TRUE(csv.starts_with(kBom));
    const std::vector<std::string> lines = Lines(csv.substr(kBom.size()));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "No;Plan;Action;Son;Dialogue;Dur\xC3\xA9" "e (s);Cumul;Cadrage;Angle;Panoramique;Travelling;"
                        "Zoom;Effet;Image d\xC3\xA9" "but;Image fin");
    // The camera columns hold the editor's words, "gros-plan" included; an
    // absent movement leaves its column empty.
    EXPECT_EQ(lines[1], "1;Caf\xC3\xA9;;;;4;4s.;gros-plan;normal;lat\xC3\xA9ral;;arri\xC3\xA8re;;caf\xC3\xA9.jpg;");
    EXPECT_EQ(lines[2], "2;Rue;;;;3;7s.;g\xC3\xA9n\xC3\xA9ral;normal;;;;;;");
}

TEST(ShotListCsvTest, AnEmptyProjectHasTheHeaderAlone)
{
    const std::string csv = sw::ShotListCsv(sw::ProjectDocument());
    EXPECT_EQ(Lines(csv.substr(kBom.size())).size(), 1u);
}

TEST(ShotListCsvTest, FieldsWithSeparatorsQuotesOrLineBreaksAreQuoted)
{
    sw::ProjectDocument project;
    sw::TEvent& shot = AddShot(project, "A;B", "1");
    shot.action = "Il dit \"non\".";
    shot.sound = "pluie\r\nvent";
    shot.dialogue = "plain";
    const std::string csv = sw::ShotListCsv(project);
    EXPECT_NE(csv.find("\r\n1;\"A;B\";\"Il dit \"\"non\"\".\";\"pluie\r\nvent\";plain;1;"), std::string::npos) << csv;
}

TEST(ShotRowsTest, TheCumulatedTimeDoesNotWrapAndBadDurationsCountNothing)
{
    sw::ProjectDocument project;
    AddShot(project, "long", "40000");
    AddShot(project, "plus long", "40000");
    AddShot(project, "n'importe quoi", "douze");
    AddShot(project, "négatif", "-5");
    const std::vector<sw::ShotRow> rows = sw::ShotRows(project);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].cumulatedSeconds, 80000u);
    EXPECT_EQ(rows[1].cumulatedText, "1333m. 20s.");
    EXPECT_EQ(rows[2].durationSeconds, 0u);
    EXPECT_EQ(rows[3].durationSeconds, 0u);
    EXPECT_EQ(rows[3].cumulatedSeconds, 80000u);
}

TEST(ShotRowsTest, TheFramingWordIsThePublishedOneAndTheEntryTheEditorsOne)
{
    sw::ProjectDocument project;
    for (std::uint8_t framing = 0; framing < sw::FramingCount; ++framing)
        AddShot(project, "p", "1").cam.framing = framing;
    const std::vector<sw::ShotRow> rows = sw::ShotRows(project);
    for (std::uint8_t framing = 0; framing < sw::FramingCount; ++framing) {
        EXPECT_EQ(rows[framing].Text(sw::ShotField::Framing), sw::FramingEntries[framing]);
        EXPECT_EQ(rows[framing].framingWord, sw::FramingWord(framing));
    }
}

TEST(ShotListCsvTest, TextsAreDataNotFormulas)
{
    sw::ProjectDocument project;
    sw::TEvent& shot = AddShot(project, "=HYPERLINK(\"http://x\")", "-5");
    shot.action = "+1+1";
    shot.sound = "@SUM(A1)";
    shot.dialogue = "- Non. - Si.";
    shot.cam.effect = "-(2)";
    shot.cam.startImage = "\tcmd";
    shot.cam.endImage = "-=1";
    AddShot(project, "-1 plan", "12").action = "\rsuite";
    const std::string csv = sw::ShotListCsv(project);
    // A negative duration is still a number; a dialogue line "- " stays as typed.
    EXPECT_NE(csv.find("\r\n1;\"'=HYPERLINK(\"\"http://x\"\")\";'+1+1;'@SUM(A1);- Non. - Si.;0;"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find(";'-(2);'\tcmd;'-=1\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n2;'-1 plan;\"'\rsuite\";;;12;"), std::string::npos) << csv;
}

// ------------------------------------------------------------------ scenes

// Two scenes and a shot of none between them.
sw::ProjectDocument ProjectWithScenes()
{
    sw::ProjectDocument project;
    project.Scenes = {{"scene-1", "12A", "INT. CUISINE - JOUR", "Le café.", false},
                      {"scene-2", "13", "EXT. RUE; NUIT", "", true}};
    AddShot(project, "Tasse", "2").scene = "scene-1";
    AddShot(project, "Sucre", "3").scene = "scene-1";
    AddShot(project, "Noir", "1");
    AddShot(project, "Pluie", "4").scene = "scene-2";
    return project;
}

TEST(ShotListCsvTest, AProjectWithScenesHasTheScenesColumnsAfterTheShotsName)
{
    const std::string csv = sw::ShotListCsv(ProjectWithScenes());
    const std::vector<std::string> lines = Lines(csv.substr(kBom.size()));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "No;Plan;Sc\xC3\xA8ne;En-t\xC3\xAAte de sc\xC3\xA8ne;Action;Son;Dialogue;Dur\xC3\xA9"
                        "e (s);Cumul;Cadrage;Angle;Panoramique;Travelling;Zoom;Effet;Image d\xC3\xA9" "but;Image fin");
    EXPECT_TRUE(lines[1].starts_with("1;Tasse;12A;INT. CUISINE - JOUR;;;;2;2s.;")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("2;Sucre;12A;INT. CUISINE - JOUR;;;;3;5s.;")) << lines[2];
    // A shot of no scene leaves both columns empty; a heading with ";" is
    // quoted like any text, and an omitted scene keeps its own heading.
    EXPECT_TRUE(lines[3].starts_with("3;Noir;;;;;;1;6s.;")) << lines[3];
    EXPECT_TRUE(lines[4].starts_with("4;Pluie;13;\"EXT. RUE; NUIT\";;;;4;10s.;")) << lines[4];
}

TEST(ShotListCsvTest, AProjectWhoseScenesNoShotNamesStillHasTheScenesColumns)
{
    sw::ProjectDocument project;
    project.Scenes = {{"scene-1", "1", "INT. SALON - JOUR", "", false}};
    AddShot(project, "Seul", "1");
    const std::vector<std::string> lines = Lines(sw::ShotListCsv(project).substr(kBom.size()));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with("No;Plan;Sc\xC3\xA8ne;En-t\xC3\xAAte de sc\xC3\xA8ne;Action;")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("1;Seul;;;;;;1;1s.;")) << lines[1];
}

TEST(ShotListCsvTest, TheScenesNumberAndHeadingAreDataNotFormulas)
{
    sw::ProjectDocument project;
    project.Scenes = {{"scene-1", "-12", "=CMD()", "", false}, {"scene-2", "+3", "@A1", "", false}};
    AddShot(project, "a", "1").scene = "scene-1";
    AddShot(project, "b", "1").scene = "scene-2";
    const std::vector<std::string> lines = Lines(sw::ShotListCsv(project).substr(kBom.size()));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[1].starts_with("1;a;'-12;'=CMD();")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("2;b;'+3;'@A1;")) << lines[2];
}

TEST(ShotRowsTest, EachRowNamesItsScenesNumberAndHeading)
{
    const std::vector<sw::ShotRow> rows = sw::ShotRows(ProjectWithScenes());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].sceneNumber, "12A");
    EXPECT_EQ(rows[1].sceneHeading, "INT. CUISINE - JOUR");
    EXPECT_EQ(rows[2].sceneNumber, "");
    EXPECT_EQ(rows[2].sceneHeading, "");
    EXPECT_EQ(rows[3].sceneNumber, "13");
}

// ------------------------------------------------ read back by Python's csv

// A text drawn from what makes CSV hard: accents (é, œ, €), other scripts
// and emoji, quotes, the separator, commas, both line ends, blanks at the ends.
std::string RandomText(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "a", "Z", " ", "é", "œ", "€", "\"", ";", ",", "\r\n", "\n", "''", "À la", "x\"y", "  ", "=", "+", "@",
        "-", "- ", "1", "(", "\t",
        swtest::kWorldWords, "Ελένη", "Дмитрий", "✓", "🎬"};
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n)
        text += pieces[piece(random)];
    return text;
}

sw::ProjectDocument RandomProject(std::mt19937& random, bool withScenes = false)
{
    sw::ProjectDocument project;
    if (withScenes)
        for (int n = 0; n < 3; ++n)
            project.Scenes.push_back({"scene-" + std::to_string(n + 1), RandomText(random), RandomText(random), "", false});
    std::uniform_int_distribution<int> shots(1, 25);
    std::uniform_int_distribution<int> seconds(0, 90000);
    std::uniform_int_distribution<int> index(0, 7);
    for (int n = shots(random); n > 0; --n) {
        sw::TEvent& shot = AddShot(project, RandomText(random), std::to_string(seconds(random)));
        shot.action = RandomText(random);
        shot.sound = RandomText(random);
        shot.dialogue = RandomText(random);
        shot.cam.framing = static_cast<std::uint8_t>(index(random));
        shot.cam.pan = static_cast<std::uint8_t>(index(random) % sw::PanCount);
        shot.cam.effect = RandomText(random);
        shot.cam.startImage = RandomText(random);
        shot.cam.endImage = RandomText(random);
    }
    // The scenes' runs in order, a run of no scene among them.
    for (std::size_t i = 0; withScenes && i < project.EventList.Count(); ++i) {
        const std::size_t scene = i * 4 / project.EventList.Count();
        if (scene < 3)
            project.EventList.Event(i).scene = "scene-" + std::to_string(scene + 1);
    }
    return project;
}

// The cell a spreadsheet reads for a text: with an apostrophe before what it
// would run as a formula.
std::string AsData(const std::string& text)
{
    if (text.empty())
        return text;
    const char first = text[0];
    const char second = text.size() > 1 ? text[1] : '\0';
    const bool formula = first == '=' || first == '+' || first == '@' || first == '\t' || first == '\r'
                         || (first == '-' && (std::isdigit(static_cast<unsigned char>(second)) || second == '('
                                              || second == '='));
    return formula ? "'" + text : text;
}

std::string Hex(const std::string& utf8)
{
    if (utf8.empty())
        return "-";
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char c : utf8) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

// The fields each row must read back as, in the reader's printed form.
std::string ExpectedFields(const sw::ProjectDocument& project)
{
    const bool withScenes = !project.Scenes.empty();
    std::string expected = Hex("No") + " " + Hex("Plan");
    if (withScenes)
        expected += " " + Hex("Sc\xC3\xA8ne") + " " + Hex("En-t\xC3\xAAte de sc\xC3\xA8ne");
    for (const char* title : {"Action", "Son", "Dialogue", "Dur\xC3\xA9" "e (s)", "Cumul", "Cadrage", "Angle",
                              "Panoramique", "Travelling", "Zoom", "Effet", "Image d\xC3\xA9" "but", "Image fin"})
        expected += " " + Hex(title);
    expected += "\n";
    const std::vector<sw::ShotRow> rows = sw::ShotRows(project);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const sw::TEvent& shot = project.EventList.Event(i);
        const sw::ShotRow& row = rows[i];
        const std::string sceneNumber = withScenes ? " " + Hex(AsData(row.sceneNumber)) : "";
        const std::string sceneHeading = withScenes ? " " + Hex(AsData(row.sceneHeading)) : "";
        const std::string fields[] = {std::to_string(i + 1), AsData(shot.name), AsData(shot.action),
                                      AsData(shot.sound), AsData(shot.dialogue),
                                      std::to_string(sw::DurationSeconds(shot.cam.duration)), row.cumulatedText,
                                      row.Text(sw::ShotField::Framing), row.Text(sw::ShotField::Angle),
                                      row.Text(sw::ShotField::Pan), row.Text(sw::ShotField::Travel),
                                      row.Text(sw::ShotField::Zoom), AsData(shot.cam.effect),
                                      AsData(shot.cam.startImage), AsData(shot.cam.endImage)};
        for (std::size_t f = 0; f < std::size(fields); ++f)
            expected += (f ? " " : "") + Hex(fields[f]) + (f == 1 ? sceneNumber + sceneHeading : "");
        expected += "\n";
    }
    return expected;
}

std::string PythonReading(const std::filesystem::path& csvFile)
{
    const std::string command = "python3 " SHOTWEAVE_SOURCE_DIR "/tests/core/csvfields.py '" + csvFile.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        output.append(buffer, n);
    return output;
}

TEST(ShotListCsvTest, PythonsCsvReaderReadsBackEveryFieldOfRandomProjects)
{
    TemporaryFolder temp;
    std::mt19937 random(20261209);
    for (int project = 0; project < 40; ++project) {
        const sw::ProjectDocument document = RandomProject(random);
        const std::filesystem::path file = temp.Path() / ("plan" + std::to_string(project) + ".csv");
        WriteAll(file, sw::ShotListCsv(document));
        ASSERT_EQ(PythonReading(file), ExpectedFields(document)) << "project " << project;
    }
}

TEST(ShotListCsvTest, PythonsCsvReaderReadsBackTheScenesColumnsOfRandomProjects)
{
    TemporaryFolder temp;
    std::mt19937 random(20261210);
    for (int project = 0; project < 20; ++project) {
        const sw::ProjectDocument document = RandomProject(random, true);
        const std::filesystem::path file = temp.Path() / ("plan" + std::to_string(project) + ".csv");
        WriteAll(file, sw::ShotListCsv(document));
        ASSERT_EQ(PythonReading(file), ExpectedFields(document)) << "project " << project;
    }
}

} // namespace
