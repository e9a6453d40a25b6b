#include "model/valuereader.h"
#include "model/valuewriter.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "model/error.h"
#include "testsupport.h"

namespace sw {
namespace {

using test::Bytes;
using test::ErrorOf;

std::string IntegerBytes(std::int32_t value)
{
    ValueWriter writer;
    writer.PutInteger(value);
    return writer.Bytes();
}

std::string StringBytes(std::string_view text)
{
    ValueWriter writer;
    writer.PutString(text);
    return writer.Bytes();
}

TEST(ValueWriter, IntegersTakeTheNarrowestTag)
{
    EXPECT_EQ(IntegerBytes(3), Bytes({0x02, 0x03}));
    EXPECT_EQ(IntegerBytes(127), Bytes({0x02, 0x7F}));
    EXPECT_EQ(IntegerBytes(-128), Bytes({0x02, 0x80}));
    EXPECT_EQ(IntegerBytes(128), Bytes({0x03, 0x80, 0x00}));
    EXPECT_EQ(IntegerBytes(-129), Bytes({0x03, 0x7F, 0xFF}));
    EXPECT_EQ(IntegerBytes(32767), Bytes({0x03, 0xFF, 0x7F}));
    EXPECT_EQ(IntegerBytes(32768), Bytes({0x04, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(IntegerBytes(-32769), Bytes({0x04, 0xFF, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(IntegerBytes(INT32_MIN), Bytes({0x04, 0x00, 0x00, 0x00, 0x80}));
}

TEST(ValueWriter, AsciiStringsAreShortOrLongAndAccentedOnesUtf8)
{
    EXPECT_EQ(StringBytes(""), Bytes({0x06, 0x00}));
    EXPECT_EQ(StringBytes("abc"), Bytes({0x06, 0x03, 0x61, 0x62, 0x63}));
    EXPECT_EQ(StringBytes(std::string(255, 'x')), Bytes({0x06, 0xFF}) + std::string(255, 'x'));
    EXPECT_EQ(StringBytes(std::string(300, 'y')), Bytes({0x0C, 0x2C, 0x01, 0x00, 0x00}) + std::string(300, 'y'));
    EXPECT_EQ(StringBytes("é"), Bytes({0x14, 0x02, 0x00, 0x00, 0x00, 0xC3, 0xA9}));
    // An accented text stays UTF-8 however short, and its length counts bytes.
    EXPECT_EQ(StringBytes("a€"), Bytes({0x14, 0x04, 0x00, 0x00, 0x00, 0x61, 0xE2, 0x82, 0xAC}));
    // Any other character is stored the same way.
    EXPECT_EQ(StringBytes("Ł🎬"), Bytes({0x14, 0x06, 0x00, 0x00, 0x00, 0xC5, 0x81, 0xF0, 0x9F, 0x8E, 0xAC}));
}

TEST(ValueWriter, ListsAreJustTheirTags)
{
    ValueWriter writer;
    writer.PutListBegin();
    writer.PutListEnd();
    EXPECT_EQ(writer.Bytes(), Bytes({0x01, 0x00}));
}

TEST(ValueReader, ReadsBackEveryValueInOrder)
{
    ValueWriter writer;
    const std::int32_t integers[] = {0, 3, -1, 127, -128, 128, -129, 32767, -32768, 32768, -32769, INT32_MAX, INT32_MIN};
    for (std::int32_t v : integers)
        writer.PutInteger(v);
    writer.PutListBegin();
    writer.PutString("");
    writer.PutString("abc");
    writer.PutString(std::string(300, 'y'));
    writer.PutString("café € œ");
    writer.PutString("Łukasz Dvořák Ελένη Дмитрий Nguyễn ✓ 🎬");
    writer.PutListEnd();

    ValueReader reader(writer.Bytes());
    for (std::int32_t v : integers)
        EXPECT_EQ(reader.GetInteger(), v);
    reader.GetListBegin();
    EXPECT_FALSE(reader.AtListEnd());
    EXPECT_EQ(reader.GetString(), "");
    EXPECT_EQ(reader.GetString(), "abc");
    EXPECT_EQ(reader.GetString(), std::string(300, 'y'));
    EXPECT_EQ(reader.GetString(), "café € œ");
    EXPECT_EQ(reader.GetString(), "Łukasz Dvořák Ελένη Дмитрий Nguyễn ✓ 🎬");
    EXPECT_TRUE(reader.AtListEnd());
    reader.GetListEnd();
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ValueReader, EmptyListIsAtItsEndRightAway)
{
    ValueReader reader(Bytes({0x01, 0x00}));
    reader.GetListBegin();
    EXPECT_TRUE(reader.AtListEnd());
    EXPECT_TRUE(reader.AtListEnd()); // looking does not consume
    reader.GetListEnd();
}

TEST(ValueReader, KeepsEveryCharacterOfEachStringKind)
{
    // "é€" then U+221E (infinity), then a clapper board as a surrogate pair.
    ValueReader utf16(Bytes({0x12, 0x05, 0x00, 0x00, 0x00, 0xE9, 0x00, 0xAC, 0x20, 0x1E, 0x22, 0x3C, 0xD8, 0xAC, 0xDF}));
    EXPECT_EQ(utf16.GetString(), "é€∞🎬");
    ValueReader utf8(Bytes({0x14, 0x03, 0x00, 0x00, 0x00, 0xE2, 0x88, 0x9E}));
    EXPECT_EQ(utf8.GetString(), "∞");
    // Short and long strings are Windows-1252 bytes.
    ValueReader shortString(Bytes({0x06, 0x04, 0x63, 0x61, 0x66, 0xE9}));
    EXPECT_EQ(shortString.GetString(), "café");
    ValueReader longString(Bytes({0x0C, 0x01, 0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(longString.GetString(), "€");
}

TEST(ValueReader, MalformedUtf8AndLoneSurrogatesReadAsTheReplacementCharacter)
{
    ValueReader utf8(Bytes({0x14, 0x03, 0x00, 0x00, 0x00, 0x61, 0xC3, 0x28}));
    EXPECT_EQ(utf8.GetString(), "a\xEF\xBF\xBD(");
    ValueReader utf16(Bytes({0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0xD8}));
    EXPECT_EQ(utf16.GetString(), "\xEF\xBF\xBD");
}

TEST(ValueReader, WrongTagsAreInvalidPropertyValues)
{
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x06, 0x01, 0x41})).GetInteger(); }), "Invalid property value");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x02, 0x01})).GetString(); }), "Invalid property value");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x05, 0x00})).GetInteger(); }), "Invalid property value");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x00})).GetListBegin(); }), "Invalid property value");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x01})).GetListEnd(); }), "Invalid property value");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x07, 0x00})).GetString(); }), "Invalid property value");
}

TEST(ValueReader, EndingInsideAValueIsAStreamReadError)
{
    EXPECT_EQ(ErrorOf([] { ValueReader("").GetInteger(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader("").AtListEnd(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x03, 0x01})).GetInteger(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x04, 0x01, 0x02, 0x03})).GetInteger(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x06})).GetString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x06, 0x03, 0x61, 0x62})).GetString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x0C, 0x05, 0x00, 0x00})).GetString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 0x41, 0x00, 0x42})).GetString(); }),
              "Stream read error");
}

TEST(ValueReader, ForgedHugeLengthsFailWithoutAllocating)
{
    // 4 GiB of text announced, 1 byte present; also 2 G UTF-16 units.
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 0x41})).GetString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x41})).GetString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0x41})).GetString(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { ValueReader(Bytes({0x12, 0x00, 0x00, 0x00, 0x80})).GetString(); }), "Stream read error");
}

TEST(ValueReader, AFailedReadOfAWrongTagConsumesNothingForStrings)
{
    // The tag is checked before it is taken, so the same value can be read as what it is.
    ValueReader reader(Bytes({0x02, 0x05}));
    EXPECT_THROW(reader.GetString(), Error);
    EXPECT_EQ(reader.GetInteger(), 5);
}

} // namespace
} // namespace sw
