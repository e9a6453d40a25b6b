// The style set in a style file and in the project file's style block.
#include "style/styleprefs.h"

#include <array>
#include <cstdint>

#include "model/cp1252.h"
#include "model/error.h"
#include "model/filebytes.h"
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

// The page colours, in the order both the style file and the style block
// hold them, with the values an import takes for a missing key.
struct ColourNameKey {
    const char* key;
    std::string TStylePrefs::*member;
    const char* importDefault;
};
struct ColourValueKey {
    const char* key;
    std::int32_t TStylePrefs::*member;
    std::int32_t importDefault;
};

constexpr std::array<ColourNameKey, 5> kColourNameKeys = {{
    {"BGColor", &TStylePrefs::BGColor, "WHITE"},
    {"BodyColor", &TStylePrefs::BodyColor, "BLACK"},
    {"LinkColor", &TStylePrefs::LinkColor, "PURPLE"},
    {"ALinkColor", &TStylePrefs::ALinkColor, "RED"},
    {"VLinkColor", &TStylePrefs::VLinkColor, "GREEN"},
}};
constexpr std::array<ColourValueKey, 5> kColourValueKeys = {{
    {"BGSysCol", &TStylePrefs::BGSysCol, 0xFFFFFF},
    {"BodySysCol", &TStylePrefs::BodySysCol, 0},
    {"LinkSysColor", &TStylePrefs::LinkSysColor, 0x800080},
    {"ALinkSysColor", &TStylePrefs::ALinkSysColor, 0x0000FF},
    {"VLinkSysColor", &TStylePrefs::VLinkSysColor, 0x008000},
}};

std::string CutPageMargin(const std::string& margin)
{
    return CutToCharacters(margin, kMaxPageMarginLength);
}

// A style file is Windows-1252 text; the profile in memory is UTF-8 like the
// model. A missing file gives an empty profile.
IniFile LoadStyleFile(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return IniFile();
    return IniFile::FromBytes(Cp1252ToUtf8(ReadFileBytes(file)));
}

// Writes the profile atomically in Windows-1252; a character the code page
// cannot hold stops the write before anything reaches the disk.
void SaveStyleFile(const IniFile& ini, const std::filesystem::path& file)
{
    const std::string bytes = Utf8ToCp1252Exactly(ini.Bytes(), "le fichier de styles « " + file.string() + " »");
    try {
        WriteFileAtomically(file, bytes, LinkPolicy::WriteThroughLink);
    } catch (const Error&) {
        throw Error("Unable to write to " + file.string());
    }
}

} // namespace

void TStylePrefs::SaveToIni(const std::filesystem::path& file) const
{
    IniFile ini = LoadStyleFile(file);
    for (const ColourNameKey& colour : kColourNameKeys)
        ini.WriteString(kSection, colour.key, this->*colour.member);
    for (const ColourValueKey& colour : kColourValueKeys)
        ini.WriteInteger(kSection, colour.key, this->*colour.member);
    ini.WriteString(kSection, "DefFontFace", DefFontFace);
    ini.WriteString(kSection, "sFileName", sFileName);
    ini.WriteString(kSection, "PMargin", PMargin);
    for (int i = 0; i < kStyleElementCount; ++i)
        ini.WriteString(kSection, ElementKey(i), elements[static_cast<std::size_t>(i)].ToText());
    SaveStyleFile(ini, file);
}

// Values are assigned as they are read: a bad number in an element stops the
// load and leaves the values before it in place. BGSysCol comes before the
// elements so that transparent elements take the new page background.
void TStylePrefs::LoadFromIni(const std::filesystem::path& file)
{
    const IniFile ini = LoadStyleFile(file);
    for (const ColourNameKey& colour : kColourNameKeys)
        this->*colour.member = ini.ReadString(kSection, colour.key, colour.importDefault);
    for (const ColourValueKey& colour : kColourValueKeys)
        this->*colour.member = ini.ReadInteger(kSection, colour.key, colour.importDefault);
    DefFontFace = ini.ReadString(kSection, "DefFontFace", "Arial");
    sFileName = ini.ReadString(kSection, "sFileName", "cStyle.css");
    PMargin = CutPageMargin(ini.ReadString(kSection, "PMargin", "7%"));
    for (int i = 0; i < kStyleElementCount; ++i)
        elements[static_cast<std::size_t>(i)].FromText(ini.ReadString(kSection, ElementKey(i), ""), BGSysCol);
}

void TStylePrefs::SaveToWriter(ValueWriter& writer) const
{
    for (const ColourNameKey& colour : kColourNameKeys)
        writer.PutString(this->*colour.member);
    for (const ColourValueKey& colour : kColourValueKeys)
        writer.PutInteger(this->*colour.member);
    writer.PutString(DefFontFace);
    writer.PutString(PMargin);
    writer.PutString(sFileName);
    for (const TStyleSpecs& element : elements)
        writer.PutString(element.ToText());
    writer.PutString(LinksToText());
}

void TStylePrefs::LoadFromReader(ValueReader& reader)
{
    for (const ColourNameKey& colour : kColourNameKeys)
        this->*colour.member = reader.GetString();
    for (const ColourValueKey& colour : kColourValueKeys)
        this->*colour.member = reader.GetInteger();
    DefFontFace = reader.GetString();
    PMargin = CutPageMargin(reader.GetString());
    sFileName = reader.GetString();
    for (TStyleSpecs& element : elements)
        element.FromText(reader.GetString(), BGSysCol);
    LinksFromText(reader.GetString());
}

} // namespace sw
