#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "publish/ghtml.h"
#include "publish/uconvert.h"
#include "model/utf8.h"

namespace {

using sw::TextToHtml;

// ---- Character conversions ----

TEST(EncodeEntitiesTest, ReplacesLatinLettersOnly)
{
    EXPECT_EQ(sw::EncodeEntities("Réalisation: <b>×</b> & co"), "R&eacute;alisation: <b>×</b> & co");
    EXPECT_EQ(sw::EncodeEntities("Æßþ÷ÿÀ"), "&AElig;&szlig;&thorn;÷&yuml;&Agrave;");
    EXPECT_EQ(sw::EncodeEntities("«°© &#164; \"x\""), "«°© &#164; \"x\"");
    EXPECT_EQ(sw::EncodeEntities(""), "");
}

TEST(EncodeEntitiesTest, EveryLetterGetsANamedEntity)
{
    int encoded = 0;
    for (int code = 0xC0; code <= 0xFF; ++code) {
        std::string letter;
        sw::AppendUtf8(letter, static_cast<char32_t>(code));
        const std::string result = sw::EncodeEntities(letter);
        if (code == 0xD7 || code == 0xF7) {
            EXPECT_EQ(result, letter);
            continue;
        }
        ASSERT_GE(result.size(), 4U) << code;
        EXPECT_EQ(result.front(), '&');
        EXPECT_EQ(result.back(), ';');
        ++encoded;
    }
    EXPECT_EQ(encoded, 62);
    EXPECT_EQ(sw::EncodeEntities("ÐðÞç"), "&ETH;&eth;&THORN;&ccedil;");
}

TEST(StripAccentsTest, FrenchLettersAndOthers)
{
    EXPECT_EQ(sw::StripAccents("Ça été"), "ca ete");
    EXPECT_EQ(sw::StripAccents("menu.htm"), "menu.htm");
    EXPECT_EQ(sw::StripAccents("../père.html"), "../pere.html");
    EXPECT_EQ(sw::StripAccents("ÀÂÈÉËÎÏÔÙÛÜ"), "AAEEEIIOUUU");
    EXPECT_EQ(sw::StripAccents("àâçèéêëîïôùûü"), "aaceeeeiiouuu");
    // Letters outside the French table keep one plain letter of the same case.
    EXPECT_EQ(sw::StripAccents("ÊÑÄÿÆØß×÷"), "ENAyAOs__");
    EXPECT_EQ(sw::StripAccents("«° x"), "«° x");
    // Other alphabets keep their letters; the pages write them as references.
    EXPECT_EQ(sw::StripAccents("Łódź Ελένη"), "Łodź Ελένη");
    for (int code = 0xC0; code <= 0xFF; ++code) {
        std::string letter;
        sw::AppendUtf8(letter, static_cast<char32_t>(code));
        const std::string result = sw::StripAccents(letter);
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

// ---- Characters the site's code page cannot hold ----

TEST(SiteCharactersTest, ScriptStringsEscapeWhatTheCodePageCannotHold)
{
    // Western letters stay for the page's code page; the others become
    // script escapes, a character beyond U+FFFF a surrogate pair.
    EXPECT_EQ(sw::JsEscape("café Łukasz \"Ω\" 🎬"), "café \\u0141ukasz \\\"\\u03A9\\\" \\uD83C\\uDFAC");
    EXPECT_EQ(sw::JsEscape("€‰"), "€‰");
    // A broken byte is left to the script file's conversion, which escapes it.
    std::string buffer;
    EXPECT_EQ(sw::SiteBytes(sw::JsEscape("a\xC3("), sw::SiteTextKind::Script, buffer), "a\\uFFFD\\(");
    EXPECT_EQ(sw::ScriptFileName("Дом\\\"é.jpg"), "\\u0414\\u043E\\u043C\\\\\\\"é.jpg");
    // Malformed bytes, each six bytes long once escaped, fit where they go.
    const std::string broken(40, '\xFF');
    std::string escapes;
    for (int i = 0; i < 40; ++i)
        escapes += "\\uFFFD";
    EXPECT_EQ(sw::JsEscape(broken), escapes);
    sw::PageText script;
    script.ClearForSite(sw::SiteTextKind::Script);
    sw::AppendJsEscaped(script, broken);
    EXPECT_EQ(script.FinishedBytes(), escapes + "\r\n");
    sw::PageText page;
    page.ClearForSite(sw::SiteTextKind::Page);
    page.append(broken);
    std::string references;
    for (int i = 0; i < 40; ++i)
        references += "&#65533;";
    EXPECT_EQ(page.FinishedBytes(), references + "\r\n");
}

TEST(SiteCharactersTest, StyleTextsUseCssEscapes)
{
    EXPECT_EQ(sw::CssEscaped("Łódź Sans"), "\\141 ód\\17A  Sans");
    EXPECT_EQ(sw::CssEscaped("Times New Roman"), "Times New Roman");
    EXPECT_EQ(sw::CssEscaped("✓"), "\\2713 ");
}

TEST(SiteCharactersTest, PagesBecomeWindows1252WithReferencesForTheRest)
{
    std::string buffer;
    const std::string_view ascii = "<P>plain</P>";
    EXPECT_EQ(sw::SiteBytes(ascii, sw::SiteTextKind::Page, buffer).data(), ascii.data());
    EXPECT_EQ(sw::SiteBytes("été Łukasz 🎬 “q”", sw::SiteTextKind::Page, buffer),
              "\xE9t\xE9 &#321;ukasz &#127916; \x93q\x94");
    EXPECT_EQ(sw::SiteBytes("font-family:\"Łato\";", sw::SiteTextKind::StyleSheet, buffer),
              "font-family:\"\\141 ato\";");
    EXPECT_EQ(sw::SiteBytes("// Ω é", sw::SiteTextKind::Script, buffer), "// \\u03A9 \xE9");
    EXPECT_EQ(sw::SiteBytes("bad \xFF", sw::SiteTextKind::Page, buffer), "bad &#65533;");
    EXPECT_EQ(sw::SiteTextKindOf("vStyle.css"), sw::SiteTextKind::StyleSheet);
    EXPECT_EQ(sw::SiteTextKindOf("vScript.JS"), sw::SiteTextKind::Script);
    EXPECT_EQ(sw::SiteTextKindOf("index.htm"), sw::SiteTextKind::Page);
}

// ---- Head and small pieces ----

TEST(HtmlPiecesTest, TitleBorderHeadingPair)
{
    EXPECT_EQ(sw::DocType(), "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">");
    EXPECT_EQ(sw::TitleTag(""), "");
    EXPECT_EQ(sw::TitleTag("Été"), "<TITLE>Été</TITLE>");
    EXPECT_EQ(sw::FrameBorderAttr(""), "BORDER=0 FRAMEBORDER=0");
    EXPECT_EQ(sw::FrameBorderAttr("2"), "BORDER=2 FRAMEBORDER=2");
    EXPECT_EQ(sw::HeadingTag("Plans", "", 1), "<H1>Plans</H1>\n");
    EXPECT_EQ(sw::HeadingTag("Plans", "rev", 1), "<H1 class=rev>Plans</H1>\n");
    EXPECT_EQ(sw::HeadingTag("Idée:", "", 4), "<H4>Id&eacute;e:</H4>\n");
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
    EXPECT_EQ(sw::LinkTag("découpage.htm", "découpage"),
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
        "</ul>", "<ol>", "<blockquote>", "<BlockQ", "</", "<", "br>", "p>", "a", "b", "é", " ",
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
