#include "layout/htmprefs.h"

#include "model/valuereader.h"
#include "model/valuewriter.h"
#include "model/textform.h"

namespace sw {

std::string TFrameSpecs::ToText() const
{
    return JoinItems({menuHeight, BoolToText(borderVisible), borderWidth, BoolToText(spareFlag), spareText});
}

void TFrameSpecs::SetDefaults()
{
    *this = TFrameSpecs();
}

void TFrameSpecs::FromText(std::string_view text)
{
    std::string rest(text);
    menuHeight = CutItem(rest);
    borderVisible = TextToBool(CutItem(rest));
    borderWidth = CutItem(rest);
    spareFlag = TextToBool(CutItem(rest));
    spareText = CutItem(rest);
}

std::string TMenuSpecs::ToText() const
{
    return JoinItems({BoolToText(showShots), BoolToText(showStoryboard), BoolToText(showReport),
                       BoolToText(returnLink), returnUrl});
}

void TMenuSpecs::SetDefaults()
{
    *this = TMenuSpecs();
}

void TMenuSpecs::FromText(std::string_view text)
{
    std::string rest(text);
    showShots = TextToBool(CutItem(rest));
    showStoryboard = TextToBool(CutItem(rest));
    showReport = TextToBool(CutItem(rest));
    returnLink = TextToBool(CutItem(rest));
    returnUrl = CutItem(rest);
}

std::string TCoverSpecs::ToText() const
{
    return JoinItems({BoolToText(separateCover), coverFile, BoolToText(separator), separatorWidth});
}

void TCoverSpecs::SetDefaults()
{
    *this = TCoverSpecs();
}

void TCoverSpecs::FromText(std::string_view text)
{
    std::string rest(text);
    separateCover = TextToBool(CutItem(rest));
    coverFile = CutItem(rest);
    separator = TextToBool(CutItem(rest));
    separatorWidth = CutItem(rest);
}

std::string TPageSpecs::ToText() const
{
    return JoinItems({tableWidth, tableMargin, BoolToText(noJSPlan)});
}

void TPageSpecs::SetDefaults(bool noJSPlanDefault)
{
    *this = TPageSpecs();
    noJSPlan = noJSPlanDefault;
}

void TPageSpecs::FromText(std::string_view text)
{
    std::string rest(text);
    tableWidth = CutItem(rest);
    tableMargin = CutItem(rest);
    noJSPlan = TextToBool(CutItem(rest));
}

THTMPrefs::THTMPrefs(bool noJSPlanDefault)
{
    SetDefaults(noJSPlanDefault);
}

void THTMPrefs::SetDefaults(bool noJSPlanDefault)
{
    frameSpecs.SetDefaults();
    menuSpecs.SetDefaults();
    coverSpecs.SetDefaults();
    pageSpecs.SetDefaults(noJSPlanDefault);
}

void THTMPrefs::SaveToWriter(ValueWriter& writer) const
{
    writer.PutString(frameSpecs.ToText());
    writer.PutString(menuSpecs.ToText());
    writer.PutString(coverSpecs.ToText());
    writer.PutString(pageSpecs.ToText());
}

void THTMPrefs::LoadFromReader(ValueReader& reader)
{
    frameSpecs.FromText(reader.GetString());
    menuSpecs.FromText(reader.GetString());
    coverSpecs.FromText(reader.GetString());
    pageSpecs.FromText(reader.GetString());
}

} // namespace sw
