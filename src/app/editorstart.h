#pragma once

#include <QStringList>

class QApplication;

namespace sw {

class TAppSettings;
class TmainForm;

// Shows the window at once, the About box over it when the settings ask
// for it (without waiting for it to close), then the project of the first
// argument (or the last or a new one).
void StartEditorWindow(TmainForm& form, const TAppSettings& settings, const QStringList& arguments);

// Runs the editor: the settings, the file-type registration, the main window
// started by StartEditorWindow, then the event loop until the window closes.
// Returns the exit code.
int RunEditor(QApplication& application, const QStringList& arguments);

} // namespace sw
