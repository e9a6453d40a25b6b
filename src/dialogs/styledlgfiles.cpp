#include "dialogs/styledlg.h"

#include <filesystem>

#include <QFileDialog>

#include "model/filefailure.h"
#include "qtshared/uitext.h"

// The style dialog's style files: export, import and their file dialogs, and
// its "Annuler".
namespace sw {

namespace {

const QString kPrefsFilter = QStringLiteral("Fichiers de préférences (*.sprf)");

// The chosen style file, or an empty text when the user cancels.
QString RunPrefsFileDialog(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString(), folder, kPrefsFilter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("sprf"));
    dialog.selectFile(QStringLiteral("*.sprf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

void TStyleDlg::UseFileDialogs()
{
    chooseExportFile = [this](const QString& folder) {
        return RunPrefsFileDialog(this, folder, QFileDialog::AcceptSave);
    };
    chooseImportFile = [this](const QString& folder) {
        return RunPrefsFileDialog(this, folder, QFileDialog::AcceptOpen);
    };
}

void TStyleDlg::btnSavePrefsClick()
{
    const QString name = chooseExportFile(uitext::PathToQString(prefs_.prefsDir));
    if (name.isEmpty())
        return;
    const std::filesystem::path file = uitext::QStringToPath(name);
    RunFileAction(FileAction::ExportStyle, file, [this, &file] { prefs_.SaveToIni(file); });
}

void TStyleDlg::btnGetPrefsClick()
{
    const QString name = chooseImportFile(uitext::PathToQString(prefs_.prefsDir));
    // The controls show the set as it stands after the import, also when the
    // file stopped it half-way.
    try {
        if (!name.isEmpty()) {
            const std::filesystem::path file = uitext::QStringToPath(name);
            RunFileAction(FileAction::ImportStyle, file, [this, &file] { prefs_.LoadFromIni(file); });
        }
    } catch (...) {
        ShowPageValues();
        throw;
    }
    ShowPageValues();
}


} // namespace sw
