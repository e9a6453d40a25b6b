#include "recovery/recoveryrecord.h"

#include "model/appsettings.h"
#include "model/error.h"
#include "model/inifile.h"
#include "model/stablehash.h"

namespace sw {

namespace {

constexpr std::string_view kSection = "RECOVERY";
constexpr std::string_view kOriginalKey = "Original";
constexpr std::string_view kSavedAtKey = "SavedAt";
constexpr std::string_view kEditorKey = "Editor";
constexpr std::string_view kHostKey = "Host";
constexpr std::string_view kOriginalHashKey = "OriginalHash";

std::optional<std::uint64_t> HashOfHex(std::string_view hex)
{
    if (hex.size() != 16)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : hex) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    return value;
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

std::string RecoveryRecord::Bytes() const
{
    IniFile ini;
    ini.WriteString(kSection, kOriginalKey, Quoted(EscapeLineBreaks(originalFile.string())));
    ini.WriteString(kSection, kSavedAtKey, savedAt);
    if (editor) {
        ini.WriteString(kSection, kEditorKey, editor->Token());
        ini.WriteString(kSection, kHostKey, Quoted(EscapeLineBreaks(editor->host)));
    }
    if (originalHash)
        ini.WriteString(kSection, kOriginalHashKey, Hex16(*originalHash));
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
    // An editor or a hash that cannot be read is as good as none: the copy
    // is offered, and its original is not taken for unchanged.
    record.editor = EditorIdentity::FromToken(
        ini.ReadString(kSection, kEditorKey, ""),
        UnescapeLineBreaks(std::string(Unquoted(ini.ReadString(kSection, kHostKey, "")))));
    record.originalHash = HashOfHex(ini.ReadString(kSection, kOriginalHashKey, ""));
    return record;
}

} // namespace sw
