#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "publish/ghtml.h"
#include "publish/uconvert.h"

namespace {

using sw::TextToHtml;

// ---- Character conversions ----

TEST(EncodeEntitiesTest, ReplacesLatinLettersOnly)
{
    EXPECT_EQ(sw::EncodeEntities("R\xE9" "alisation: <b>\xD7</b> & co"), "R&eacute;alisation: <b>\xD7</b> & co");
    EXPECT_EQ(sw::EncodeEntities("\xC6\xDF\xFE\xF7\xFF\xC0"), "&AElig;&szlig;&thorn;\xF7&yuml;&Agrave;");
    EXPECT_EQ(sw::EncodeEntities("\xAB\xB0\xA9 &#164; \"x\""), "\xAB\xB0\xA9 &#164; \"x\"");
    EXPECT_EQ(sw::EncodeEntities(""), "");
}

TEST(EncodeEntitiesTest, EveryLetterGetsANamedEntity)
{
    int encoded = 0;
    for (int code = 0xC0; code <= 0xFF; ++code) {
        const std::string result = sw::EncodeEntities(std::string(1, static_cast<char>(code)));
        if (code == 0xD7 || code == 0xF7) {
            EXPECT_EQ(result.size(), 1U);
            continue;
        }
        ASSERT_GE(result.size(), 4U) << code;
        EXPECT_EQ(result.front(), '&');
        EXPECT_EQ(result.back(), ';');
        ++encoded;
    }
    EXPECT_EQ(encoded, 62);
    EXPECT_EQ(sw::EncodeEntities("\xD0\xF0\xDE\xE7"), "&ETH;&eth;&THORN;&ccedil;");
}

TEST(StripAccentsTest, FrenchLettersAndOthers)
{
    EXPECT_EQ(sw::StripAccents("\xC7" "a \xE9t\xE9"), "ca ete");
    EXPECT_EQ(sw::StripAccents("menu.htm"), "menu.htm");
    EXPECT_EQ(sw::StripAccents("../p\xE8re.html"), "../pere.html");
    EXPECT_EQ(sw::StripAccents("\xC0\xC2\xC8\xC9\xCB\xCE\xCF\xD4\xD9\xDB\xDC"), "AAEEEIIOUUU");
    EXPECT_EQ(sw::StripAccents("\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC"), "aaceeeeiiouuu");
    // Letters outside the French table keep one plain letter of the same case.
    EXPECT_EQ(sw::StripAccents("\xCA\xD1\xC4\xFF\xC6\xD8\xDF\xD7\xF7"), "ENAyAOs__");
    EXPECT_EQ(sw::StripAccents("\xAB\xB0 x"), "\xAB\xB0 x");
    for (int code = 0xC0; code <= 0xFF; ++code) {
        const std::string result = sw::StripAccents(std::string(1, static_cast<char>(code)));
        ASSERT_EQ(result.size(), 1U);
        EXPECT_LT(static_cast<unsigned char>(result[0]), 0x80) << code;
    }
}

TEST(ScriptEscapeTest, RemoveEscapeAndJsEscape)
{
    EXPECT_EQ(sw::RemoveChar('x', "axbxx"), "ab");
    EXPECT_EQ(sw::EscapeChar('"', "a\"b\"\""), "a\\\"b\\\"\\\"");
    EXPECT_EQ(sw::EscapeChar('(', ""), "");
    EXPECT_EQ(sw::JsEscape("un \"mot\" (ici)\r\nsuite\\"), "un \\\"mot\\\" \\(ici\\)suite");
    EXPECT_EQ(sw::JsEscape("a\\\"b\rc\nd"), "a\\\"bcd");
}

// ---- Head and small pieces ----

TEST(HtmlPiecesTest, TitleBorderHeadingPair)
{
    EXPECT_EQ(sw::DocType(), "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">");
    EXPECT_EQ(sw::TitleTag(""), "");
    EXPECT_EQ(sw::TitleTag("\xC9t\xE9"), "<TITLE>\xC9t\xE9</TITLE>");
    EXPECT_EQ(sw::FrameBorderAttr(""), "BORDER=0 FRAMEBORDER=0");
    EXPECT_EQ(sw::FrameBorderAttr("2"), "BORDER=2 FRAMEBORDER=2");
    EXPECT_EQ(sw::HeadingTag("Plans", "", 1), "<H1>Plans</H1>\n");
    EXPECT_EQ(sw::HeadingTag("Plans", "rev", 1), "<H1 class=rev>Plans</H1>\n");
    EXPECT_EQ(sw::HeadingTag("Id\xE9" "e:", "", 4), "<H4>Id&eacute;e:</H4>\n");
    EXPECT_EQ(sw::HeadingTag("x", "", 65535), "<H65535>x</H65535>\n");
    EXPECT_EQ(sw::SpacedPair("<br>", 0), "<br> <br>");
    EXPECT_EQ(sw::SpacedPair("<p>", 3), "<p>    <p>");
}

TEST(HtmlPiecesTest, Heads)
{
    EXPECT_EQ(sw::HtmlHead("", "", "vStyle.css", ""),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<HTML>\n<HEAD>\n"
              "\t<LINK REL=\"stylesheet\" HREF=\"vStyle.css\" TYPE=\"text/css\">\n\n</HEAD> \n");
    EXPECT_EQ(sw::HtmlHead("<META x>", "vScript.js", "vStyle.css", "Plan"),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<HTML>\n<HEAD>\n"
              "\t<SCRIPT SRC=\"vScript.js\" LANGUAGE=\"JavaScript\"></SCRIPT>\n"
              "\t<LINK REL=\"stylesheet\" HREF=\"vStyle.css\" TYPE=\"text/css\">\n"
              "\t<META x>\n<TITLE>Plan</TITLE>\n</HEAD> \n");
    // Texts that name no file are pasted as head text.
    EXPECT_EQ(sw::HtmlHead("", "<SCRIPT>x</SCRIPT>", "<STYLE>y</STYLE>", ""),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<HTML>\n<HEAD>\n"
              "<SCRIPT>x</SCRIPT><STYLE>y</STYLE>\n</HEAD> \n");
    EXPECT_EQ(sw::PlainHtmlHead("", ""),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<HTML>\n<HEAD>\n\t\t\n</HEAD> \n");
    EXPECT_EQ(sw::PlainHtmlHead("<X>", "Plan"),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<HTML>\n<HEAD>\n\t<X>\t<TITLE>Plan</TITLE>\n</HEAD> \n");
}

TEST(HtmlPiecesTest, LinkAndFrameset)
{
    EXPECT_EQ(sw::LinkTag("synops.htm\" target=\"main", "synopsis"),
              "<A HREF=\"synops.htm\" target=\"main\">synopsis</A>");
    EXPECT_EQ(sw::LinkTag("d\xE9" "coupage.htm", "d\xE9" "coupage"),
              "<A HREF=\"decoupage.htm\">d&eacute;coupage</A>");
    EXPECT_EQ(sw::FramesetPage("*,20", "<META>\n", "Film", "", "main.htm\" name=\"main\"",
                               "menu.htm\" name=\"menu\" scrolling=no"),
              "<HTML> <HEAD> \n<META>\n<TITLE>Film</TITLE></HEAD>\n"
              "<FRAMESET ROWS=\"*,20\" SCROLLING=NO FRAMEBORDER=0  FRAMESPACING=0 BORDER=0 FRAMEBORDER=0>\n"
              "\t<FRAME SRC=\"main.htm\" name=\"main\">\n"
              "\t<FRAME SRC=\"menu.htm\" name=\"menu\" scrolling=no>\n"
              "</FRAMESET> \n</HTML>");
}

// ---- Typed text to HTML ----

TEST(TextToHtmlTest, LineBreaksAndParagraphs)
{
    EXPECT_EQ(TextToHtml(""), "");
    EXPECT_EQ(TextToHtml("a\r\nb"), "a\r\n<br>b");
    EXPECT_EQ(TextToHtml("a\nb"), "a\r\n<br>b");
    EXPECT_EQ(TextToHtml("a\rb"), "a\r\n<br>b");
    EXPECT_EQ(TextToHtml("a\r\n\r\nb"), "a\r\n<p>\r\nb");
    EXPECT_EQ(TextToHtml("a\n\rb"), "a\r\n<p>\r\nb");
    EXPECT_EQ(TextToHtml("a\r\n \r\nb"), "a\r\n\r\n<p>\r\nb");
    EXPECT_EQ(TextToHtml("a\r\n\r\n\r\n\r\n\r\nb"), "a\r\n<p>\r\nb");
    EXPECT_EQ(TextToHtml("  \r\n\ta b\r\n \t"), "a b");
    EXPECT_EQ(TextToHtml(" \r\n "), "");
}

TEST(TextToHtmlTest, ListsAndIndentsLoseTheirBreaks)
{
    EXPECT_EQ(TextToHtml("Liste:\r\n<ul>\r\n<li>un\r\n<li>deux\r\n</ul>"),
              "Liste:\r\n<ul>\r\n<li>un\r\n<li>deux\r\n</ul>");
    EXPECT_EQ(TextToHtml("a\r\n\r\n<li>b"), "a\r\n<li>b");
    EXPECT_EQ(TextToHtml("<dir>\r\nx\r\n</dir>"), "\r\n<dir>x\r\n</dir>");
    EXPECT_EQ(TextToHtml("<dir>\r\n\r\n\r\nx"), "<dir>\r\n<p>\r\nx");
    EXPECT_EQ(TextToHtml("a\r\n<blockquote>b\r\n</blockquote>"), "a\r\n<blockquote>b\r\n</blockquote>");
    EXPECT_EQ(TextToHtml("a\r\n\r\n</ol>"), "a\r\n</ol>");
}

TEST(TextToHtmlTest, CaseAndBlanks)
{
    // Capital tags escape the exact-case loop but not the case-blind last steps.
    EXPECT_EQ(TextToHtml("a<BR><BR>b"), "a\r\n\r\n<p>\r\nb");
    EXPECT_EQ(TextToHtml("a<P>b"), "a\r\n<p>\r\nb");
    // One to four blanks between breaks join them; five do not.
    EXPECT_EQ(TextToHtml("a\r\n    \r\nb"), "a\r\n\r\n<p>\r\nb");
    EXPECT_EQ(TextToHtml("a\r\n     \r\nb"), "a\r\n<br>     \r\n<br>b");
    EXPECT_EQ(TextToHtml("a\r\n\t\r\nb"), "a\r\n<br>\t\r\n<br>b");
}

// The rules as written, one whole-text replacement after another: the yardstick
// for the single-pass conversion.
std::string LowerCopy(const std::string& text)
{
    std::string lower = text;
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return lower;
}

std::string NaiveReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement)
{
    const std::string lower = LowerCopy(text);
    std::string result;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t found = lower.find(pattern, pos);
        if (found == std::string::npos)
            break;
        result += text.substr(pos, found - pos) + replacement;
        pos = found + pattern.size();
    }
    return result + text.substr(pos);
}

std::string NaiveTextToHtml(std::string text)
{
    if (text.empty())
        return text;
    text = NaiveReplaceAll(text, "\r\n", "\n");
    text = NaiveReplaceAll(text, "\r", "\n");
    text = NaiveReplaceAll(text, "\n", "\r\n");
    const auto first = text.find_first_not_of(std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08\t\n\x0b\x0c\r"
                                                          "\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19"
                                                          "\x1a\x1b\x1c\x1d\x1e\x1f ",
                                                          33));
    if (first == std::string::npos)
        text.clear();
    else
        text = text.substr(first);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.pop_back();
    text = NaiveReplaceAll(text, "\r\n", "<br>");
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"<br><br>", "<p>"},          {"<p><p>", "<p>"},           {"<br><p>", "<p>"},
        {"<p><br>", "<p>"},           {"<br><li>", "\r\n<li>"},    {"<p><li>", "\r\n<li>"},
        {"<br><ul>", "\r\n<ul>"},     {"<br><ol>", "\r\n<ol>"},    {"<br><blockq", "\r\n<blockq"},
        {"<dir><br>", "\r\n<dir>"},   {"<p><dir>", "\r\n<dir>"},   {"<br></", "\r\n</"},
        {"<p></", "\r\n</"}};
    for (const auto& [pattern, replacement] : pairs)
        while (text.find(pattern) != std::string::npos)
            text = NaiveReplaceAll(text, pattern, replacement);
    for (int n = 0; n <= 3; ++n) {
        const std::string blanks(static_cast<std::size_t>(n) + 1, ' ');
        text = NaiveReplaceAll(text, "<br>" + blanks + "<br>", "<br><br>");
        text = NaiveReplaceAll(text, "<p>" + blanks + "<p>", "<p>");
    }
    text = NaiveReplaceAll(text, "<br><br>", "\r\n<p>");
    text = NaiveReplaceAll(text, "<p><br>", "<br>");
    text = NaiveReplaceAll(text, "<br>", "\r\n<br>");
    return NaiveReplaceAll(text, "<p>", "\r\n<p>\r\n");
}

TEST(TextToHtmlTest, RunsOfTagsAsTheRepeatedReplacementsGiveThem)
{
    const std::vector<std::string> cases = {
        "x<p><p><p><p><p>y",      "x<P><P><P><p><p>y",   "x<p><p><P>y",         "x<P><P><P><P>y<p><p>",
        "x<br><br><br><p>y",      "<br><BR><br><p>",     "<BR><br><p><br><p>", "<p><br><br><BR><br>x",
        "<P><br><br>x<p><br>",    "<dir><br><br><BR>",   "<DIR><br><br>x",     "<dir><BR><br>x<dir><br>",
        "a\r\n\r\n\r\n<P>\r\n<p>", "<p><p><p><P><P><P><P>", "<P><P><P><P><P><p><p>"};
    for (const std::string& text : cases)
        EXPECT_EQ(TextToHtml(text), NaiveTextToHtml(text)) << text;
}

TEST(TextToHtmlTest, AgreesWithTheRulesOnRandomTexts)
{
    const std::vector<std::string> pieces = {
        "<br>", "<BR>", "<Br>", "<p>", "<P>", "<dir>", "<DIR>", "</dir>", "<li>", "<LI>", "<ul>",
        "</ul>", "<ol>", "<blockquote>", "<BlockQ", "</", "<", "br>", "p>", "a", "b", "\xE9", " ",
        "  ", "     ", "\t", "\r\n", "\r\n", "\r\n", "\r", "\n", "\r\n\r\n"};
    std::mt19937 random(20061);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 10000; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += pieces[pick(random)];
        ASSERT_EQ(TextToHtml(text), NaiveTextToHtml(text)) << "round " << round << ": " << text;
    }
}

TEST(TextToHtmlTest, AgreesWithTheRulesOnLongRunsOfTags)
{
    const std::vector<std::string> pieces = {"<br>", "<br>", "<BR>", "<p>", "<p>", "<P>", "<dir>", "x",
                                             "\r\n"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int round = 0; round < 1500; ++round) {
        std::string text;
        for (int i = 0; i < 120; ++i)
            text += pieces[pick(random)];
        ASSERT_EQ(TextToHtml(text), NaiveTextToHtml(text)) << "round " << round << ": " << text;
    }
}

} // namespace
