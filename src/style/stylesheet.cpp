// The CSS text of the style set.
#include "style/styleprefs.h"

#include "model/textform.h"

namespace sw {

namespace {

constexpr const char* kCrLf = "\r\n";

constexpr const char* kFixedRules =
    ".center { text-align:center }\r\n"
    ".right  { text-align:right }\r\n"
    ".left  { text-align:left }\r\n"
    ".justify  { text-align:justify }\r\n"
    "\r\n"
    ".indent0 { text-align:justify; \r\n"
    "           padding-top:10px; \r\n"
    "\t}\r\n"
    ".indent1 { text-align:justify; \r\n"
    "           margin-left:5%;\r\n"
    "           padding-top:10px; \r\n"
    "\t}\r\n"
    ".indent2 { text-align:justify; \r\n"
    "           margin-left:7%;\r\n"
    "           padding-top:10px; \r\n"
    "\t}\r\n"
    ".indent3 { text-align:justify; \r\n"
    "           margin-left:10%;\r\n"
    "           padding-top:10px; \r\n"
    "\t}\r\n"
    "\r\n"
    ".topLeft {\r\n"
    "           float:left;\r\n"
    "           width:45%;\r\n"
    "\t}\r\n"
    "\r\n"
    ".topRight {\r\n"
    "           padding-left:15%;\r\n"
    "           float:right;\r\n"
    "           text-align:right\r\n"
    "\t}\r\n"
    "\r\n"
    ".topMenu {\r\n"
    "           padding-left:20%;\r\n"
    "           float:left;\r\n"
    "\t}\r\n"
    "\r\n"
    "\r\n";

// Every line of the options indented by a tab.
std::string OptionLines(const std::string& options)
{
    return "\t" + ReplaceText(options, kCrLf, "\r\n\t");
}

} // namespace

std::string TStylePrefs::BoxLines(int index) const
{
    if (index == 0)
        return "\tbackground:" + BGColor + ";" + kCrLf + "\tmargin:" + PMargin + ";" + kCrLf;
    const TStyleSpecs& element = elements.at(static_cast<std::size_t>(index));
    std::string lines;
    if (!element.transparent)
        lines += "\tbackground:" + element.background + ";" + kCrLf;
    if (!element.margin.empty() && element.margin != PMargin)
        lines += "\tmargin:" + element.margin + ";" + kCrLf;
    if (!element.padding.empty())
        lines += "\tpadding:" + element.padding + ";" + kCrLf;
    return lines;
}

// Left alignment writes no declaration, nor does an index that names none.
std::string TStylePrefs::AlignLine(int index) const
{
    const int align = elements.at(static_cast<std::size_t>(index)).alignIndex;
    if (align <= 0 || align >= static_cast<int>(AlignNames.size()))
        return {};
    return std::string("\ttext-align:") + AlignNames[static_cast<std::size_t>(align)] + ";\r\n";
}

std::string TStylePrefs::BuildStyleSheet() const
{
    std::string css = "/* Zeblin's style Prefs generated StyleSheet */\r\n\r\n";

    for (int i = 0; i < kStyleElementCount; ++i) {
        const TStyleSpecs& element = elements[static_cast<std::size_t>(i)];
        if (element.selector.empty())
            continue;
        css += element.selector + " {" + kCrLf;
        css += BoxLines(i);
        css += "\tcolor:" + element.colorName + ";" + kCrLf;
        css += "\tfont-family:\"" + element.fontFace + "\";" + kCrLf;
        css += "\tfont-size:" + element.fontSizeText + "pt;" + kCrLf;
        css += AlignLine(i);
        css += OptionLines(element.options);
        css += "}\r\n\r\n";
    }

    for (const TLinkSpecs& link : links) {
        css += "a:" + link.state + " {" + kCrLf;
        css += "\tcolor:" + link.colorName + ";" + kCrLf;
        css += std::string("\ttext-decoration:") + (link.underline ? "underline" : "none") + ";" + kCrLf;
        css += "\t}\r\n\r\n";
    }

    css += "DIR {\r\n" + AlignLine(0) + "\t}\r\n\r\n";
    css += kFixedRules;
    css += "HR {text-align:center}\r\n\r\n";
    return css;
}

} // namespace sw
