#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

} // namespace
} // namespace sw::printout::test
