#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// An INI-format profile held in memory, read and written the way the Windows
// profile functions do: sections and keys are found whatever their letter
// case, a value is the rest of its line after "=" with the blanks around it
// removed, and writing a key keeps every other line of the file where it was.
// Texts are bytes, in the encoding of the file (the caller converts them);
// lines are written with CR LF.
class IniFile {
public:
    // A missing file gives an empty profile; an unreadable one throws sw::Error.
    static IniFile Load(const std::filesystem::path& file);
    // A profile from the bytes of an INI file.
    static IniFile FromBytes(std::string_view bytes);

    bool SectionExists(std::string_view section) const;
    bool KeyExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // A decimal integer (optional sign) or hex given as "$FF" or "0xFF";
    // the default when the key is missing or its value is no such number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Integer value different from 0; the default when missing or no number.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Replaces the value of an existing key, or adds the key at the end of its
    // section, or adds the section at the end of the profile.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Written as "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Removes the key's lines (a key may be repeated in a file written by
    // hand); nothing when it is missing.
    void DeleteKey(std::string_view section, std::string_view key);

    // The profile as file bytes: each line followed by CR LF.
    std::string Bytes() const;
    // Writes the profile atomically: on failure the old file is untouched.
    // Throws sw::Error "Unable to write to <file>".
    void Save(const std::filesystem::path& file) const;

private:
    struct SectionRange {
        std::size_t header;  // line of the "[name]" header
        std::size_t end;     // one past the section's last line
    };

    bool FindSection(std::string_view section, SectionRange& range) const;
    // Line index of the key inside the section, or npos.
    std::size_t FindKey(const SectionRange& range, std::string_view key) const;
    // Line index of the key (blanks around it ignored) in the section, or npos.
    std::size_t FindKeyLine(std::string_view section, std::string_view key) const;
    const std::string* FindValueLine(std::string_view section, std::string_view key) const;

    std::vector<std::string> lines_;
};

} // namespace sw
