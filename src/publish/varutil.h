#pragma once

#include <ctime>
#include <filesystem>
#include <initializer_list>
#include <locale>
#include <string>
#include <string_view>

namespace sw {

class Notifier;

// Small unrelated helpers of the publisher and of the one-line text forms.
// Texts are UTF-8.

// Makes sure the folder exists, creating it (and any missing parent) when it
// does not. When announce is true and the folder was created, tells the user
// "Le répertoire <path> vient d'être créé." through notifier (may be null).
// Throws sw::Error when the folder cannot be created or the path names
// something that is not a folder.
void EnsureDirectory(const std::filesystem::path& path, bool announce, Notifier* notifier);

// The trimmed text up to, not including, its first "."; the trimmed text when
// it has none.
std::string StripExtension(std::string_view text);

// The site folder of a project file: the file's path with its file name cut at
// the name's first "." ("/films/mon.film.vid" gives "/films/mon"). Throws
// sw::Error when nothing of the name is left before that dot.
std::filesystem::path SiteFolderOf(const std::filesystem::path& projectFile);

// The pictures' folder inside a site folder.
std::filesystem::path ImageFolderOf(const std::filesystem::path& siteFolder);

// French name of a day numbered 1 (Sunday) to 7 (Saturday); empty outside.
std::string DayName(int day);

// The moment's day name, ", ", its date in the locale's short date format, two
// blanks and its time in the locale's time format.
// tm_wday must be set.
std::string NowText(const std::tm& moment, const std::locale& locale);

// NowText of the present local time in the user's locale (the one the
// environment names, else the classic one).
std::string NowText();

// The moment's date in the locale's short date format.
std::string ShortDateText(const std::tm& moment, const std::locale& locale);

// ShortDateText of today in the user's locale.
std::string ShortDateText();

} // namespace sw
