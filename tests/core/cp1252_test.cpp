#include "model/cp1252.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Cp1252, EveryByteSurvivesUtf8AndUtf16RoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
}

TEST(Cp1252, KnownCharactersHaveTheirUnicodeForms)
{
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9");        // é
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");    // €
    EXPECT_EQ(Cp1252ToUtf8("\x9C"), "\xC5\x93");        // œ
    EXPECT_EQ(Cp1252ToUtf8("abc"), "abc");
    EXPECT_EQ(Cp1252ToUtf16("\x85"), std::u16string(1, u'\u2026'));
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x99"), "\x92");    // right single quote
}

TEST(Cp1252, CharactersOutsideTheCodePageAndBrokenUtf8BecomeTheReplacement)
{
    const std::string r(1, kCp1252Replacement);
    EXPECT_EQ(Utf8ToCp1252("\xE2\x88\x9E"), r);               // infinity
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8E\xAC"), r);           // a clapper board emoji
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a" + r);                // cut short
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), r + r);               // overlong
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80x"), r + r + r + "x"); // encoded surrogate
    EXPECT_EQ(Utf16ToCp1252(u"\U0001F3AC!"), r + "!");        // one pair, one character
    EXPECT_EQ(Utf16ToCp1252(std::u16string(1, char16_t(0xD800))), r);
}

} // namespace
} // namespace sw
