#include "export/printlimits.h"

#include <string>

#include <gtest/gtest.h>

#include "document/projectdocument.h"
#include "model/utf8.h"

namespace sw {
namespace {

std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(PrintableText, CountsCharactersNotBytesAndNeverCutsOneInHalf)
{
    // 600,000 characters in 1,200,000 bytes: under the limit, whole.
    const std::string accents = Repeated("\xC3\xA9", 600'000);
    EXPECT_EQ(PrintableText(accents), accents);
    // 1,100,000 characters of three bytes: cut, still UTF-8, marked.
    const std::string long3 = Repeated("\xE2\x82\xAC", 1'100'000);
    const std::string cut = PrintableText(long3);
    EXPECT_TRUE(IsValidUtf8(cut));
    EXPECT_TRUE(cut.starts_with(Repeated("\xE2\x82\xAC", 1000)));
    EXPECT_TRUE(cut.ends_with("\n[\xE2\x80\xA6 texte coup\xC3\xA9 : 100\xC2\xA0" "100 caract\xC3\xA8res]")) << cut.substr(cut.size() - 60);
    // What is cut is not cut again.
    EXPECT_EQ(PrintableText(cut), cut);
}

TEST(CutLongTextsForPrint, CutsEachTextOverTheLimitAndSaysWhich)
{
    ProjectDocument project;
    project.GenInfo.synopsis = std::string(kMaxPrintedCharacters + 1, 's');
    project.EventList.AddEvent().dialogue = "court";
    project.EventList.AddEvent().name = std::string(kMaxPrintedCharacters * 2, 'n');
    const std::vector<std::string> said = CutLongTextsForPrint(project);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_TRUE(said[0].starts_with("Le synopsis est trop long")) << said[0];
    EXPECT_TRUE(said[1].starts_with("Le nom du plan 2 est trop long")) << said[1];
    EXPECT_LT(project.GenInfo.synopsis.size(), kMaxPrintedCharacters);
    EXPECT_LT(project.EventList.Event(1).name.size(), kMaxPrintedCharacters);
    EXPECT_EQ(project.EventList.Event(0).dialogue, "court");
    EXPECT_TRUE(CutLongTextsForPrint(project).empty());
}

} // namespace
} // namespace sw
