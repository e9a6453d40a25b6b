#include "style/stylespecs.h"

#include <tuple>

#include "model/textconv.h"
#include "model/textform.h"
#include "style/netcolors.h"
#include "style/styletables.h"

namespace sw {

TStyleSpecs::TStyleSpecs(int row, std::string selector, std::string fontFace)
    : selector(std::move(selector)), fontFace(std::move(fontFace))
{
    const TStyleRow& defaults = UnitDefaults.at(static_cast<std::size_t>(row));
    fontSize = defaults.fontSize;
    fontSizeText = IntToStr(fontSize);
    alignIndex = defaults.alignIndex;
}

std::string TStyleSpecs::ToText() const
{
    return JoinItems({selector, background, fontFace, fontSizeText, IntToStr(alignIndex), colorName,
                      IntToStr(colorValue), BoolToText(transparent), margin, padding, EncodeOptions(options)});
}

void TStyleSpecs::FromText(std::string_view text, std::int32_t pageBackground)
{
    if (text.empty())
        return;
    std::string rest(text);
    selector = CutItem(rest);
    background = CutItem(rest);
    fontFace = CutItem(rest);
    fontSizeText = CutItem(rest);
    alignIndex = StrToInt(CutItem(rest));
    if (alignIndex < 0 || alignIndex >= static_cast<int>(AlignNames.size()))
        alignIndex = 0;  // only 0..3 name an alignment; others read as left
    colorName = CutItem(rest);
    colorValue = StrToInt(CutItem(rest));
    transparent = TextToBool(CutItem(rest));
    margin = CutItem(rest);
    padding = CutItem(rest);
    options = DecodeOptions(CutItem(rest));
    backgroundValue = transparent ? pageBackground : TNetColors::ColorOfName(background);
    fontSize = StrToInt(fontSizeText);
}

bool TStyleSpecs::operator==(const TStyleSpecs& other) const
{
    const auto savedFields = [](const TStyleSpecs& e) {
        return std::tie(e.selector, e.background, e.fontFace, e.fontSizeText, e.alignIndex, e.colorName,
                        e.colorValue, e.transparent, e.margin, e.padding);
    };
    return savedFields(*this) == savedFields(other) && EncodeOptions(options) == EncodeOptions(other.options);
}

std::string EncodeOptions(std::string_view options)
{
    return ReplaceText(ReplaceText(options, "\r\n", ";"), ";;", "#");
}

std::string DecodeOptions(std::string_view line)
{
    return ReplaceText(line, "#", ";\r\n");
}

} // namespace sw
