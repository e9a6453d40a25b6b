#pragma once

#include <string>
#include <string_view>

namespace sw {

// The fields that are HTML by design (the shot texts, the idea, the synopsis,
// the notes, the report) hold whatever markup the user typed. The pages show
// it as it is, so it must not be able to run a script in the reader's browser.
//
// CleanUserHtml returns that HTML with everything that could run a script
// removed and everything else kept byte for byte: a text with nothing to
// remove comes back identical, line breaks (CR LF, CR, LF), odd spacing,
// unclosed or mis-nested tags, stray "<" and "&", upper-case tags and
// unquoted attributes included. The input is UTF-8; malformed bytes are kept
// as they are.
//
// What stays:
//   - text, and the start and end tags of the harmless elements (b i u em
//     strong font span p br ul ol li dir menu dl dt dd table caption thead
//     tbody tfoot tr td th col colgroup h1..h6 blockquote pre hr div center
//     sub sup s strike small big tt code and a few more text-level ones), of
//     img and of a;
//   - their presentational attributes (dir lang title class align valign
//     width height color face size border cellpadding cellspacing colspan
//     rowspan bgcolor, a few more such as type start nowrap clear, and style
//     when its CSS cannot load or run anything); img's src when relative,
//     http:, https: or a data: PNG, JPEG, GIF or WebP picture, and its alt;
//     a's href when relative, a #fragment, http:, https: or mailto:, and its
//     target and name;
//   - comments of plain text ("<!-- note -->").
// What goes:
//   - script, style, iframe, frame, frameset, object, embed, applet, form,
//     input, button, textarea, select, base, meta, link, svg, math, template,
//     noscript, and the elements whose content is not markup (title, xmp,
//     noembed, noframes, plaintext), each with all of its content;
//   - the tags of any other element, whose content stays;
//   - every other attribute (on... first of all), a URL of any other scheme
//     (compared with character references decoded, blanks and control
//     characters removed, in any case), an attribute whose value holds markup,
//     a script URL or what reads like a handler ("x onclick=y");
//   - comments that hold markup or are conditional ("<!--[if ...").
// A start tag that loses an attribute is written again from its own bytes:
// the name as typed, each attribute kept as typed with the blanks before it.
// Cleaning what CleanUserHtml returned gives it back unchanged.
//
// With HtmlReach::SelfContained the text is for a page that must load
// nothing from anywhere: img keeps only a data: source, and a style that
// names a url() or an image goes too.
enum class HtmlReach { Web, SelfContained };
std::string CleanUserHtml(std::string_view html, HtmlReach reach = HtmlReach::Web);

// Whether CleanUserHtml would return the text unchanged. A text without "<"
// needs no parsing at all.
bool IsCleanUserHtml(std::string_view html, HtmlReach reach = HtmlReach::Web);

} // namespace sw
