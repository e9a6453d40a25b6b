#include "app/shoteditor.h"

#include <limits>

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
#include "editing/document.h"
#include "model/eventlist.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using uitext::ToQString;
using namespace widgets;

namespace {

// The movements' fields, in the order of their check boxes and combo boxes.
constexpr ShotField kMovements[3] = {ShotField::Pan, ShotField::Travel, ShotField::Zoom};

int MovementOf(ShotField field)
{
    for (int k = 0; k < 3; ++k)
        if (kMovements[k] == field)
            return k;
    return -1;
}

// The picture box of a picture field: 0 the start, 1 the end.
int PictureBoxOf(ShotField field)
{
    return field == ShotField::StartPicture ? 0 : 1;
}

} // namespace

TShotEditor::TShotEditor(TDocument& document, const TProjectPaths& paths, const TAppSettings& settings,
                         TUserPrompts& prompts, QWidget* continuityPage, QWidget* breakdownPage)
    : QObject(continuityPage), document_(document), paths_(paths), settings_(settings), prompts_(prompts),
      dialogParent_(continuityPage->window())
{
    BuildContinuityControls(continuityPage);
    BuildBreakdownControls(breakdownPage);
    TakeWholeSeconds();
    ConnectControls();
    KeepShotListWidth();
    ConnectFieldEdits();
    ConnectDocument();
    ShowShots();
}

TShotEditor::~TShotEditor() = default;

const TEventList& TShotEditor::Shots() const
{
    return document_.Shots();
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

// ---------------------------------------------------------------- the fields' controls

QPlainTextEdit* TShotEditor::MemoOf(ShotField field) const
{
    switch (field) {
    case ShotField::Action: return actionMemo;
    case ShotField::Sound: return sonMemo;
    case ShotField::Dialogue: return dlgMemo;
    case ShotField::Effect: return effetMemo;
    default: return nullptr;
    }
}

QComboBox* TShotEditor::ComboOf(ShotField field) const
{
    if (field == ShotField::Framing)
        return CBCadre;
    if (field == ShotField::Angle)
        return CBAngles;
    const int k = MovementOf(field);
    return k < 0 ? nullptr : camCombos[static_cast<std::size_t>(k)];
}

QCheckBox* TShotEditor::CheckOf(ShotField field) const
{
    const int k = MovementOf(field);
    return k < 0 ? nullptr : camChecks[static_cast<std::size_t>(k)];
}

void TShotEditor::ConnectFieldEdits()
{
    for (const ShotFieldInfo& info : ShotFields()) {
        const ShotField field = info.field;
        if (QPlainTextEdit* memo = MemoOf(field)) {
            connect(memo, &QPlainTextEdit::textChanged, this,
                    [this, memo, field] { SendField(field, uitext::FromEditorText(memo->toPlainText())); });
        } else if (QComboBox* combo = ComboOf(field)) {
            // A movement's entry v is its value v + 1; 0 is no movement.
            const int offset = info.choices.none ? 1 : 0;
            connect(combo, &QComboBox::activated, this,
                    [this, field, offset](int index) { SendField(field, index < 0 ? 0 : index + offset); });
            if (QCheckBox* check = CheckOf(field))
                connect(check, &QCheckBox::clicked, this, [this, field](bool checked) { SendField(field, checked ? 1 : 0); });
        }
    }
    connect(DEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { SendField(ShotField::Duration, uitext::FromLineText(text)); });
    connect(pictures_, &TShotPictures::changed, this, [this](int k) {
        SendField(k == 0 ? ShotField::StartPicture : ShotField::EndPicture, pictures_->ImageName(k));
    });
}

void TShotEditor::SendField(ShotField field, const ShotFieldValue& value)
{
    if (filling_ || CurIndex_ < 0)
        return;
    const auto index = static_cast<std::size_t>(CurIndex_);
    Run([this, index, field, &value] { document_.SetShotField(index, field, value); });
}

void TShotEditor::ShowField(ShotField field)
{
    if (CurIndex_ < 0)
        return;
    const TEvent& shot = Shots().Event(static_cast<std::size_t>(CurIndex_));
    const ShotFieldValue value = GetField(shot, field);
    TFillGuard guard(filling_);
    switch (FieldInfo(field).kind) {
    case FieldKind::Text:
        ShowEntry(CurIndex_);
        break;
    case FieldKind::HtmlText: {
        QPlainTextEdit* memo = MemoOf(field);
        const std::string& text = std::get<std::string>(value);
        if (uitext::FromEditorText(memo->toPlainText()) != text)
            SetEditorText(memo, text);
        break;
    }
    case FieldKind::Number:
        if (uitext::FromLineText(DEdit->text()) != std::get<std::string>(value))
            DEdit->setText(ToQString(std::get<std::string>(value)));
        ShowCumulatedTime();
        break;
    case FieldKind::Choice: {
        const int chosen = std::get<int>(value);
        QComboBox* combo = ComboOf(field);
        if (QCheckBox* check = CheckOf(field)) {
            check->setChecked(chosen > 0);
            combo->setVisible(chosen > 0);
            combo->setCurrentIndex(chosen > 0 ? chosen - 1 : 0);
        } else {
            combo->setCurrentIndex(chosen);
        }
        break;
    }
    case FieldKind::Picture:
        pictures_->ShowImage(PictureBoxOf(field), std::get<std::string>(value));
        break;
    }
}

void TShotEditor::ShowEvent(int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= Shots().Count())
        return;
    CurIndex_ = i;
    for (const ShotFieldInfo& info : ShotFields())
        ShowField(info.field);
    ShowShotState(i);
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
    for (int k = 0; k < 3; ++k) {
        camChecks[k]->setChecked(false);
        camCombos[k]->setVisible(false);
    }
    pictures_->Clear();
    cumLab->clear();
    ShowNoShotState();
}

} // namespace sw
