#pragma once

#include <filesystem>
#include <string>

#include "model/appsettings.h"

namespace sw {

// Where the registration of a file type writes its two files.
struct FileTypeRegistrationFiles {
    std::filesystem::path mimePackage;   // $XDG_DATA_HOME/mime/packages/shotweave-<type key>.xml
    std::filesystem::path desktopEntry;  // $XDG_DATA_HOME/applications/shotweave.desktop
};

// The type key of an extension: the extension without its blanks and its
// leading ".", followed by "file" (" vid " and ".vid" give "vidfile");
// empty when nothing remains of the extension.
std::string FileTypeKey(const std::string& extension);

// The MIME type registered for a type key: "application/x-" + key ("application/x-vidfile").
std::string FileTypeMimeType(const std::string& typeKey);

FileTypeRegistrationFiles FileTypeRegistrationPaths(const std::string& typeKey,
                                                    const EnvironmentLookup& environment = ProcessEnvironment);

// Makes the desktop open files of the extension with the program, for the
// current user: a freedesktop MIME type with the glob "*" + extension (described
// by description) and a desktop entry that starts programPath with the file and
// shows the icon named iconName. The MIME and desktop databases of the user's
// data folder are then refreshed when their tools are installed. True exactly
// when the desktop entry was written; false for an empty extension or a
// program path holding a line break.
bool RegisterFileType(const std::filesystem::path& programPath, const std::string& extension,
                      const std::string& description, const std::string& iconName,
                      const EnvironmentLookup& environment = ProcessEnvironment);

} // namespace sw
