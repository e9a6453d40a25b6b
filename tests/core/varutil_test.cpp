#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <locale>
#include <string>
#include <vector>

#include "model/error.h"
#include "model/notifier.h"
#include "model/textform.h"
#include "publish/varutil.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

class RecordingNotifier : public sw::Notifier {
public:
    void Inform(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

using sw::test::TemporaryFolder;

TEST(FlagTextTest, BoolToTextAndBack)
{
    EXPECT_EQ(sw::BoolToText(true), "1");
    EXPECT_EQ(sw::BoolToText(false), "0");
    EXPECT_FALSE(sw::TextToBool("0"));
    EXPECT_FALSE(sw::TextToBool(" 0 "));
    EXPECT_FALSE(sw::TextToBool("\t0\r\n"));
    EXPECT_TRUE(sw::TextToBool(""));
    EXPECT_TRUE(sw::TextToBool("00"));
    EXPECT_TRUE(sw::TextToBool("non"));
    EXPECT_TRUE(sw::TextToBool("1"));
}

TEST(CutItemTest, TakesTheTextBeforeTheFirstSemicolon)
{
    std::string text = "a;b;";
    EXPECT_EQ(sw::CutItem(text), "a");
    EXPECT_EQ(text, "b;");
    EXPECT_EQ(sw::CutItem(text), "b");
    EXPECT_EQ(text, "");
    text = "abc";
    EXPECT_EQ(sw::CutItem(text), "");
    EXPECT_EQ(text, "abc");
    text = ";x";
    EXPECT_EQ(sw::CutItem(text), "");
    EXPECT_EQ(text, "x");
    text = "";
    EXPECT_EQ(sw::CutItem(text), "");
    EXPECT_EQ(text, "");
}

TEST(ReplaceTextTest, ReplacesLeftToRightWithoutSearchingWhatWasPutIn)
{
    EXPECT_EQ(sw::ReplaceText("aaa", "aa", "b"), "ba");
    EXPECT_EQ(sw::ReplaceText("a;;b", ";", ";;"), "a;;;;b");
    EXPECT_EQ(sw::ReplaceText("abc", "", "x"), "abc") << "an empty pattern must not loop";
    EXPECT_EQ(sw::ReplaceText("", "a", "b"), "");
}

TEST(StripExtensionTest, CutsAtTheFirstDotAfterTrimming)
{
    EXPECT_EQ(sw::StripExtension(" film.vid  "), "film");
    EXPECT_EQ(sw::StripExtension("film"), "film");
    EXPECT_EQ(sw::StripExtension("/films/mon.film.vid"), "/films/mon");
    EXPECT_EQ(sw::StripExtension(""), "");
}

TEST(SiteFolderTest, CutsTheFileNameOnly)
{
    EXPECT_EQ(sw::SiteFolderOf("/films/court.vid"), fs::path("/films/court"));
    EXPECT_EQ(sw::SiteFolderOf("/films/mon.film.vid"), fs::path("/films/mon"));
    EXPECT_EQ(sw::SiteFolderOf("/home/me/my.films/court.vid"), fs::path("/home/me/my.films/court"));
    EXPECT_EQ(sw::SiteFolderOf("court.vid"), fs::path("court"));
    EXPECT_EQ(sw::SiteFolderOf("/films/court"), fs::path("/films/court"));
    EXPECT_THROW(sw::SiteFolderOf("/films/.vid"), sw::Error);
    EXPECT_EQ(sw::ImageFolderOf("/films/court"), fs::path("/films/court/img"));
}

TEST(DayNameTest, WeekStartsOnSunday)
{
    EXPECT_EQ(sw::DayName(1), "Dimanche");
    EXPECT_EQ(sw::DayName(2), "Lundi");
    EXPECT_EQ(sw::DayName(3), "Mardi");
    EXPECT_EQ(sw::DayName(4), "Mercredi");
    EXPECT_EQ(sw::DayName(5), "Jeudi");
    EXPECT_EQ(sw::DayName(6), "Vendredi");
    EXPECT_EQ(sw::DayName(7), "Samedi");
    EXPECT_EQ(sw::DayName(0), "");
    EXPECT_EQ(sw::DayName(8), "");
}

TEST(NowTextTest, DayCommaDateTwoBlanksTime)
{
    const std::string text = sw::NowText();
    const auto comma = text.find(", ");
    ASSERT_NE(comma, std::string::npos);
    bool known = false;
    for (int day = 1; day <= 7; ++day)
        known = known || text.substr(0, comma) == sw::DayName(day);
    EXPECT_TRUE(known) << text;
    const auto gap = text.find("  ", comma);
    ASSERT_NE(gap, std::string::npos) << text;
    EXPECT_GT(gap, comma + 2) << "a date stands between the day and the time";
    EXPECT_GT(text.size(), gap + 2) << "a time follows the two blanks";
}

// Wednesday 9 December 2026, 14:05:09, with the weekday worked out by the
// calendar rather than written in.
std::tm FixedMoment()
{
    using namespace std::chrono;
    constexpr year_month_day date{year{2026}, December, day{9}};
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 9;
    moment.tm_hour = 14;
    moment.tm_min = 5;
    moment.tm_sec = 9;
    moment.tm_wday = static_cast<int>(weekday{sys_days{date}}.c_encoding());
    return moment;
}

// A locale whose dates and times come out as fixed UTF-8 texts, as a user
// locale with a UTF-8 code set writes them.
class Utf8TimePut : public std::time_put<char> {
protected:
    iter_type do_put(iter_type out, std::ios_base&, char, const std::tm*, char format, char) const override
    {
        const std::string text = format == 'x' ? "9 d\xC3\xA9" "c. 2026" : "14 h 05";
        return std::copy(text.begin(), text.end(), out);
    }
};

TEST(DateTextTest, KnownDateGivesItsWeekdayName)
{
    EXPECT_EQ(sw::DayName(FixedMoment().tm_wday + 1), "Mercredi");
}

TEST(DateTextTest, WithoutALocaleTheDateReadsInTheFrenchOrder)
{
    EXPECT_EQ(sw::NowText(FixedMoment(), std::locale::classic()), "Mercredi, 09/12/2026  14:05:09");
    EXPECT_EQ(sw::ShortDateText(FixedMoment(), std::locale::classic()), "09/12/2026");
}

TEST(DateTextTest, Utf8FromTheLocaleBecomesWindows1252)
{
    const std::locale locale(std::locale::classic(), new Utf8TimePut);
    EXPECT_EQ(sw::NowText(FixedMoment(), locale), "Mercredi, 9 déc. 2026  14 h 05");
    EXPECT_EQ(sw::ShortDateText(FixedMoment(), locale), "9 déc. 2026");
}

TEST(EnsureDirectoryTest, CreatesAndAnnouncesOnce)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const fs::path site = temp.Path() / "court" / "img";
    sw::EnsureDirectory(site, true, &notifier);
    EXPECT_TRUE(fs::is_directory(site));
    ASSERT_EQ(notifier.messages.size(), 1U);
    EXPECT_EQ(notifier.messages[0], "Le répertoire " + site.string() + " vient d'être créé.");
    sw::EnsureDirectory(site, true, &notifier);
    EXPECT_EQ(notifier.messages.size(), 1U) << "an existing folder gives no message";
    const fs::path silent = temp.Path() / "silent";
    sw::EnsureDirectory(silent, false, &notifier);
    EXPECT_TRUE(fs::is_directory(silent));
    EXPECT_EQ(notifier.messages.size(), 1U);
    sw::EnsureDirectory(temp.Path() / "nobody", true, nullptr);
    EXPECT_TRUE(fs::is_directory(temp.Path() / "nobody"));
}

TEST(EnsureDirectoryTest, FailureIsReportedNotHidden)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const fs::path file = temp.Path() / "court";
    sw::test::WriteAll(file, "x");
    EXPECT_THROW(sw::EnsureDirectory(file, true, &notifier), sw::Error);
    EXPECT_THROW(sw::EnsureDirectory(file / "img", true, &notifier), sw::Error);
    EXPECT_TRUE(notifier.messages.empty());
    try {
        sw::EnsureDirectory(file / "img", true, &notifier);
    } catch (const sw::Error& error) {
        EXPECT_NE(std::string(error.what()).find((file / "img").string()), std::string::npos) << error.what();
    }
    // A name longer than the system allows cannot even be looked at: that is
    // the same failure, not an escaping file-system exception.
    const fs::path tooLong = temp.Path() / std::string(300, 'a');
    EXPECT_EQ(sw::test::ErrorOf([&] { sw::EnsureDirectory(tooLong, true, &notifier); }),
              "Le répertoire " + tooLong.string() + " n'a pas pu être créé (le nom est trop long).");
    EXPECT_TRUE(notifier.messages.empty());
}

} // namespace
