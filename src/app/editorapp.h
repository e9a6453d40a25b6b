#pragma once

#include <filesystem>

#include "document/projectdocument.h"
#include "editing/document.h"
#include "model/appsettings.h"

namespace sw {

// The folders that follow the current project file.
struct TProjectPaths {
    std::filesystem::path CurrentFile;  // the ".vid" file; empty when none
    std::filesystem::path SiteDir;      // the site folder: the file's path cut at its name's first "."
    std::filesystem::path ImgDir;       // the pictures' folder inside SiteDir

    // Forgets the file and the folders that follow it.
    void ClearProject();
};

// The editor's long-lived state for the whole run: the open project's
// document, the settings and the project paths. The main window works on it.
class TEditorApp {
public:
    // programFile is the program's own path; iniFile the settings file;
    // recoveryFolder where the autosaved copies go (RecoveryFolderPath()).
    TEditorApp(std::filesystem::path programFile, std::filesystem::path iniFile,
               std::filesystem::path recoveryFolder);

    // Every edit of the project goes through its document.
    TDocument& Document() { return document_; }
    const ProjectDocument& Project() const { return document_.Project(); }
    TAppSettings& Settings() { return settings_; }
    TProjectPaths& Paths() { return paths_; }
    const TProjectPaths& Paths() const { return paths_; }
    const std::filesystem::path& ProgramFile() const { return programFile_; }
    const std::filesystem::path& IniFileName() const { return iniFile_; }
    const std::filesystem::path& RecoveryFolder() const { return recoveryFolder_; }

    void ReadSettings();
    // Takes the author name, the no-viewer default and the current file from
    // the project first. Throws sw::Error when the file cannot be written.
    void WriteSettings();
    // Registers the ".vid" type once; the result is remembered in the settings.
    void RegisterFileTypeOnce();

private:
    std::filesystem::path programFile_;
    std::filesystem::path iniFile_;
    std::filesystem::path recoveryFolder_;
    TDocument document_;
    TAppSettings settings_;
    TProjectPaths paths_;
};

} // namespace sw
