#pragma once

#include <QStringList>

class QApplication;

namespace sw {

// Runs the editor: the About box, the settings, the file-type registration,
// the main window with the project of the first argument (or the last or a new
// one), then the event loop until the window closes. Returns the exit code.
int RunEditor(QApplication& application, const QStringList& arguments);

} // namespace sw
