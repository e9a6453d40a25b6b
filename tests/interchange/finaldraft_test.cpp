// Final Draft screenplays read for the shot plan: the same screenplay written
// in Fountain and in Final Draft gives the same scenes and shots; the runs'
// styles become tags, the second speaker of a dual dialogue is marked, the
// scene numbers are kept; broken, hostile, huge, missing or special files
// are refused with the file's name.

#include "interchange/finaldraft.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "model/error.h"
#include "model/filebytes.h"
#include "screenplay/scripttext.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const fs::path kScreenplays = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "screenplays";

std::string Fdx(std::string_view content)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FinalDraft DocumentType=\"Script\" Version=\"5\"><Content>" +
           std::string(content) + "</Content></FinalDraft>";
}

std::string ErrorOf(std::string_view bytes)
{
    try {
        (void)ReadFinalDraft(bytes);
    } catch (const Error& error) {
        return error.what();
    }
    return "(lu sans erreur)";
}

std::string FileErrorOf(const fs::path& file)
{
    try {
        (void)ReadFinalDraftFile(file);
    } catch (const Error& error) {
        return error.what();
    }
    return "(lu sans erreur)";
}

class TemporaryFolder {
public:
    TemporaryFolder() : path_(fs::temp_directory_path() / ("finaldraft_test_" + std::to_string(::getpid())))
    {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TemporaryFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

void ExpectSameScreenplay(const char* name)
{
    SCOPED_TRACE(name);
    const Screenplay fountain = ParseFountain(ScriptTextAsUtf8(ReadFileBytes(kScreenplays / (std::string(name) + ".fountain"))));
    const Screenplay finalDraft = ReadFinalDraftFile(kScreenplays / (std::string(name) + ".fdx"));
    EXPECT_EQ(finalDraft.title, fountain.title);
    EXPECT_EQ(finalDraft.author, fountain.author);
    ASSERT_EQ(finalDraft.scenes.size(), fountain.scenes.size());
    for (std::size_t i = 0; i < fountain.scenes.size(); ++i) {
        EXPECT_EQ(finalDraft.scenes[i].number, fountain.scenes[i].number) << "scene " << i;
        EXPECT_EQ(finalDraft.scenes[i].heading, fountain.scenes[i].heading) << "scene " << i;
        EXPECT_EQ(finalDraft.scenes[i].shots, fountain.scenes[i].shots) << "scene " << i;
    }
}

TEST(FinalDraft, TheSameScreenplayInFountainAndFinalDraftGivesTheSameScenesAndShots)
{
    ExpectSameScreenplay("gare");
    ExpectSameScreenplay("harbour");
}

TEST(FinalDraft, AFrenchScreenplayKeepsItsNumbersStylesNamesAndDualDialogue)
{
    const Screenplay screenplay = ReadFinalDraftFile(kScreenplays / "gare.fdx");
    EXPECT_EQ(screenplay.title, "La Gare du Nord");
    EXPECT_EQ(screenplay.author, "Zoé Lefèvre");
    ASSERT_EQ(screenplay.scenes.size(), 3u);
    const ScriptScene& station = screenplay.scenes[0];
    EXPECT_EQ(station.number, "12A");
    EXPECT_EQ(station.heading, "INT. GARE DU NORD - NUIT");
    ASSERT_EQ(station.shots.size(), 1u);
    EXPECT_EQ(station.shots[0].name, "INT. GARE DU NORD - NUIT");
    EXPECT_EQ(station.shots[0].action, "Le hall est <i>désert</i>. Un train <b>arrive</b>.");
    EXPECT_EQ(station.shots[0].dialogue,
              "ДМИТРИЙ : (à voix basse) Tu es <u>en retard</u>.\r\n"
              "ÉLODIE : Le train &amp; moi, &lt;toujours&gt;.");
    const ScriptScene& platform = screenplay.scenes[1];
    EXPECT_EQ(platform.number, "13");
    EXPECT_EQ(platform.shots[0].action, "Le jour se lève sur <b><i>les rails</i></b>.");
    EXPECT_EQ(platform.shots[0].dialogue, "ДМИТРИЙ : On y va ?\r\nÉLODIE (en même temps) : Oui.");
    // A heading without a number is numbered by its place; the header's
    // paragraph is not the story's.
    EXPECT_EQ(screenplay.scenes[2].number, "3");
    EXPECT_EQ(screenplay.scenes[2].shots[0].action, "Un souvenir.");
}

TEST(FinalDraft, TransitionsAreDroppedAndShotAndGeneralParagraphsAreAction)
{
    const Screenplay screenplay = ReadFinalDraft(Fdx(
        R"(<Paragraph Type="Scene Heading"><Text>EXT. TOIT - NUIT</Text></Paragraph>)"
        R"(<Paragraph Type="Shot"><Text>GROS PLAN</Text></Paragraph>)"
        R"(<Paragraph Type="Transition"><Text>FONDU AU NOIR</Text></Paragraph>)"
        R"(<Paragraph Type="General"><Text>Le vent.</Text></Paragraph>)"));
    ASSERT_EQ(screenplay.scenes.size(), 1u);
    EXPECT_EQ(screenplay.scenes[0].number, "1");
    EXPECT_EQ(screenplay.scenes[0].shots[0].action, "GROS PLAN\r\n\r\nLe vent.");
    EXPECT_EQ(screenplay.scenes[0].shots[0].dialogue, "");
}

TEST(FinalDraft, ALineBreakInARunIsALineOfTheFieldAndTagsCloseOnEachLine)
{
    const Screenplay screenplay = ReadFinalDraft(Fdx(
        "<Paragraph Type=\"Scene Heading\"><Text>INT. CAVE - JOUR</Text></Paragraph>"
        "<Paragraph Type=\"Action\"><Text Style=\"Italic+AllCaps\">un\ndeux</Text><Text>  </Text></Paragraph>"));
    EXPECT_EQ(screenplay.scenes[0].shots[0].action, "<i>un</i>\r\n<i>deux</i>");
}

TEST(FinalDraft, TextBeforeTheFirstHeadingIsASceneWithoutHeading)
{
    const Screenplay screenplay = ReadFinalDraft(Fdx(
        R"(<Paragraph Type="Action"><Text>Noir.</Text></Paragraph>)"
        R"(<Paragraph Type="Scene Heading" Number="7"><Text>INT. SALLE - JOUR</Text></Paragraph>)"));
    ASSERT_EQ(screenplay.scenes.size(), 2u);
    EXPECT_EQ(screenplay.scenes[0].heading, "");
    EXPECT_EQ(screenplay.scenes[0].shots[0].name, "Avant la première scène");
    EXPECT_EQ(screenplay.scenes[1].number, "7");
    ASSERT_EQ(screenplay.scenes[1].shots.size(), 1u);
}

TEST(FinalDraft, BrokenOrForeignDocumentsAreRefusedWithAFrenchReason)
{
    const std::string whole = Fdx(R"(<Paragraph Type="Action"><Text>Noir.</Text></Paragraph>)");
    EXPECT_NE(ErrorOf(whole.substr(0, whole.size() - 20)).find("XML mal formé"), std::string::npos);
    EXPECT_EQ(ErrorOf("<fcpxml version=\"1.10\"/>"), "pas de document Final Draft");
    EXPECT_NE(ErrorOf("<FinalDraft/>").find("Content manque"), std::string::npos);
    EXPECT_NE(ErrorOf(std::string("\x89PNG\r\n\x1a\n\0\0\0", 12)).find("XML mal formé"), std::string::npos);
    EXPECT_NE(ErrorOf("").find("XML mal formé"), std::string::npos);
    EXPECT_EQ(ErrorOf("<?xml version=\"1.0\"?><!DOCTYPE FinalDraft [<!ENTITY a \"aaaaaaaa\">"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]><FinalDraft><Content/></FinalDraft>"),
              "déclarations d'entités refusées");
}

TEST(FinalDraft, AFileThatCannotBeReadIsRefusedWithItsName)
{
    TemporaryFolder folder;
    const std::string prefix = "Le fichier « ";
    const fs::path broken = folder.Path() / "cassé.fdx";
    std::ofstream(broken) << "<FinalDraft><Content><Paragraph";
    EXPECT_EQ(FileErrorOf(broken).rfind(prefix + "cassé.fdx » ne peut pas être lu comme un scénario Final Draft (XML mal formé", 0),
              0u)
        << FileErrorOf(broken);
    EXPECT_TRUE(FileErrorOf(broken).ends_with(").")) << FileErrorOf(broken);

    const std::string missing = FileErrorOf(folder.Path() / "absent.fdx");
    EXPECT_EQ(missing.rfind(prefix + "absent.fdx » ne peut pas être lu comme un scénario Final Draft (", 0), 0u) << missing;

    const fs::path pipe = folder.Path() / "tube.fdx";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string special = FileErrorOf(pipe);
    EXPECT_EQ(special.rfind(prefix + "tube.fdx » ne peut pas être lu", 0), 0u) << special;

    const fs::path huge = folder.Path() / "énorme.fdx";
    std::ofstream(huge).close();
    fs::resize_file(huge, kMaxFinalDraftFileBytes + 1);
    EXPECT_EQ(FileErrorOf(huge), prefix + "énorme.fdx » ne peut pas être lu comme un scénario Final Draft "
                                          "(il fait plus de 50 Mo).");
}

} // namespace
} // namespace sw
