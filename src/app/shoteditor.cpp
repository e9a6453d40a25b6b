#include "app/shoteditor.h"

#include <cstdint>
#include <memory>
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
#include "app/shotsteps.h"
#include "app/undohistory.h"
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
                         TUserPrompts& prompts, TUndoHistory& history, QWidget* continuityPage,
                         QWidget* breakdownPage)
    : QObject(continuityPage), events_(events), paths_(paths), settings_(settings), prompts_(prompts),
      dialogParent_(continuityPage->window()), history_(history)
{
    BuildContinuityControls(continuityPage);
    BuildBreakdownControls(breakdownPage);
    TakeWholeSeconds();
    ConnectControls();
    BindCameraControls();
}

TShotEditor::~TShotEditor() = default;

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
    connect(insEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { InsertShot(); }); });
    connect(dupEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { DuplicateShot(); }); });
    vListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Run([this, pos] { ShowShotListMenu(pos); }); });
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
    if (filling_)
        return;
    shotEdited_ = true;
    emit changed();
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
    if (i == CurIndex_ && !(shot == shownShot_)) {
        // A shot only shown may come back from its controls a little
        // different (line ends, a value out of its list): no step of that.
        if (shotEdited_)
            history_.Push(std::make_unique<TShotEditStep>(*this, ShotStepText("Modifier", shot.name),
                                                          static_cast<std::size_t>(i), shownShot_, shot));
        shownShot_ = shot;
    }
    if (i == CurIndex_)
        shotEdited_ = false;
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
    shownShot_ = shot;
    shotEdited_ = false;
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
