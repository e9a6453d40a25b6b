#pragma once
// Use: in main, right after creating the application: sw::InstallFrenchTranslations(app);

class QCoreApplication;

namespace sw {

// Puts Qt's own texts (standard buttons, file and message dialogs, edit menus)
// in French from the installed "qtbase_fr" catalogue. False, and nothing
// changes, when the catalogue is not installed.
bool InstallFrenchTranslations(QCoreApplication& application);

} // namespace sw
