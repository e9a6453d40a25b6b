#include "model/appsettings.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <system_error>
#include <utility>

#include <pwd.h>
#include <unistd.h>

#include "model/error.h"
#include "model/inifile.h"

namespace sw {

namespace {

constexpr std::string_view kGeneral = "GENERAL";
constexpr std::string_view kPrefs = "PREFS";
constexpr std::string_view kExport = "EXPORT";
constexpr std::string_view kRecent = "RECENT";
constexpr std::string_view kWindow = "WINDOW";
constexpr std::string_view kShowAboutKey = "ShowAbout";
constexpr std::string_view kEscapedSuffix = "Escaped";
constexpr std::string_view kMaxPictureSideKey = "MaxPictureSide";
constexpr std::string_view kAutoSaveSecondsKey = "AutoSaveSeconds";
constexpr std::string_view kKeepBackupKey = "KeepBackup";
// Strings are read up to this many characters.
constexpr std::size_t kMaxStringCharacters = 2047;

std::filesystem::path HomeDirectory(const EnvironmentLookup& environment)
{
    if (auto home = environment("HOME"); home && !home->empty())
        return *home;
    // Without $HOME, the password database still knows the home folder.
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return std::filesystem::current_path();
}

// The first maxCharacters characters of a UTF-8 text.
std::string CutToCharacters(const std::string& utf8, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && characters++ == maxCharacters)
            return utf8.substr(0, i);
    }
    return utf8;
}

// The companion key telling that key's value is stored escaped.
std::string EscapedKey(std::string_view key)
{
    return std::string(key) + std::string(kEscapedSuffix);
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// The text is cut, not its stored form, so that a text read back and written
// again reads back the same: its stored form may be longer than it.
std::string ReadText(const IniFile& ini, std::string_view section, std::string_view key)
{
    const std::string stored = ini.ReadString(section, key, "");
    const std::string text = ini.ReadBool(section, EscapedKey(key), false) ? UnescapeLineBreaks(stored) : stored;
    return CutToCharacters(text, kMaxStringCharacters);
}

// A count of the [PREFS] section: the default when it is missing, no number
// or negative.
int ReadCount(const IniFile& ini, std::string_view key, int defaultValue)
{
    const int value = ini.ReadInteger(kPrefs, key, defaultValue);
    return value < 0 ? defaultValue : value;
}

// The optional keys have a line only when the user changed them, so that an
// ordinary settings file keeps its six keys.
void WriteCountUnlessDefault(IniFile& ini, std::string_view key, int value, int defaultValue)
{
    if (value == defaultValue)
        ini.DeleteKey(kPrefs, key);
    else
        ini.WriteInteger(kPrefs, key, value);
}

void WriteText(IniFile& ini, std::string_view section, std::string_view key, const std::string& text)
{
    if (HasLineBreak(text)) {
        ini.WriteString(section, key, EscapeLineBreaks(text));
        ini.WriteBool(section, EscapedKey(key), true);
    } else {
        ini.WriteString(section, key, text);
        ini.DeleteKey(section, EscapedKey(key));
    }
}

// The window's place from [WINDOW]: nothing unless its frame is whole.
std::optional<TWindowPlace> ReadWindowPlace(const IniFile& ini)
{
    // A value that is not an integer reads as this one, which no real
    // coordinate takes.
    constexpr int kBroken = std::numeric_limits<int>::min();
    TWindowPlace place;
    place.Left = ini.ReadInteger(kWindow, "Left", kBroken);
    place.Top = ini.ReadInteger(kWindow, "Top", kBroken);
    place.Width = ini.ReadInteger(kWindow, "Width", kBroken);
    place.Height = ini.ReadInteger(kWindow, "Height", kBroken);
    if (place.Left == kBroken || place.Top == kBroken || place.Width <= 0 || place.Height <= 0)
        return std::nullopt;
    place.Maximized = ini.ReadBool(kWindow, "Maximized", false);
    place.Tab = std::max(0, ini.ReadInteger(kWindow, "Tab", 0));
    place.ShotListWidth = std::max(0, ini.ReadInteger(kWindow, "ShotList", 0));
    return place;
}

void WriteWindowPlace(IniFile& ini, const TWindowPlace& place)
{
    ini.WriteInteger(kWindow, "Left", place.Left);
    ini.WriteInteger(kWindow, "Top", place.Top);
    ini.WriteInteger(kWindow, "Width", place.Width);
    ini.WriteInteger(kWindow, "Height", place.Height);
    ini.WriteBool(kWindow, "Maximized", place.Maximized);
    ini.WriteInteger(kWindow, "Tab", place.Tab);
    if (place.ShotListWidth > 0)
        ini.WriteInteger(kWindow, "ShotList", place.ShotListWidth);
    else
        ini.DeleteKey(kWindow, "ShotList");
}

bool IsUnreservedInUrl(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
        || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

std::string FileUrl(const std::filesystem::path& absolutePath)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : absolutePath.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreservedInUrl(byte)) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

bool IsFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name)
{
    if (const char* value = std::getenv(name.c_str()))
        return std::string(value);
    return std::nullopt;
}

std::filesystem::path XdgBaseDirectory(const EnvironmentLookup& environment,
                                       const std::string& variable,
                                       const std::filesystem::path& fallbackUnderHome)
{
    // A relative value is invalid for these variables and is ignored.
    if (auto value = environment(variable); value && std::filesystem::path(*value).is_absolute())
        return *value;
    return HomeDirectory(environment) / fallbackUnderHome;
}

std::filesystem::path SettingsFilePath(const EnvironmentLookup& environment)
{
    return XdgBaseDirectory(environment, "XDG_CONFIG_HOME", ".config") / "shotweave" / "shotweave.ini";
}

std::string DefaultHelpAddress(const std::filesystem::path& programFile)
{
    const std::filesystem::path program = std::filesystem::absolute(programFile).lexically_normal();
    const std::filesystem::path share = program.parent_path().parent_path() / "share";
    // `cmake --install` puts the guide with the documentation; an older
    // installation kept it in the program's data folder.
    const std::filesystem::path installed = share / "doc" / "shotweave" / "guide.html";
    if (IsFile(installed))
        return FileUrl(installed);
    if (const std::filesystem::path older = share / "shotweave" / "guide.html"; IsFile(older))
        return FileUrl(older);
    // A program run from its build folder uses the guide of its source tree.
    const std::filesystem::path sourceCopy =
        (std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "resources" / "help" / "guide.html")
            .lexically_normal();
    if (sourceCopy.is_absolute() && IsFile(sourceCopy))
        return FileUrl(sourceCopy);
    return FileUrl(installed);
}

std::string EscapeLineBreaks(const std::string& text)
{
    std::string stored;
    stored.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\': stored += "\\\\"; break;
        case '\r': stored += "\\r"; break;
        case '\n': stored += "\\n"; break;
        default: stored += c;
        }
    }
    return stored;
}

std::string UnescapeLineBreaks(const std::string& stored)
{
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\\' && i + 1 < stored.size()) {
            const char next = stored[i + 1];
            if (next == '\\' || next == 'r' || next == 'n') {
                text += next == '\\' ? '\\' : next == 'r' ? '\r' : '\n';
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

void TAppSettings::ReadSettings(const std::filesystem::path& iniFile)
{
    // Like the platform's profile functions, a file that cannot be read
    // gives the defaults.
    IniFile ini;
    try {
        ini = IniFile::Load(iniFile);
    } catch (const Error&) {
    }
    ReadFromProfile(ini);
}

void TAppSettings::ReadFromProfile(const IniFile& ini)
{
    SaveID = ini.ReadBool(kGeneral, "SaveID", true);
    AutoLoad = ini.ReadBool(kGeneral, "AutoLoad", false);
    LastFileName = ReadText(ini, kGeneral, "LastFileName");
    AuthorName = ReadText(ini, kGeneral, "AuthorName");
    HelpAddress = ReadText(ini, kGeneral, "HelpAddress");
    registerFType = ini.ReadBool(kPrefs, "registerFType", false);
    noJSPlan = ini.ReadBool(kPrefs, "noJSPlan", false);
    MaxPictureSide = ReadCount(ini, kMaxPictureSideKey, kDefaultMaxPictureSide);
    AutoSaveSeconds = ReadCount(ini, kAutoSaveSecondsKey, kDefaultAutoSaveSeconds);
    // Past an hour the interval is a hand-edited mistake, and the timer's
    // milliseconds would overflow.
    if (AutoSaveSeconds > kMaxAutoSaveSeconds)
        AutoSaveSeconds = kDefaultAutoSaveSeconds;
    KeepBackup = ini.ReadBool(kPrefs, kKeepBackupKey, true);
    ExportParts = ini.ReadString(kExport, "Parts", "");
    ExportGrid = ini.ReadString(kExport, "Grid", "");
    ExportPaper = ini.ReadString(kExport, "Paper", "");
    Window = ReadWindowPlace(ini);
    RecentFiles.clear();
    for (std::size_t n = 1; n <= kMaxRecentFiles; ++n) {
        const std::string file = ReadText(ini, kRecent, "File" + std::to_string(n));
        if (file.empty())
            break;
        RecentFiles.emplace_back(file);
    }
}

void TAppSettings::NoteRecentFile(const std::filesystem::path& file)
{
    std::erase(RecentFiles, file);
    RecentFiles.insert(RecentFiles.begin(), file);
    if (RecentFiles.size() > kMaxRecentFiles)
        RecentFiles.resize(kMaxRecentFiles);
}

void TAppSettings::WriteSettings(const std::filesystem::path& iniFile) const
{
    // A file whose other lines cannot be read cannot be rewritten without
    // losing them: that is a failed write too.
    IniFile ini;
    try {
        ini = IniFile::Load(iniFile);
    } catch (const Error&) {
        throw Error("Unable to write to " + iniFile.string());
    }
    WriteToProfile(ini);

    std::error_code ignored;
    std::filesystem::create_directories(iniFile.parent_path(), ignored);
    ini.Save(iniFile);
}

void TAppSettings::WriteToProfile(IniFile& ini) const
{
    ini.WriteBool(kGeneral, "SaveID", SaveID);
    ini.WriteBool(kGeneral, "AutoLoad", AutoLoad);
    WriteText(ini, kGeneral, "LastFileName", LastFileName.string());
    for (std::size_t n = 1; n <= kMaxRecentFiles; ++n) {
        const std::string key = "File" + std::to_string(n);
        if (n <= RecentFiles.size()) {
            WriteText(ini, kRecent, key, RecentFiles[n - 1].string());
        } else {
            ini.DeleteKey(kRecent, key);
            ini.DeleteKey(kRecent, EscapedKey(key));
        }
    }
    WriteText(ini, kGeneral, "AuthorName", AuthorName);
    // The guide's address is a line of its own only when one was given, so
    // that an ordinary settings file holds the six keys alone.
    if (HelpAddress.empty()) {
        ini.DeleteKey(kGeneral, "HelpAddress");
        ini.DeleteKey(kGeneral, EscapedKey("HelpAddress"));
    } else {
        WriteText(ini, kGeneral, "HelpAddress", HelpAddress);
    }
    ini.WriteBool(kPrefs, "registerFType", registerFType);
    ini.WriteBool(kPrefs, "noJSPlan", noJSPlan);
    WriteCountUnlessDefault(ini, kMaxPictureSideKey, MaxPictureSide, kDefaultMaxPictureSide);
    WriteCountUnlessDefault(ini, kAutoSaveSecondsKey, AutoSaveSeconds, kDefaultAutoSaveSeconds);
    if (KeepBackup)
        ini.DeleteKey(kPrefs, kKeepBackupKey);
    else
        ini.WriteBool(kPrefs, kKeepBackupKey, false);
    // The export choices have lines once the user made an export.
    const std::pair<std::string_view, const std::string*> exportKeys[] = {
        {"Parts", &ExportParts}, {"Grid", &ExportGrid}, {"Paper", &ExportPaper}};
    for (const auto& [key, value] : exportKeys)
        if (!value->empty())
            ini.WriteString(kExport, key, *value);
    // The About box no longer shows at start-up: an earlier version's switch
    // for it goes.
    ini.DeleteKey(kPrefs, kShowAboutKey);
    // A run that never showed its window leaves the last place as it was.
    if (Window)
        WriteWindowPlace(ini, *Window);
}

std::string TAppSettings::HelpAddressFor(const std::filesystem::path& programFile) const
{
    return HelpAddress.empty() ? DefaultHelpAddress(programFile) : HelpAddress;
}

} // namespace sw
