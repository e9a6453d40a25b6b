#include "dialogs/styledlg.h"

#include <filesystem>
#include <optional>

#include <QApplication>
#include <QBoxLayout>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QMessageBox>

#include "dialogs/fixeddialog.h"
#include "dialogs/netcform.h"
#include "model/filefailure.h"
#include "qtshared/accelerators.h"
#include "qtshared/codepageguard.h"
#include "qtshared/uitext.h"

namespace sw {

namespace {

using uitext::ToQString;

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

TStyleDlg::TStyleDlg(TStylePrefs& prefs, QWidget* parent)
    : QDialog(parent),
      // The boxes and the dialog's own commands reach the picker and the
      // message box through the replaceable members, as they stand when used.
      host_{[this]() -> std::optional<TNetColors> {
                if (!executePicker(NetColor))
                    return std::nullopt;
                return NetColor;
            },
            [this](const QString& message) { showMessage(message); }},
      prefs_(prefs),
      before_(prefs)
{
    executePicker = [this](TNetColors& colors) { return ExecuteNetColors(colors, this); };
    UseFileDialogs();
    showMessage = [this](const QString& message) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(), message);
    };
    BuildControls();
    ConnectHandlers();
    FNameLabel->setText(ToQString(prefs_.sFileName));
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

void TStyleDlg::BuildControls()
{
    SetUpDialog(*this, QStringLiteral("Propriétés de style ... "));
    setFont(DialogFont());
    FontGBox = new TElementStyleBox(prefs_, host_, this);
    LinkGroupBox = new TLinkStyleBox(prefs_, host_, this);

    GroupBox1 = new QGroupBox(QStringLiteral("Fichier: "), this);
    auto* fileForm = new QFormLayout(GroupBox1);
    StyleNameEd = new QLineEdit(GroupBox1);
    StyleNameEd->setText(QStringLiteral("cStyle.css"));
    fileForm->addRow(QStringLiteral("Feuille de style (.css)"), StyleNameEd);
    FNameLabel = new QLabel(GroupBox1);
    fileForm->addRow(FNameLabel);
    GroupBox1->hide();

    okBtn = StyleButton(this, QStringLiteral("Accepter"));
    cancelBtn = StyleButton(this, QStringLiteral("Annuler"));
    cancelBtn->setObjectName(QStringLiteral("cancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelBtn);
    buttons->addWidget(okBtn);

    // The elements on the left grow with the dialog; the links on the right
    // keep their size, the button at the bottom.
    auto* grid = new QGridLayout(this);
    grid->addWidget(FontGBox, 0, 0, 4, 1);
    grid->addWidget(LinkGroupBox, 0, 1);
    grid->addWidget(GroupBox1, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addLayout(buttons, 3, 1, Qt::AlignBottom);
    grid->setColumnStretch(0, 1);

    setContextMenuPolicy(Qt::CustomContextMenu);
    stylePopUp = new QMenu(this);
    mresetNames = stylePopUp->addAction(QStringLiteral("reset names"));
}

void TStyleDlg::ConnectHandlers()
{
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { stylePopUp->popup(mapToGlobal(at)); });
    connect(FontGBox, &TElementStyleBox::pageBackgroundChanged, LinkGroupBox, &TLinkStyleBox::ShowPageBackground);
    connect(FontGBox->btnSavePrefs, &QPushButton::clicked, this, [this] { host_.Run([this] { btnSavePrefsClick(); }); });
    connect(FontGBox->btnGetPrefs, &QPushButton::clicked, this, [this] { host_.Run([this] { btnGetPrefsClick(); }); });
    connect(FontGBox->btnDefVal, &QPushButton::clicked, this, [this] { host_.Run([this] { btnDefValClick(); }); });
    connect(cancelBtn, &QPushButton::clicked, this, &TStyleDlg::reject);
    connect(okBtn, &QPushButton::clicked, this, [this] { host_.Run([this] { okBtnClick(); }); });
    connect(mresetNames, &QAction::triggered, this, [this] { host_.Run([this] { FontGBox->ResetNames(); }); });
    // The style sheet's name also goes to style files, which hold
    // Windows-1252 only.
    TCodePageGuard::Guard(StyleNameEd);
}

void TStyleDlg::UseFileDialogs()
{
    chooseExportFile = [this](const QString& folder) {
        return RunPrefsFileDialog(this, folder, QFileDialog::AcceptSave);
    };
    chooseImportFile = [this](const QString& folder) {
        return RunPrefsFileDialog(this, folder, QFileDialog::AcceptOpen);
    };
}

void TStyleDlg::reject()
{
    prefs_ = before_;
    QDialog::reject();
}

void TStyleDlg::showEvent(QShowEvent* event)
{
    FontGBox->Fill();
    ShowPageValues();
    // The example starts as a plain link on the page background.
    LinkGroupBox->ShowPlainExample();
    QDialog::showEvent(event);
}

void TStyleDlg::ShowPageValues()
{
    StyleNameEd->setText(ToQString(prefs_.sFileName));
    LinkGroupBox->ShowLinkState();
    FontGBox->ShowPageValues();
}

void TStyleDlg::StorePageValues()
{
    prefs_.sFileName = uitext::FromLineText(StyleNameEd->text());
    FontGBox->StorePageValues();
    LinkGroupBox->StoreLinkColour();
    FontGBox->StoreElement();
    LinkGroupBox->StoreLinkState();
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

void TStyleDlg::btnDefValClick()
{
    prefs_.SetDefaults();
    FontGBox->Restart();
    LinkGroupBox->Restart();
    ShowPageValues();
    // The example starts as a plain link on the page background.
    LinkGroupBox->ShowPlainExample();
}

void TStyleDlg::okBtnClick()
{
    FontGBox->GoToElement(0);
    StorePageValues();
    accept();
}

} // namespace sw
