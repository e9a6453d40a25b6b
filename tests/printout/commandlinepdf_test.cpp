#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../core/testsupport.h"
#include "printouttestkit.h"

namespace sw::printout::test {
namespace {

// The program itself, as a user runs it on a machine without a display.
std::string RunProgram(const std::string& arguments, const fs::path& errFile)
{
    return CommandOutput("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " SHOTWEAVE_PROGRAM " " + arguments
                         + " 2>" + Quoted(errFile) + "; echo \"exit $?\"");
}

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CommandLinePdfTest, TheProgramDrawsThePlanWithoutADisplayAndLeavesTheProjectAlone)
{
    ScratchFolder temp;
    const fs::path example = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
    fs::copy(example, temp.Path(), fs::copy_options::recursive);
    const fs::path project = temp.Path() / "court.vid";
    const std::string before = ReadText(project);
    const fs::path err = temp.Path() / "err.txt";

    const fs::path a4 = temp.Path() / "plan.pdf";
    EXPECT_EQ(RunProgram("--pdf " + Quoted(project) + " " + Quoted(a4), err), a4.string() + "\nexit 0\n");
    EXPECT_EQ(ReadText(err), "") << "no platform chatter on stderr";
    const int a4Pages = PageCount(a4);
    EXPECT_GE(a4Pages, 4) << "a first page, the continuity, the breakdown and the storyboard";
    EXPECT_NE(CommandOutput("pdfinfo " + Quoted(a4)).find("(A4)"), std::string::npos);
    EXPECT_NE(CommandOutput("pdftotext " + Quoted(a4) + " -").find("Le parapluie"), std::string::npos);

    const fs::path letter = temp.Path() / "lettre.pdf";
    EXPECT_EQ(RunProgram("--pdf " + Quoted(project) + " " + Quoted(letter) + " --grid 1x1 --paper letter", err),
              letter.string() + "\nexit 0\n");
    EXPECT_NE(CommandOutput("pdfinfo " + Quoted(letter)).find("(letter)"), std::string::npos);
    EXPECT_GT(PageCount(letter), a4Pages) << "one panel a page takes more pages than six";

    const fs::path nowhere = temp.Path() / "absent" / "plan.pdf";
    EXPECT_EQ(RunProgram("--pdf " + Quoted(project) + " " + Quoted(nowhere), err), "exit 1\n");
    EXPECT_NE(ReadText(err).find("plan.pdf"), std::string::npos);
    EXPECT_EQ(RunProgram("--pdf " + Quoted(project), err), "exit 2\n");
    EXPECT_EQ(ReadText(project), before);
}

// The example's texts hold HTML (a list in the synopsis and the report,
// bold and italic in the shots): the plan prints it formatted, never as tags.
TEST(CommandLinePdfTest, TheExamplesHtmlIsPrintedFormattedNeverAsTags)
{
    ScratchFolder temp;
    fs::copy(fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage", temp.Path(), fs::copy_options::recursive);
    const fs::path project = temp.Path() / "court.vid";
    const fs::path pdf = temp.Path() / "plan.pdf";
    const fs::path err = temp.Path() / "err.txt";
    ASSERT_EQ(RunProgram("--pdf " + Quoted(project) + " " + Quoted(pdf), err), pdf.string() + "\nexit 0\n");
    const std::string text = CommandOutput("pdftotext -raw " + Quoted(pdf) + " -");
    for (const char* tag : {"<ul>", "<li>", "<b>", "</b>", "<i>", "<br>", "<p>", "&lt;", "&amp;"})
        EXPECT_EQ(text.find(tag), std::string::npos) << tag;
    // The synopsis's list, item by item, each with its bullet.
    for (const char* item : {"• un appartement au troisième étage", "• une rue en pente", "• un abri de bus"})
        EXPECT_NE(text.find(item), std::string::npos) << item << "\n" << text.substr(0, 1500);
    // Bold words keep their text; typed line breaks stay.
    EXPECT_NE(text.find("Le réveil sonne : 6 h 30."), std::string::npos);
    EXPECT_NE(text.find("Chambre dans la pénombre.\nLe réveil sonne"), std::string::npos);
}

// A pipe named as a picture would keep the drawing waiting for a writer, a
// device named as the project would be read without end: both are refused at
// once (the timeout turns a wait into a failure, never into a stuck run).
TEST(CommandLinePdfTest, APipeOrADeviceIsRefusedAtOnce)
{
    ScratchFolder temp;
    const fs::path example = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
    fs::copy(example, temp.Path(), fs::copy_options::recursive);
    const fs::path project = temp.Path() / "court.vid";
    const fs::path imgDir = temp.Path() / "court" / "img";
    int pipes = 0;
    for (const auto& entry : fs::directory_iterator(imgDir)) {
        fs::remove(entry.path());
        ASSERT_EQ(::mkfifo(entry.path().c_str(), 0600), 0);
        ++pipes;
    }
    ASSERT_GT(pipes, 0);
    const fs::path err = temp.Path() / "err.txt";
    const fs::path pdf = temp.Path() / "plan.pdf";
    EXPECT_EQ(CommandOutput("timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " SHOTWEAVE_PROGRAM
                            " --pdf " + Quoted(project) + " " + Quoted(pdf) + " 2>/dev/null; echo \"exit $?\""),
              pdf.string() + "\nexit 0\n");
    EXPECT_NE(CommandOutput("pdftotext " + Quoted(pdf) + " -").find("image introuvable"), std::string::npos);

    EXPECT_EQ(CommandOutput("timeout 60 " SHOTWEAVE_PROGRAM " --pdf /dev/zero " + Quoted(pdf) + " 2>" + Quoted(err)
                            + "; echo \"exit $?\""),
              "exit 1\n");
    EXPECT_NE(ReadText(err).find("zero"), std::string::npos) << ReadText(err);
    EXPECT_NE(ReadText(err).find("pas un fichier ordinaire"), std::string::npos) << ReadText(err);
}

// Pictures from a project received from elsewhere: one that claims 30,000 ×
// 30,000 pixels under every shot's name, and a link to a file outside the
// image folder. The plan is written at once, each shown as a missing picture.
TEST(CommandLinePdfTest, AHugeOrOutsidePictureIsNeitherDecodedNorEmbedded)
{
    ScratchFolder temp;
    const fs::path example = fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage";
    fs::copy(example, temp.Path(), fs::copy_options::recursive);
    const fs::path project = temp.Path() / "court.vid";
    const fs::path imgDir = temp.Path() / "court" / "img";
    std::vector<fs::path> pictures;
    for (const auto& entry : fs::directory_iterator(imgDir))
        pictures.push_back(entry.path());
    ASSERT_GE(pictures.size(), 2u);
    WritePicture(temp.Path() / "prive.jpg", 400, 300, 1);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        fs::remove(pictures[i]);
        if (i == 0)
            fs::create_symlink(temp.Path() / "prive.jpg", pictures[i]);
        else
            sw::test::WriteAll(pictures[i], sw::test::PngHeaderClaiming(30000, 30000));
    }
    const fs::path pdf = temp.Path() / "plan.pdf";
    EXPECT_EQ(CommandOutput("timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " SHOTWEAVE_PROGRAM
                            " --pdf " + Quoted(project) + " " + Quoted(pdf) + " 2>/dev/null; echo \"exit $?\""),
              pdf.string() + "\nexit 0\n");
    EXPECT_EQ(CommandOutput("pdfimages -list " + Quoted(pdf) + " | tail -n +3 | wc -l"), "0\n");
    EXPECT_NE(CommandOutput("pdftotext " + Quoted(pdf) + " -").find("image introuvable"), std::string::npos);
}

} // namespace
} // namespace sw::printout::test
