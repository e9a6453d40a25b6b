#pragma once

#include "app/userprompts.h"

namespace sw {

// The editor's own windows for everything the main window asks or shows:
// message boxes, file dialogs and the secondary dialogs.
class TDialogPrompts : public TUserPrompts {
public:
    void Inform(QWidget* parent, const QString& text) override;
    SaveAnswer AskSaveChanges(QWidget* parent) override;
    RecoveryAnswer AskRecovery(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text, const QString& question) override;
    QString ChooseProjectToOpen(QWidget* parent, const QString& startFolder) override;
    QString ChooseProjectToSave(QWidget* parent, const QString& startFolder) override;
    std::optional<QString> EditName(QWidget* parent, const QString& prompt, const QString& name) override;
    std::optional<QString> ChoosePicture(QWidget* parent, const QString& imageFolder,
                                         const TPictureImport& import) override;
    QString ChoosePictureToImport(QWidget* parent, const QString& startFolder) override;
    void EditPreferences(QWidget* parent, TAppSettings& settings) override;
    void EditStyle(QWidget* parent, TStylePrefs& stylePrefs) override;
    bool EditLayout(QWidget* parent, THTMPrefs& prefs, bool noJSPlanSetting) override;
    void ShowAbout(QWidget* parent) override;
    void OpenInBrowser(const QUrl& address) override;
    bool HasStyleDialog() const override;
    bool HasLayoutDialog() const override;
};

} // namespace sw
