#pragma once

#include <filesystem>
#include <memory>

#include <QStringList>

class QApplication;

namespace sw {

class TAppSettings;
class TEditorApp;
class TmainForm;

// The application state of a run, placed as the environment says: the
// settings file (SettingsFilePath) and the recovery folder
// (RecoveryFolderPath); the settings read and the file type registered once.
std::unique_ptr<TEditorApp> MakeEditorApp(const std::filesystem::path& programFile);

// Shows the window at once, then starts it: the recovery copies offered
// first, then the project of the first argument (or the last or a new one).
// The About box shows only from the "?" menu.
void StartEditorWindow(TmainForm& form, const QStringList& arguments);

// Runs the editor: the application state, the main window started with the
// arguments, then the event loop until the window closes.
// Returns the exit code.
int RunEditor(QApplication& application, const QStringList& arguments);

} // namespace sw
