#include "publish/pagetext.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "publish/htmpublish.h"

namespace {

std::string Finished(sw::PageText& page)
{
    return std::string(page.FinishedBytes());
}

TEST(PageTextTest, EveryBreakGoesInAsCrLfAndTheLastLineIsEnded)
{
    sw::PageText page;
    page.append("a\r\nb\rc\nd");
    EXPECT_EQ(Finished(page), "a\r\nb\r\nc\r\nd\r\n");
    page.Clear();
    EXPECT_EQ(Finished(page), "");
    page.append("\n\r\r\n\n");
    EXPECT_EQ(Finished(page), "\r\n\r\n\r\n\r\n");
}

TEST(PageTextTest, CrAndLfInTwoAppendsAreOneBreak)
{
    sw::PageText page;
    page.append("ligne\r");
    page.append("");
    page.append("\nsuite\r");
    page.append("\r\n");
    EXPECT_EQ(Finished(page), "ligne\r\nsuite\r\n\r\n");
}

TEST(PageTextTest, PiecesGiveWhatTheWholeTextGives)
{
    std::mt19937 random(20261208);
    const std::string alphabet = "ab\r\né ";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 120);
        for (int i = 0; i < length; ++i)
            text.push_back(alphabet[random() % alphabet.size()]);
        sw::PageText page;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t piece = std::min<std::size_t>(random() % 40, text.size() - at);
            page.append(std::string_view(text).substr(at, piece));
            at += piece;
        }
        EXPECT_EQ(Finished(page), sw::WithCrLfLines(text)) << round;
    }
}

TEST(PageTextTest, LongRunsWithoutBreaksAreKept)
{
    const std::string run(1000, 'x');
    sw::PageText page;
    page.append(run + "\n" + run);
    EXPECT_EQ(Finished(page), run + "\r\n" + run + "\r\n");
}

} // namespace
