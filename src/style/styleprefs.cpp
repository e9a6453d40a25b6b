#include "style/styleprefs.h"

#include <tuple>

#include "model/textconv.h"
#include "model/textform.h"

namespace sw {

namespace {

constexpr std::array<const char*, kLinkStateCount> kLinkStates = {"link", "active", "visited"};

const TBasicColor& BasicColor(int index)
{
    return BasicColors.at(static_cast<std::size_t>(index));
}

} // namespace

TStylePrefs::TStylePrefs()
{
    alignIndexes.fill(-1);
    fontSizes.fill(-1);
    colorIndexes.fill(-1);
    backgroundIndexes.fill(-1);
    linkColorIndexes.fill(-1);
    SetDefaults();
}

void TStylePrefs::SetDefaults()
{
    BGColor = "WHITE";
    BodyColor = "BLACK";
    LinkColor = "PURPLE";
    ALinkColor = "RED";
    VLinkColor = "GREEN";
    BGSysCol = 0xFFFFFF;
    BodySysCol = 0;
    LinkSysColor = 0x800080;
    ALinkSysColor = 0x0000FF;
    VLinkSysColor = 0x008000;
    PMargin = "2%,7%";
    DefFontFace = "Arial";
    sFileName = "cStyle.css";

    for (std::size_t i = 0; i < kStyleElementCount; ++i) {
        const TStyleRow& row = UnitDefaults[i];
        if (alignIndexes[i] == -1)
            alignIndexes[i] = row.alignIndex;
        if (fontSizes[i] == -1)
            fontSizes[i] = row.fontSize;
        if (colorIndexes[i] == -1)
            colorIndexes[i] = row.colorIndex;
        if (backgroundIndexes[i] == -1)
            backgroundIndexes[i] = 0;
    }
    BuildElements();

    for (std::size_t k = 0; k < kLinkStateCount; ++k)
        if (linkColorIndexes[k] == -1)
            linkColorIndexes[k] = UnitLinkColorIndexes[k];
    SetLinkDefaults();
}

void TStylePrefs::BuildElements()
{
    for (std::size_t i = 0; i < kStyleElementCount; ++i) {
        if (selectors[i].empty())
            selectors[i] = UnitDefaults[i].selector;
        TStyleSpecs element(static_cast<int>(i), selectors[i], DefFontFace);
        element.fontSize = fontSizes[i];
        element.fontSizeText = IntToStr(fontSizes[i]);
        element.alignIndex = alignIndexes[i];
        element.colorValue = BasicColor(colorIndexes[i]).value;
        element.colorName = BasicColor(colorIndexes[i]).name;
        element.background = BasicColor(backgroundIndexes[i]).name;
        element.backgroundValue = BasicColor(backgroundIndexes[i]).value;
        if (backgroundIndexes[i] != backgroundIndexes[0])
            element.transparent = false;
        elements[i] = std::move(element);
    }
    TStyleSpecs& body = elements[0];
    body.fontFace = DefFontFace;
    body.background = BGColor;
    body.backgroundValue = BGSysCol;
    body.colorName = "black";
    body.margin = PMargin;
}

void TStylePrefs::SetLinkDefaults()
{
    for (std::size_t k = 0; k < kLinkStateCount; ++k) {
        TLinkSpecs& link = links[k];
        link.state = kLinkStates[k];
        link.colorName = BasicColor(linkColorIndexes[k]).name;
        link.colorValue = BasicColor(linkColorIndexes[k]).value;
        link.underline = false;
    }
}

void TStylePrefs::ApplyAppStyleTable()
{
    for (std::size_t i = 0; i < kAppStyleRowCount; ++i) {
        const TStyleRow& row = AppStyleTable[i];
        descriptions[i] = row.description;
        selectors[i] = row.selector;
        shortNames[i] = row.shortName;
        alignIndexes[i] = row.alignIndex;
        fontSizes[i] = row.fontSize;
        colorIndexes[i] = row.colorIndex;
        backgroundIndexes[i] = row.backgroundIndex;
    }
    BuildElements();
    linkColorIndexes = AppLinkColorIndexes;
    SetLinkDefaults();
}

std::string TStylePrefs::LinksToText() const
{
    std::string text;
    for (const TLinkSpecs& link : links)
        text += JoinItems({link.colorName, IntToStr(link.colorValue), BoolToText(link.underline)});
    return text;
}

void TStylePrefs::LinksFromText(std::string_view text)
{
    std::string rest(text);
    for (TLinkSpecs& link : links) {
        link.colorName = Trim(CutItem(rest));
        link.colorValue = StrToInt(Trim(CutItem(rest)));
        link.underline = TextToBool(Trim(CutItem(rest)));
    }
}

bool TStylePrefs::operator==(const TStylePrefs& other) const
{
    const auto savedPageFields = [](const TStylePrefs& prefs) {
        return std::tie(prefs.BGColor, prefs.BodyColor, prefs.LinkColor, prefs.ALinkColor, prefs.VLinkColor,
                        prefs.BGSysCol, prefs.BodySysCol, prefs.LinkSysColor, prefs.ALinkSysColor,
                        prefs.VLinkSysColor, prefs.DefFontFace, prefs.PMargin, prefs.sFileName);
    };
    return savedPageFields(*this) == savedPageFields(other) && elements == other.elements && links == other.links;
}

void TStylePrefs::CopyElement(int from, int to)
{
    const std::string text = elements.at(static_cast<std::size_t>(from)).ToText();
    elements.at(static_cast<std::size_t>(to)).FromText(text, BGSysCol);
}

} // namespace sw
