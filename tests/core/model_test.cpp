#include "model/textconv.h"

#include <string>

#include <gtest/gtest.h>

#include "model/error.h"

namespace sw {
namespace {

template <typename Operation>
std::string ErrorOf(Operation operation)
{
    try {
        operation();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(TextConversion, StrToIntTakesSignedDecimalsOnly)
{
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-15"), -15);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ErrorOf([] { StrToInt(""); }), "'' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("-"); }), "'-' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("x"); }), "'x' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("1 "); }), "'1 ' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("2147483648"); }), "'2147483648' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("99999999999999999999"); }), "'99999999999999999999' is not a valid integer value");
    // The message is UTF-8 whatever the model's code page.
    EXPECT_EQ(ErrorOf([] { StrToInt("\xE9"); }), "'\xC3\xA9' is not a valid integer value");
}

TEST(TextConversion, StrToBoolTakesNumbersAndTheTwoWords)
{
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_TRUE(StrToBool("1"));
    EXPECT_TRUE(StrToBool("25"));
    EXPECT_TRUE(StrToBool("0.5"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_FALSE(StrToBool("-0"));
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_TRUE(StrToBool("TRUE"));
    EXPECT_FALSE(StrToBool("False"));
    EXPECT_FALSE(StrToBool("fALSE"));
    EXPECT_EQ(ErrorOf([] { StrToBool(""); }), "'' is not a valid boolean value");
    EXPECT_EQ(ErrorOf([] { StrToBool("yes"); }), "'yes' is not a valid boolean value");
}

TEST(TextConversion, TrimRemovesControlsAndBlanksAtBothEndsOnly)
{
    EXPECT_EQ(Trim(" \t\r\n 12 3\x01 \x1F"), "12 3");
    EXPECT_EQ(Trim(std::string("\0a\0", 3)), "a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // a no-break space is not a control
    EXPECT_EQ(IntToStr(-65536), "-65536");
}

} // namespace
} // namespace sw
