// The style set in a style file and in the project file's style block.
#include "style/styleprefs.h"

#include "model/textconv.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"
#include "model/inifile.h"

namespace sw {

namespace {

constexpr const char* kSection = "STYLEPREFS";

std::string ElementKey(int index)
{
    return "StyleSpecs" + IntToStr(index);
}

std::string CutPageMargin(std::string margin)
{
    if (margin.size() > kMaxPageMarginLength)
        margin.resize(kMaxPageMarginLength);
    return margin;
}

} // namespace

void TStylePrefs::SaveToIni(const std::filesystem::path& file) const
{
    IniFile ini = IniFile::Load(file);
    ini.WriteString(kSection, "BGColor", BGColor);
    ini.WriteString(kSection, "BodyColor", BodyColor);
    ini.WriteString(kSection, "LinkColor", LinkColor);
    ini.WriteString(kSection, "ALinkColor", ALinkColor);
    ini.WriteString(kSection, "VLinkColor", VLinkColor);
    ini.WriteInteger(kSection, "BGSysCol", BGSysCol);
    ini.WriteInteger(kSection, "BodySysCol", BodySysCol);
    ini.WriteInteger(kSection, "LinkSysColor", LinkSysColor);
    ini.WriteInteger(kSection, "ALinkSysColor", ALinkSysColor);
    ini.WriteInteger(kSection, "VLinkSysColor", VLinkSysColor);
    ini.WriteString(kSection, "DefFontFace", DefFontFace);
    ini.WriteString(kSection, "sFileName", sFileName);
    ini.WriteString(kSection, "PMargin", PMargin);
    for (int i = 0; i < kStyleElementCount; ++i)
        ini.WriteString(kSection, ElementKey(i), elements[static_cast<std::size_t>(i)].ToText());
    ini.Save(file);
}

// Values are assigned as they are read: a bad number in an element stops the
// load and leaves the values before it in place. BGSysCol comes before the
// elements so that transparent elements take the new page background.
void TStylePrefs::LoadFromIni(const std::filesystem::path& file)
{
    const IniFile ini = IniFile::Load(file);
    BGColor = ini.ReadString(kSection, "BGColor", "WHITE");
    BodyColor = ini.ReadString(kSection, "BodyColor", "BLACK");
    LinkColor = ini.ReadString(kSection, "LinkColor", "PURPLE");
    ALinkColor = ini.ReadString(kSection, "ALinkColor", "RED");
    VLinkColor = ini.ReadString(kSection, "VLinkColor", "GREEN");
    BGSysCol = ini.ReadInteger(kSection, "BGSysCol", 0xFFFFFF);
    BodySysCol = ini.ReadInteger(kSection, "BodySysCol", 0);
    LinkSysColor = ini.ReadInteger(kSection, "LinkSysColor", 0x800080);
    ALinkSysColor = ini.ReadInteger(kSection, "ALinkSysColor", 0x0000FF);
    VLinkSysColor = ini.ReadInteger(kSection, "VLinkSysColor", 0x008000);
    DefFontFace = ini.ReadString(kSection, "DefFontFace", "Arial");
    sFileName = ini.ReadString(kSection, "sFileName", "cStyle.css");
    PMargin = CutPageMargin(ini.ReadString(kSection, "PMargin", "7%"));
    for (int i = 0; i < kStyleElementCount; ++i)
        elements[static_cast<std::size_t>(i)].FromText(ini.ReadString(kSection, ElementKey(i), ""), BGSysCol);
}

void TStylePrefs::SaveToWriter(ValueWriter& writer) const
{
    writer.PutString(BGColor);
    writer.PutString(BodyColor);
    writer.PutString(LinkColor);
    writer.PutString(ALinkColor);
    writer.PutString(VLinkColor);
    writer.PutInteger(BGSysCol);
    writer.PutInteger(BodySysCol);
    writer.PutInteger(LinkSysColor);
    writer.PutInteger(ALinkSysColor);
    writer.PutInteger(VLinkSysColor);
    writer.PutString(DefFontFace);
    writer.PutString(PMargin);
    writer.PutString(sFileName);
    for (const TStyleSpecs& element : elements)
        writer.PutString(element.ToText());
    writer.PutString(LinksToText());
}

void TStylePrefs::LoadFromReader(ValueReader& reader)
{
    BGColor = reader.GetString();
    BodyColor = reader.GetString();
    LinkColor = reader.GetString();
    ALinkColor = reader.GetString();
    VLinkColor = reader.GetString();
    BGSysCol = reader.GetInteger();
    BodySysCol = reader.GetInteger();
    LinkSysColor = reader.GetInteger();
    ALinkSysColor = reader.GetInteger();
    VLinkSysColor = reader.GetInteger();
    DefFontFace = reader.GetString();
    PMargin = CutPageMargin(reader.GetString());
    sFileName = reader.GetString();
    for (TStyleSpecs& element : elements)
        element.FromText(reader.GetString(), BGSysCol);
    LinksFromText(reader.GetString());
}

} // namespace sw
