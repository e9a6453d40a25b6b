#include "app/shoteditor.h"

#include <cstdint>
#include <limits>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIntValidator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/editorapp.h"
#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "model/camerawords.h"
#include "model/eventlist.h"
#include "model/shotentry.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using uitext::ToQString;
using namespace widgets;

namespace {

std::uint8_t ComboValue(const QComboBox* combo)
{
    return static_cast<std::uint8_t>(combo->currentIndex() < 0 ? 0 : combo->currentIndex());
}

} // namespace

TShotEditor::TShotEditor(TEventList& events, const TProjectPaths& paths, const TAppSettings& settings,
                         TUserPrompts& prompts, QWidget* continuityPage, QWidget* breakdownPage)
    : QObject(continuityPage), events_(events), paths_(paths), settings_(settings), prompts_(prompts),
      dialogParent_(continuityPage->window())
{
    BuildContinuityControls(continuityPage);
    BuildShotFilter();
    BuildBreakdownControls(breakdownPage);
    TakeWholeSeconds();
    ConnectControls();
    BindCameraControls();
}

TShotEditor::~TShotEditor() = default;

// ---------------------------------------------------------------- controls

void TShotEditor::BuildContinuityControls(QWidget* page)
{
    ActPanel = new QFrame(page);
    ActPanel->setObjectName(QStringLiteral("ActPanel"));
    ActPanel->setGeometry(0, 0, 150, 372);
    ENoLabel = new QLabel(QStringLiteral("No"), ActPanel);
    ENoLabel->setObjectName(QStringLiteral("ENoLabel"));
    QFont numberFont = WindowFont();
    numberFont.setPixelSize(24);
    numberFont.setBold(true);
    ENoLabel->setFont(numberFont);
    ENoLabel->setStyleSheet(QStringLiteral("color: green;"));
    ENoLabel->setGeometry(8, 2, 134, 32);
    vListBox = new TShotListBox(ActPanel);
    vListBox->setObjectName(QStringLiteral("vListBox"));
    vListBox->setGeometry(8, 64, 134, 204);
    addEvntBtn = AddButton(ActPanel, "addEvntBtn", QStringLiteral("Ajouter"), QRect(8, 274, 134, 28));
    renamEvntBtn = AddButton(ActPanel, "renamEvntBtn", QStringLiteral("Renommer"), QRect(8, 306, 134, 28));
    renamEvntBtn->setEnabled(false);
    DelEvntBtn = AddButton(ActPanel, "DelEvntBtn", QStringLiteral("Supprimer"), QRect(8, 338, 134, 28));
    DelEvntBtn->setEnabled(false);

    AddLabel(page, QStringLiteral("Action:"), 160, 6);
    actionMemo = AddMemo(page, "actionMemo", QRect(160, 24, 524, 146));
    AddLabel(page, QStringLiteral("Son:"), 160, 176);
    sonMemo = AddMemo(page, "sonMemo", QRect(160, 194, 524, 78));
    AddLabel(page, QStringLiteral("Dialogue:"), 160, 278);
    dlgMemo = AddMemo(page, "dlgMemo", QRect(160, 296, 524, 70));
    SetHintTag(actionMemo, 9);
    SetHintTag(sonMemo, 10);
    SetHintTag(dlgMemo, 11);
}

void TShotEditor::BuildShotFilter()
{
    ShotFilter = new QLineEdit(ActPanel);
    ShotFilter->setObjectName(QStringLiteral("ShotFilter"));
    ShotFilter->setPlaceholderText(QStringLiteral("Filtrer les plans"));
    ShotFilter->setClearButtonEnabled(true);
    ShotFilter->setGeometry(8, 36, 134, 24);
}

void TShotEditor::TakeWholeSeconds()
{
    // A pasted text that is no whole number never reaches the field.
    // Digits only: no group separator, which the model would not read.
    auto* wholeSeconds = new QIntValidator(0, std::numeric_limits<int>::max(), DEdit);
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    wholeSeconds->setLocale(plain);
    DEdit->setValidator(wholeSeconds);
    DEdit->setToolTip(QStringLiteral("Durée du plan en secondes entières ; un texte qui n'est pas un nombre "
                                     "entier est refusé."));
}

void TShotEditor::BuildBreakdownControls(QWidget* page)
{
    CamGroup = new QGroupBox(QStringLiteral("CAM "), page);
    CamGroup->setObjectName(QStringLiteral("CamGroup"));
    CamGroup->setGeometry(160, 2, 340, 236);
    AddLabel(CamGroup, QStringLiteral("Durée:"), 10, 26);
    DEdit = AddEdit(CamGroup, "DEdit", QRect(58, 22, 48, 24));
    AddLabel(CamGroup, QStringLiteral("s."), 110, 26);
    AddLabel(CamGroup, QStringLiteral("Cumul:"), 170, 26);
    cumLab = new QLabel(CamGroup);
    cumLab->setObjectName(QStringLiteral("cumLab"));
    cumLab->setGeometry(220, 24, 110, 20);
    QFont cumulFont = WindowFont();
    cumulFont.setBold(true);
    cumLab->setFont(cumulFont);
    cumLab->setStyleSheet(QStringLiteral("color: red;"));
    AddLabel(CamGroup, QStringLiteral("Cadrage"), 10, 56);
    CBCadre = AddCombo(CamGroup, "CBCadre", FramingEntries, QRect(10, 74, 150, 24));
    AddLabel(CamGroup, QStringLiteral("Angle de prise de vue"), 170, 56);
    CBAngles = AddCombo(CamGroup, "CBAngles", AngleEntries, QRect(170, 74, 160, 24));
    AddLabel(CamGroup, QStringLiteral("Mouvements de caméra"), 10, 108);
    const QString checkCaptions[3] = {QStringLiteral("panoramique"), QStringLiteral("travelling"), QStringLiteral("zoom")};
    const char* checkNames[3] = {"camCheckB0", "camCheckB1", "CamCheckB2"};
    for (int k = 0; k < 3; ++k) {
        camChecks[k] = new QCheckBox(checkCaptions[k], CamGroup);
        camChecks[k]->setObjectName(QLatin1String(checkNames[k]));
        camChecks[k]->setGeometry(10, 130 + 32 * k, 110, 24);
    }
    camCombos[0] = AddCombo(CamGroup, "camComb0", PanEntries, QRect(126, 130, 150, 24));
    camCombos[1] = AddCombo(CamGroup, "camComb1", TravelEntries, QRect(126, 162, 150, 24));
    camCombos[2] = AddCombo(CamGroup, "camComb2", ZoomEntries, QRect(126, 194, 150, 24));

    AddLabel(page, QStringLiteral("Précisions:"), 160, 244);
    effetMemo = AddMemo(page, "effetMemo", QRect(160, 262, 340, 104), true);
    effetMemo->setFont(FieldFont(12));
    SetHintTag(DEdit, 12);
    SetHintTag(effetMemo, 13);
    pictures_ = new TShotPictures(paths_, settings_, prompts_, page);
}

template <typename Command>
void TShotEditor::Run(Command&& command)
{
    RunUserCommand(prompts_, dialogParent_, std::forward<Command>(command));
}

void TShotEditor::ConnectControls()
{
    // Shot controls reach the shot only when it is stored.
    for (QPlainTextEdit* memo : {actionMemo, sonMemo, dlgMemo, effetMemo})
        connect(memo, &QPlainTextEdit::textChanged, this, [this] { NoteChange(); });
    connect(DEdit, &QLineEdit::textChanged, this, [this] {
        ShowCumulatedTime();
        NoteChange();
    });
    for (QComboBox* combo : {CBCadre, CBAngles, camCombos[0], camCombos[1], camCombos[2]})
        connect(combo, &QComboBox::activated, this, [this] { NoteChange(); });

    connect(vListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_)
            Run([this, row] { ShotSelected(row); });
    });
    connect(vListBox, &TShotListBox::buttonReleased, this,
            [this](Qt::MouseButton button) { Run([this, button] { ShotListReleased(button); }); });
    connect(vListBox, &TShotListBox::shotDropped, this,
            [this](int from, int to) { Run([this, from, to] { MoveShot(from, to); }); });
    connect(vListBox, &TShotListBox::deletePressed, this, [this] {
        if (DelEvntBtn->isEnabled())
            Run([this] { DelEvntBtnClick(); });
    });
    connect(ShotFilter, &QLineEdit::textChanged, this, [this] { Run([this] { ApplyFilter(); }); });
    connect(addEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { addEvntBtnClick(); }); });
    connect(renamEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { renamEvntBtnClick(); }); });
    connect(DelEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { DelEvntBtnClick(); }); });
    for (int k = 0; k < 3; ++k)
        connect(camChecks[k], &QCheckBox::clicked, this,
                [this, k](bool checked) { Run([this, k, checked] { camCheckClick(k, checked); }); });
    connect(pictures_, &TShotPictures::changed, this, [this] { NoteChange(); });
}

void TShotEditor::BindCameraControls()
{
    TFillGuard guard(filling_);
    for (int k = 0; k < 3; ++k) {
        camCombos[k]->setVisible(camChecks[k]->isChecked());
        camCombos[k]->setCurrentIndex(0);
    }
    pictures_->Clear();
}

void TShotEditor::NoteChange()
{
    if (!filling_)
        emit changed();
}

void TShotEditor::PlaceShotPanel(QWidget* page)
{
    ActPanel->setParent(page);
    ActPanel->move(0, 0);
    ActPanel->show();
}

void TShotEditor::ClearControls()
{
    TFillGuard guard(filling_);
    CurIndex_ = -1;
    DEdit->clear();
    for (QPlainTextEdit* memo : {actionMemo, sonMemo, dlgMemo, effetMemo})
        memo->clear();
    for (QComboBox* combo : {CBCadre, CBAngles, camCombos[0], camCombos[1], camCombos[2]})
        combo->setCurrentIndex(0);
    pictures_->Clear();
    cumLab->clear();
    ShowNoShotState();
}

void TShotEditor::ClearShots()
{
    {
        TFillGuard guard(filling_);
        vListBox->clear();
    }
    events_.Clear();
    ClearFilter();
    ClearControls();
}

// ---------------------------------------------------------------- one shot

void TShotEditor::StoreEvent(int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= events_.Count())
        return;
    TEvent& shot = events_.Event(static_cast<std::size_t>(i));
    shot.action = uitext::FromEditorText(actionMemo->toPlainText());
    shot.sound = uitext::FromEditorText(sonMemo->toPlainText());
    shot.dialogue = uitext::FromEditorText(dlgMemo->toPlainText());
    shot.cam.duration = uitext::FromLineText(DEdit->text());
    shot.cam.framing = ComboValue(CBCadre);
    shot.cam.angle = ComboValue(CBAngles);
    for (int k = 0; k < 3; ++k)
        if (camChecks[k]->isChecked())
            events_.SetMovement(static_cast<std::size_t>(i), k, static_cast<std::uint8_t>(ComboValue(camCombos[k]) + 1));
    shot.cam.effect = uitext::FromEditorText(effetMemo->toPlainText());
    shot.cam.startImage = pictures_->ImageName(0);
    shot.cam.endImage = pictures_->ImageName(1);
    ShowEntry(i);
}

void TShotEditor::StoreCurrentShot()
{
    if (CurIndex_ >= 0)
        StoreEvent(CurIndex_);
}

void TShotEditor::ShowEvent(int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= events_.Count())
        return;
    const TEvent& shot = events_.Event(static_cast<std::size_t>(i));
    {
        TFillGuard guard(filling_);
        SetEditorText(actionMemo, shot.action);
        SetEditorText(sonMemo, shot.sound);
        SetEditorText(dlgMemo, shot.dialogue);
        DEdit->setText(ToQString(shot.cam.duration));
        CBCadre->setCurrentIndex(shot.cam.framing);
        CBAngles->setCurrentIndex(shot.cam.angle);
        const std::uint8_t movements[3] = {shot.cam.pan, shot.cam.travel, shot.cam.zoom};
        for (int k = 0; k < 3; ++k) {
            camChecks[k]->setChecked(movements[k] > 0);
            camCombos[k]->setVisible(movements[k] > 0);
            camCombos[k]->setCurrentIndex(movements[k] > 0 ? movements[k] - 1 : 0);
        }
        SetEditorText(effetMemo, shot.cam.effect);
    }
    ShowShotState(i);
    ShowImage(0, shot.cam.startImage);
    ShowImage(1, shot.cam.endImage);
}

void TShotEditor::ShowImage(int k, const std::string& fileName)
{
    pictures_->ShowImage(k, fileName);
}

void TShotEditor::camCheckClick(int k, bool checked)
{
    QComboBox* combo = camCombos[static_cast<std::size_t>(k)];
    combo->setVisible(checked);
    if (checked)
        combo->setCurrentIndex(0);
    else if (CurIndex_ >= 0)
        events_.SetMovement(static_cast<std::size_t>(CurIndex_), k, 0);
    NoteChange();
}

} // namespace sw
