#include "model/cp1252.h"

#include <gtest/gtest.h>

#include "model/error.h"
#include "model/utf8.h"

namespace sw {
namespace {

std::string Cp1252Of(std::string_view utf8)
{
    std::string out;
    AppendAsCp1252(out, utf8, [](std::string& to, char32_t cp) { to += "<" + std::to_string(cp) + ">"; });
    return out;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Cp1252Of(utf8), all);
    EXPECT_EQ(Utf8ToCp1252Exactly(utf8, "x"), all);
}

TEST(Cp1252, KnownCharactersHaveTheirUnicodeForms)
{
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "é");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x9C"), "œ");
    EXPECT_EQ(Cp1252ToUtf8("abc"), "abc");
    EXPECT_EQ(Cp1252Of("’…"), "\x92\x85");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreHandedToTheCaller)
{
    EXPECT_EQ(Cp1252Of("Łukasz"), "<321>ukasz");
    EXPECT_EQ(Cp1252Of("∞é🎬"), "<8734>\xE9<127916>");
    // Broken UTF-8 reads as U+FFFD, one for each byte it skips.
    EXPECT_EQ(Cp1252Of("a\xC3"), "a<65533>");
    EXPECT_EQ(Cp1252Of("\xC0\xAF"), "<65533><65533>");
    EXPECT_EQ(Cp1252Of("\xED\xA0\x80x"), "<65533><65533><65533>x");
    EXPECT_EQ(FirstCharacterOutsideCp1252("café Dvořák"), U'ř');
    EXPECT_EQ(FirstCharacterOutsideCp1252("café €"), std::nullopt);
}

TEST(Cp1252, AnExactConversionRefusesWhatTheCodePageCannotHoldWithAFrenchMessage)
{
    try {
        Utf8ToCp1252Exactly("Nguyễn", "le fichier « a.sprf »");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Le caractère « ễ » (U+1EC5) ne peut pas être enregistré dans le fichier « a.sprf », "
                                   "qui n'accepte que les caractères d'Europe occidentale.");
    }
}

TEST(Utf8, MalformedBytesBecomeTheReplacementCharacterAndNothingElseChanges)
{
    EXPECT_TRUE(IsValidUtf8("Ελληνικά Русский 日本 🎬"));
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));  // U+FFFD itself
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));
    EXPECT_EQ(ValidUtf8("caf\xE9!"), "caf\xEF\xBF\xBD!");
    EXPECT_EQ(ValidUtf8("Őrség"), "Őrség");
    EXPECT_EQ(Utf16ToUtf8(u"Łódź 🎬"), "Łódź 🎬");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Utf8, CutsNeverSplitACharacter)
{
    EXPECT_EQ(CutToCharacters("Дворжак", 3), "Дво");
    EXPECT_EQ(CutToCharacters("ab", 5), "ab");
    EXPECT_EQ(CutToBytes("aé", 2), "a");
    EXPECT_EQ(CutToBytes("aé", 3), "aé");
    EXPECT_EQ(CutToBytes("🎬", 3), "");
}

TEST(Utf8, LetterCaseFoldsInTheLatinGreekAndCyrillicAlphabets)
{
    EXPECT_EQ(FoldLetterCase("ŁUKASZ Dvořák ÉCLAIR"), "łukasz dvořák éclair");
    EXPECT_EQ(FoldLetterCase("ĹĽŹŽ ŸİĞ"), "ĺľźž ÿiğ");
    EXPECT_EQ(FoldLetterCase("ΟΔΥΣΣΕΑΣ Άρης"), "οδυσσεασ άρησ");
    EXPECT_EQ(FoldLetterCase("ЁЛКА Москва"), "ёлка москва");
    EXPECT_EQ(FoldLetterCase("日本 🎬 ×"), "日本 🎬 ×");
}

} // namespace
} // namespace sw
