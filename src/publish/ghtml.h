#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "publish/pagetext.h"

namespace sw {

// The recurring pieces of the published HTML pages. Texts are UTF-8.
// The head and heading pieces end their lines with "\n", the converted texts
// with "\r\n"; the publisher writes every line break as CR LF.

// The line end of the converted texts and of the page templates; a page
// copies it without looking at it.
inline constexpr CrLfText kCrLf = "\r\n"_crlf;

// "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">"
std::string DocType();

// "<TITLE>" + title + "</TITLE>", or the empty text for an empty title; the
// title is plain text (EscapeHtmlText).
std::string TitleTag(std::string_view title);

// "BORDER=w FRAMEBORDER=w", with w "0" when width is empty.
std::string FrameBorderAttr(std::string_view width);

// The document start up to the end of the head. script and css are linked when
// they name a ".js" or ".css" file and pasted as head text otherwise; extra is
// pasted on a line of its own. Any of the four may be empty.
std::string HtmlHead(std::string_view extra, std::string_view script, std::string_view css,
                     std::string_view title);

// The document start with extra and the title on one tab-indented line.
std::string PlainHtmlHead(std::string_view extra, std::string_view title);

// One heading line "<Hn class=cls>text</Hn>\n"; the text is plain text,
// escaped (EscapeHtmlText) and entity-encoded,
// the class attribute left out when cls is empty.
std::string HeadingTag(std::string_view text, std::string_view cls, std::uint16_t level);

// tag, n + 1 blanks, tag.
std::string SpacedPair(std::string_view tag, std::uint16_t n);

// Turns text typed in a multi-line box into an HTML fragment: line breaks
// become "<br>" and "<p>", tidied around list and indentation tags. Markup in
// the text is kept. Runs in time linear in the length of the text.
std::string TextToHtml(std::string_view text);

// "<A HREF=\"" + target without accents + "\">" + caption entity-encoded + "</A>".
// target may carry further attributes after a closing quote of its own.
std::string LinkTag(std::string_view target, std::string_view caption);

// Whether text can be pasted as the value of a length attribute (a width, a
// height, a border): empty, or a number (digits, one decimal point) followed
// by nothing, "%", "*" or "px".
bool IsHtmlLength(std::string_view text);

// Whether an address may be a link of the site: relative (no scheme), or in
// http:, https: or mailto:. The scheme is read as a browser reads it, after
// removing the blanks and control characters it ignores.
bool IsSafeLinkAddress(std::string_view address);

// A whole page of two frames in rows; frame1 and frame2 are a file name
// followed by its closing quote and any further attributes.
std::string FramesetPage(std::string_view rows, std::string_view headExtra, std::string_view title,
                         std::string_view border, std::string_view frame1, std::string_view frame2);

} // namespace sw
