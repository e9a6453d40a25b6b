#pragma once

#include <functional>

#include "app/userprompts.h"

namespace sw {

// The editor's own windows for everything the main window asks or shows:
// message boxes, file dialogs and the secondary dialogs.
class TDialogPrompts : public TUserPrompts {
public:
    // What opens an address in the browser: by default the desktop's handler
    // (QDesktopServices::openUrl); false when it could not.
    using UrlOpener = std::function<bool(const QUrl&)>;
    TDialogPrompts();
    explicit TDialogPrompts(UrlOpener openUrl);

    void Inform(QWidget* parent, const QString& text) override;
    SaveAnswer AskSaveChanges(QWidget* parent) override;
    RecoveryAnswer AskRecovery(QWidget* parent, const QString& text) override;
    LockedAnswer AskOpenLocked(QWidget* parent, const QString& text) override;
    DiskChangeAnswer AskChangedOnDisk(QWidget* parent, const QString& text, const QString& choices) override;
    bool AskYesNo(QWidget* parent, const QString& text, const QString& question) override;
    QString ChooseProjectToOpen(QWidget* parent, const QString& startFolder) override;
    QString ChooseProjectToSave(QWidget* parent, const QString& startFolder) override;
    QString ChooseExportFile(QWidget* parent, ExportFormat format, const QString& suggestedFile) override;
    bool ChoosePlanOptions(QWidget* parent, PlanOptions& options) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    bool RunWithProgress(QWidget* parent, const QString& text, const ProgressWork& work) override;
    std::optional<QString> EditName(QWidget* parent, const QString& prompt, const QString& name) override;
    std::optional<QString> ChoosePicture(QWidget* parent, const QString& imageFolder,
                                         const TPictureImport& import) override;
    QString ChoosePictureToImport(QWidget* parent, const QString& startFolder) override;
    QString ChooseCutToImport(QWidget* parent, const QString& startFolder) override;
    bool EditScene(QWidget* parent, const QString& title, TScene& scene) override;
    std::optional<int> ChooseScene(QWidget* parent, const QString& prompt, const QStringList& scenes, int current) override;
    QString ChooseScriptToImport(QWidget* parent, const QString& startFolder) override;
    QString ChooseSoundtrack(QWidget* parent, const QString& startFolder) override;
    bool AskApplyCut(QWidget* parent, const QString& cutName, const QString& summary, bool& reorder) override;
    void EditPreferences(QWidget* parent, TAppSettings& settings) override;
    void EditStyle(QWidget* parent, TStylePrefs& stylePrefs) override;
    bool EditLayout(QWidget* parent, THTMPrefs& prefs, bool noJSPlanSetting) override;
    void ShowAbout(QWidget* parent) override;
    bool OpenInBrowser(const QUrl& address) override;
    bool HasStyleDialog() const override;
    bool HasLayoutDialog() const override;

private:
    UrlOpener openUrl_;
};

} // namespace sw
