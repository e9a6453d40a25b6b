#include "app/shoteditor.h"

#include <cstdint>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/editorapp.h"
#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "model/camerawords.h"
#include "model/eventlist.h"
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
    BuildBreakdownControls(breakdownPage);
    ConnectControls();
    BindCameraControls();
}

TShotEditor::~TShotEditor() = default;

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
    connect(DEdit, &QLineEdit::textChanged, this, [this] { NoteChange(); });
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
}

void TShotEditor::ClearShots()
{
    {
        TFillGuard guard(filling_);
        vListBox->clear();
    }
    ClearControls();
    events_.Clear();
    CurIndex_ = -1;
}

void TShotEditor::ResetNumberLabel()
{
    // The number label would still count the shots of the previous project.
    ENoLabel->setText(QStringLiteral("No"));
}

// ---------------------------------------------------------------- one shot

void TShotEditor::StoreEvent(int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= events_.Count())
        return;
    TEvent& shot = events_.Event(static_cast<std::size_t>(i));
    if (QListWidgetItem* item = vListBox->item(i))
        shot.name = uitext::FromLineText(item->text());
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
        cumLab->setText(ToQString(events_.CumulText(static_cast<std::size_t>(i))));
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

// ---------------------------------------------------------------- the list

void TShotEditor::ShotSelected(int row)
{
    StoreCurrentShot();
    CurIndex_ = row;
    if (CurIndex_ < 0)
        return;
    ENoLabel->setText(QString::number(CurIndex_ + 1));
    ShowEvent(CurIndex_);
}

void TShotEditor::ShotListReleased(Qt::MouseButton button)
{
    // A click on the shot already current stores it and shows it again, which
    // brings its number and its cumulated time up to date.
    if (button != Qt::RightButton && CurIndex_ >= 0 && vListBox->currentRow() == CurIndex_) {
        StoreEvent(CurIndex_);
        ENoLabel->setText(QString::number(CurIndex_ + 1));
        ShowEvent(CurIndex_);
    }
    if (CurIndex_ >= 0)
        emit shotClicked(uitext::ToEditorText(events_.EventAction(static_cast<std::size_t>(CurIndex_))));
}

void TShotEditor::AddShot()
{
    events_.AddEvent();
    CurIndex_ = static_cast<int>(events_.Count()) - 1;
    {
        TFillGuard guard(filling_);
        vListBox->addItem(ToQString(events_.EventName(static_cast<std::size_t>(CurIndex_))));
    }
    ShowEvent(CurIndex_);
    {
        TFillGuard guard(filling_);
        vListBox->setCurrentRow(CurIndex_);
    }
    DelEvntBtn->setEnabled(true);
    renamEvntBtn->setEnabled(true);
    NoteChange();
    EditShotName(QStringLiteral("nom du plan"));
}

void TShotEditor::AddFirstShot()
{
    events_.AddEvent();
    CurIndex_ = static_cast<int>(events_.Count()) - 1;
    TFillGuard guard(filling_);
    vListBox->addItem(QStringLiteral("plan 1"));
    ShowEvent(CurIndex_);
    vListBox->setCurrentRow(CurIndex_);
    renamEvntBtn->setEnabled(true);
}

void TShotEditor::addEvntBtnClick()
{
    StoreCurrentShot();
    AddShot();
}

void TShotEditor::renamEvntBtnClick()
{
    EditShotName(QStringLiteral("Renommer le plan..."));
}

void TShotEditor::EditShotName(const QString& prompt)
{
    if (CurIndex_ < 0)
        return;
    const QString current = ToQString(events_.EventName(static_cast<std::size_t>(CurIndex_)));
    const std::optional<QString> edited = prompts_.EditName(dialogParent_, prompt, current);
    if (edited) {
        vListBox->item(CurIndex_)->setText(*edited);
        StoreEvent(CurIndex_);
        if (*edited != current)
            NoteChange();
    }
    // Back to typing the action when the continuity tab is the one shown.
    if (actionMemo->isVisibleTo(actionMemo->window()))
        actionMemo->setFocus();
}

void TShotEditor::DelEvntBtnClick()
{
    if (CurIndex_ < 0)
        return;
    events_.DeleteEvent(static_cast<std::size_t>(CurIndex_));
    NoteChange();
    FillShotNames();
    if (events_.Count() == 0) {
        CurIndex_ = -1;
        DelEvntBtn->setEnabled(false);
        return;
    }
    CurIndex_ = CurIndex_ > 0 ? CurIndex_ - 1 : 0;
    ShowEvent(CurIndex_);
    TFillGuard guard(filling_);
    vListBox->setCurrentRow(CurIndex_);
}

void TShotEditor::FillShotNames()
{
    TFillGuard guard(filling_);
    vListBox->clear();
    for (std::size_t i = 0; i < events_.Count(); ++i)
        vListBox->addItem(ToQString(events_.EventName(i)));
}

void TShotEditor::RefillShotList()
{
    FillShotNames();
    const bool any = events_.Count() > 0;
    if (any) {
        {
            TFillGuard guard(filling_);
            vListBox->setCurrentRow(0);
        }
        CurIndex_ = 0;
        ShowEvent(0);
    } else {
        CurIndex_ = -1;
    }
    DelEvntBtn->setEnabled(any);
    renamEvntBtn->setEnabled(any);
}

void TShotEditor::ShowShots()
{
    ENoLabel->setText(QString::number(events_.Count()));
    RefillShotList();
}

void TShotEditor::MoveShot(int from, int to)
{
    const int count = vListBox->count();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    if (from != CurIndex_ && CurIndex_ >= 0)
        StoreEvent(CurIndex_);
    {
        TFillGuard guard(filling_);
        QListWidgetItem* item = vListBox->takeItem(from);
        vListBox->insertItem(to, item);
        vListBox->setCurrentRow(to);
    }
    events_.MoveEvent(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    if (from != CurIndex_)
        ShowEvent(to);
    CurIndex_ = to;
    NoteChange();
}

} // namespace sw
