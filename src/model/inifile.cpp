#include "model/inifile.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "model/error.h"
#include "model/filebytes.h"

namespace sw {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::string_view TrimBlanks(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

// The name of a "[name]" line; false for any other line.
bool SectionNameOf(std::string_view line, std::string_view& name)
{
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[')
        return false;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    name = TrimBlanks(line.substr(0, close));
    return true;
}

// The key of a "key=value" line; false for comments and lines without "=".
bool KeyOf(std::string_view line, std::string_view& key)
{
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return false;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = TrimBlanks(line.substr(0, equals));
    return true;
}

std::string_view ValueOf(std::string_view line)
{
    return TrimBlanks(line.substr(line.find('=') + 1));
}

bool ParseInteger(std::string_view text, int& value)
{
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return false;
    unsigned long long magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFull) {
        // hex texts name the 32 bits, as colour values are written
        value = static_cast<int>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    const long long signedValue = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (magnitude > 0x80000000ull || signedValue < INT32_MIN || signedValue > INT32_MAX)
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

} // namespace

IniFile IniFile::Load(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return IniFile();
    return FromBytes(ReadFileBytes(file));
}

IniFile IniFile::FromBytes(std::string_view bytes)
{
    IniFile ini;
    while (!bytes.empty()) {
        const std::size_t lineFeed = bytes.find('\n');
        std::string_view line = bytes.substr(0, lineFeed);
        bytes.remove_prefix(lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ini.lines_.emplace_back(line);
    }
    return ini;
}

bool IniFile::FindSection(std::string_view section, SectionRange& range) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (!SectionNameOf(lines_[i], name) || !SameName(name, section))
            continue;
        range.header = i;
        range.end = i + 1;
        while (range.end < lines_.size() && !SectionNameOf(lines_[range.end], name))
            ++range.end;
        return true;
    }
    return false;
}

std::size_t IniFile::FindKey(const SectionRange& range, std::string_view key) const
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        std::string_view lineKey;
        if (KeyOf(lines_[i], lineKey) && SameName(lineKey, key))
            return i;
    }
    return kNone;
}

std::size_t IniFile::FindKeyLine(std::string_view section, std::string_view key) const
{
    SectionRange range{};
    if (!FindSection(section, range))
        return kNone;
    return FindKey(range, TrimBlanks(key));
}

const std::string* IniFile::FindValueLine(std::string_view section, std::string_view key) const
{
    const std::size_t line = FindKeyLine(section, key);
    return line == kNone ? nullptr : &lines_[line];
}

bool IniFile::SectionExists(std::string_view section) const
{
    SectionRange range{};
    return FindSection(section, range);
}

bool IniFile::KeyExists(std::string_view section, std::string_view key) const
{
    return FindValueLine(section, key) != nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const std::string* line = FindValueLine(section, key);
    return std::string(line ? ValueOf(*line) : defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::string* line = FindValueLine(section, key);
    int value = 0;
    if (line && ParseInteger(ValueOf(*line), value))
        return value;
    return defaultValue;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view cleanKey = TrimBlanks(key);
    std::string line = std::string(cleanKey) + "=" + std::string(value);
    SectionRange range{};
    if (!FindSection(section, range)) {
        if (!lines_.empty() && !TrimBlanks(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    const std::size_t existing = FindKey(range, cleanKey);
    if (existing != kNone) {
        lines_[existing] = std::move(line);
        return;
    }
    // after the section's last non-blank line, so that a blank line before
    // the next section stays there
    std::size_t insertAt = range.end;
    while (insertAt > range.header + 1 && TrimBlanks(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key)
{
    // Every line of the key goes: removing the first alone would bring a
    // repeated line of it to light.
    for (std::size_t line = FindKeyLine(section, key); line != kNone; line = FindKeyLine(section, key))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
}

std::string IniFile::Bytes() const
{
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void IniFile::Save(const std::filesystem::path& file) const
{
    try {
        WriteFileAtomically(file, Bytes(), LinkPolicy::WriteThroughLink);
    } catch (const Error&) {
        throw Error("Unable to write to " + file.string());
    }
}

} // namespace sw
