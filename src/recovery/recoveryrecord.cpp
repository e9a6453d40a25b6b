#include "recovery/recoveryrecord.h"

#include "model/appsettings.h"
#include "model/error.h"
#include "model/inifile.h"

namespace sw {

namespace {

constexpr std::string_view kSection = "RECOVERY";
constexpr std::string_view kOriginalKey = "Original";
constexpr std::string_view kSavedAtKey = "SavedAt";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether text matches pattern, where '9' stands for any digit.
bool MatchesPattern(std::string_view text, std::string_view pattern)
{
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (pattern[i] == '9' ? !IsDigit(text[i]) : text[i] != pattern[i])
            return false;
    return true;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The value without the quotes the writer puts around it; a value written by
// hand may lack them.
std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

bool IsIsoDateTime(std::string_view text)
{
    constexpr std::string_view kDateTime = "9999-99-99T99:99:99";
    if (text.size() < kDateTime.size() || !MatchesPattern(text.substr(0, kDateTime.size()), kDateTime))
        return false;
    const std::string_view zone = text.substr(kDateTime.size());
    return zone.empty() || zone == "Z" || MatchesPattern(zone, "+99:99") || MatchesPattern(zone, "-99:99");
}

std::string RecoveryRecord::Bytes() const
{
    IniFile ini;
    ini.WriteString(kSection, kOriginalKey, Quoted(EscapeLineBreaks(originalFile.string())));
    ini.WriteString(kSection, kSavedAtKey, savedAt);
    return ini.Bytes();
}

RecoveryRecord RecoveryRecord::FromBytes(std::string_view bytes)
{
    const IniFile ini = IniFile::FromBytes(bytes);
    if (!ini.SectionExists(kSection))
        throw Error("ce n'est pas une fiche de copie de secours (la section [RECOVERY] manque)");
    if (!ini.KeyExists(kSection, kOriginalKey))
        throw Error("la fiche ne dit pas de quel fichier la copie a été faite");
    RecoveryRecord record;
    const std::string original = ini.ReadString(kSection, kOriginalKey, "");
    record.originalFile = UnescapeLineBreaks(std::string(Unquoted(original)));
    record.savedAt = ini.ReadString(kSection, kSavedAtKey, "");
    if (!IsIsoDateTime(record.savedAt))
        throw Error("la fiche ne dit pas à quelle heure la copie a été faite");
    return record;
}

} // namespace sw
