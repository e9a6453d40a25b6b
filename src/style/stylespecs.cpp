#include "style/stylespecs.h"

#include "model/textconv.h"
#include "publish/varutil.h"
#include "style/netcolors.h"
#include "style/styletables.h"

namespace sw {

namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos; found = text.find(from, start)) {
        result.append(text.substr(start, found - start));
        result.append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

} // namespace

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

std::string EncodeOptions(std::string_view options)
{
    return ReplaceAll(ReplaceAll(options, "\r\n", ";"), ";;", "#");
}

std::string DecodeOptions(std::string_view line)
{
    return ReplaceAll(line, "#", ";\r\n");
}

} // namespace sw
