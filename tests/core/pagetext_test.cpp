#include "publish/pagetext.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "publish/htmpublish.h"
#include "publish/uconvert.h"
#include "worldwords.h"

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

TEST(PageTextTest, ASitePageIsConvertedAsItIsFilled)
{
    // Pieces of whole characters, as the writers append them, in any order
    // and cut anywhere between characters, give the conversion of the whole.
    const std::vector<std::string> tokens = {"a", " ", "\r", "\n", "\xC3\xA9", "\xC5\x81", "\xF0\x9F\x8E\xAC",
                                             "\xE2\x82\xAC", "\xFF", "\xC2\x85", std::string(9, 'z'), swtest::kWorldWords};
    std::mt19937 random(20261210);
    for (const sw::SiteTextKind kind :
         {sw::SiteTextKind::Page, sw::SiteTextKind::StyleSheet, sw::SiteTextKind::Script}) {
        sw::PageText page;
        for (int round = 0; round < 500; ++round) {
            std::vector<std::string> pieces(1);
            std::string text;
            const int length = static_cast<int>(random() % 40);
            for (int i = 0; i < length; ++i) {
                const std::string& token = tokens[random() % tokens.size()];
                text += token;
                pieces.back() += token;
                if (random() % 3 == 0)
                    pieces.emplace_back();
            }
            page.ClearForSite(kind);
            for (const std::string& piece : pieces)
                page.append(piece);
            std::string buffer;
            EXPECT_EQ(Finished(page), sw::SiteBytes(sw::WithCrLfLines(text), kind, buffer)) << round;
        }
    }
}

TEST(PageTextTest, WhatAWriterPutsOnASitePageIsConvertedToo)
{
    sw::PageText page;
    page.ClearForSite(sw::SiteTextKind::Page);
    page.append("<B>");
    sw::AppendWithoutBreaks(page, "g\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC ");
    sw::AppendWithoutBreaks(page, "\xC5\x81ukasz \xC3\xA9");
    page.append("</B>");
    EXPECT_EQ(Finished(page), "<B>g\xE9n\xE9ral \x80 &#321;ukasz \xE9</B>\r\n");

    page.ClearForSite(sw::SiteTextKind::Script);
    sw::AppendWithoutBreaks(page, "\xCE\xA9\xC3\xA9");
    EXPECT_EQ(Finished(page), "\\u03A9\xE9\r\n");

    // A page that is no site's keeps its UTF-8.
    page.Clear();
    page.append("\xC5\x81");
    sw::AppendWithoutBreaks(page, "\xC3\xA9");
    EXPECT_EQ(Finished(page), "\xC5\x81\xC3\xA9\r\n");
}

} // namespace
