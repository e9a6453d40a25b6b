#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sw {

class IniFile;

// Looks up one environment variable; nullopt when it is not set. The settings
// and the file-type registration take one, so that tests can give their own.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// A freedesktop base folder: the variable's value when it is an absolute path,
// otherwise the home folder followed by fallbackUnderHome (".config",
// ".local/share").
std::filesystem::path XdgBaseDirectory(const EnvironmentLookup& environment,
                                       const std::string& variable,
                                       const std::filesystem::path& fallbackUnderHome);

// $XDG_CONFIG_HOME/shotweave/shotweave.ini ($XDG_CONFIG_HOME defaults to ~/.config).
std::filesystem::path SettingsFilePath(const EnvironmentLookup& environment = ProcessEnvironment);

// The "file://" address of the user guide that goes with the program file:
// <prefix>/share/doc/shotweave/guide.html when the program is installed in
// <prefix>/bin (or <prefix>/share/shotweave/guide.html, where older
// installations put it), otherwise the copy in the source tree it was built
// from.
std::string DefaultHelpAddress(const std::filesystem::path& programFile);

// Where the main window stood at the end of a run, in the screen's
// device-independent pixels: its normal frame (also while maximised), whether
// it was maximised, its current tab, and the width of its shot list (0 when
// the user never changed it).
struct TWindowPlace {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;
    int Tab = 0;
    int ShotListWidth = 0;

    bool operator==(const TWindowPlace&) const = default;
};

// The application's preferences kept between runs, read once at start-up and
// written once at the end of the run.
//
// The file is UTF-8 text, like every text of the model (paths are kept
// exactly as the file system names them). A value holding a line break (a
// multi-line author name) is stored on one line with "\r", "\n" and "\\" standing for CR, LF and a backslash,
// and the key is followed by <key>Escaped=1; values without line breaks are
// stored as they are, without that companion key.
class TAppSettings {
public:
    static constexpr int kDefaultMaxPictureSide = 1600;
    static constexpr int kDefaultAutoSaveSeconds = 60;
    static constexpr int kMaxAutoSaveSeconds = 3600;

    bool SaveID = true;             // a new project starts with AuthorName
    bool AutoLoad = false;          // reopen LastFileName at start-up
    std::string AuthorName;         // may hold CR LF
    bool registerFType = false;     // the ".vid" type was registered once
    bool noJSPlan = false;          // default of the page settings' no-viewer option
    std::filesystem::path LastFileName;  // project current at the end of the last run
    // The projects opened or saved last, newest first, kMaxRecentFiles at
    // most; kept under [RECENT] as File1, File2… once there is one.
    std::vector<std::filesystem::path> RecentFiles;
    static constexpr std::size_t kMaxRecentFiles = 8;
    // Puts file first among the recent files, once.
    void NoteRecentFile(const std::filesystem::path& file);
    // Address of the user guide; empty means the installed guide
    // (HelpAddressFor gives the address to open). Kept in the file under
    // "HelpAddress" only when it is not empty.
    std::string HelpAddress;
    // The longer side, in pixels, of a picture imported into the image folder
    // (a larger one is scaled down); 0 keeps every picture's size. Kept in the
    // file under [PREFS] only when it differs from the default.
    int MaxPictureSide = kDefaultMaxPictureSide;
    // Seconds between two recovery copies of a modified project; 0 turns
    // them off. Kept in the file under [PREFS] only when it differs from the
    // default.
    int AutoSaveSeconds = kDefaultAutoSaveSeconds;
    // "Garder une copie de la version précédente": a save that replaces a
    // project file first keeps its previous bytes as NAME.vid~. Kept in the
    // file under [PREFS] only when turned off.
    bool KeepBackup = true;
    // The choices of the last PDF export, in their command-line words
    // (parts as flags "1111" for first page, continuity, breakdown and
    // storyboard; grid "2x3"; paper "a4"); empty until a first export.
    // Kept in the file under [EXPORT] only once set.
    std::string ExportParts;
    std::string ExportGrid;
    std::string ExportPaper;
    // The main window's place, known once a window was shown; kept under
    // [WINDOW] only then. A place whose four numbers are not all integers,
    // or whose size is not positive, is unknown; a broken or negative tab is
    // the first one; a broken maximised flag is off.
    std::optional<TWindowPlace> Window;

    // Reads the keys from the settings file; a missing file, section or key, or
    // a flag that is not an integer, gives the default; so does a file that
    // cannot be read, a negative MaxPictureSide, and an AutoSaveSeconds
    // outside 0 to kMaxAutoSaveSeconds.
    void ReadSettings(const std::filesystem::path& iniFile);
    // ReadSettings from a profile already in memory.
    void ReadFromProfile(const IniFile& ini);

    // Writes the keys into the settings file, keeping its other lines; the
    // caller first takes AuthorName from the project's author field, noJSPlan
    // from the page settings and LastFileName from the current file. Throws
    // sw::Error "Unable to write to <file>" and leaves the old file untouched.
    void WriteSettings(const std::filesystem::path& iniFile) const;
    // Writes the keys into a profile in memory, as WriteSettings does.
    void WriteToProfile(IniFile& ini) const;

    // HelpAddress, or the guide installed with the program when it is empty.
    std::string HelpAddressFor(const std::filesystem::path& programFile) const;

    bool operator==(const TAppSettings&) const = default;
};

// The one-line stored form of a text and back (see TAppSettings).
std::string EscapeLineBreaks(const std::string& text);
std::string UnescapeLineBreaks(const std::string& stored);

} // namespace sw
