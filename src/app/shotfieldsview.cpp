#include "app/shotfieldsview.h"

#include <limits>
#include <string>
#include <variant>

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>

#include "app/shotpictures.h"
#include "editing/document.h"
#include "model/camerawords.h"
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

TShotFieldsView::TShotFieldsView(TDocument& document, const TProjectPaths& paths, const TAppSettings& settings,
                                 TUserPrompts& prompts, QWidget* continuityPage, QWidget* breakdownPage)
    : QObject(continuityPage), document_(document), prompts_(prompts), dialogParent_(continuityPage->window())
{
    BuildTexts(continuityPage);
    pictures_ = new TShotPictures(paths, settings, prompts_, breakdownPage);
    BuildBreakdown(breakdownPage);
    TakeWholeSeconds();
    ConnectFieldEdits();
    connect(&document_, &TDocument::shotChanged, this, &TShotFieldsView::ShotChanged);
}

TShotFieldsView::~TShotFieldsView() = default;

// ---------------------------------------------------------------- the controls

void TShotFieldsView::BuildTexts(QWidget* page)
{
    texts_ = new QWidget(page);
    actionMemo = AddMemo(texts_, "actionMemo", 3);
    sonMemo = AddMemo(texts_, "sonMemo", 2);
    dlgMemo = AddMemo(texts_, "dlgMemo", 2);
    auto* fields = new QVBoxLayout(texts_);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setSpacing(2);
    const std::pair<QString, QPlainTextEdit*> rows[] = {
        {QStringLiteral("Action:"), actionMemo}, {QStringLiteral("Son:"), sonMemo}, {QStringLiteral("Dialogue:"), dlgMemo}};
    for (const auto& [caption, memo] : rows) {
        QLabel* label = AddLabel(texts_, caption);
        label->setBuddy(memo);
        fields->addWidget(label);
        // The action, the longest text, takes the most height.
        fields->addWidget(memo, memo == actionMemo ? 2 : 1);
        if (memo != dlgMemo)
            fields->addSpacing(4);
    }
    SetHintTag(actionMemo, 9);
    SetHintTag(sonMemo, 10);
    SetHintTag(dlgMemo, 11);
}

QGroupBox* TShotFieldsView::BuildCameraGroup(QWidget* page)
{
    CamGroup = new QGroupBox(QStringLiteral("CAM "), page);
    CamGroup->setObjectName(QStringLiteral("CamGroup"));
    DEdit = AddEdit(CamGroup, "DEdit");
    DEdit->setMaximumWidth(DEdit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
    cumLab = new QLabel(CamGroup);
    cumLab->setObjectName(QStringLiteral("cumLab"));
    QFont cumulFont = WindowFont();
    cumulFont.setBold(true);
    cumLab->setFont(cumulFont);
    cumLab->setStyleSheet(QStringLiteral("color: red;"));
    CBCadre = AddCombo(CamGroup, "CBCadre", FramingEntries);
    CBAngles = AddCombo(CamGroup, "CBAngles", AngleEntries);
    const QString checkCaptions[3] = {QStringLiteral("panoramique"), QStringLiteral("travelling"), QStringLiteral("zoom")};
    const char* checkNames[3] = {"camCheckB0", "camCheckB1", "CamCheckB2"};
    for (int k = 0; k < 3; ++k) {
        camChecks[k] = new QCheckBox(checkCaptions[k], CamGroup);
        camChecks[k]->setObjectName(QLatin1String(checkNames[k]));
    }
    camCombos[0] = AddCombo(CamGroup, "camComb0", PanEntries);
    camCombos[1] = AddCombo(CamGroup, "camComb1", TravelEntries);
    camCombos[2] = AddCombo(CamGroup, "camComb2", ZoomEntries);

    // Captions on the left, lists on the right, each list as wide as its
    // longest entry.
    auto* grid = new QGridLayout(CamGroup);
    auto* duration = new QHBoxLayout;
    QLabel* durationLabel = AddLabel(CamGroup, QStringLiteral("Durée:"));
    durationLabel->setBuddy(DEdit);
    duration->addWidget(durationLabel);
    duration->addWidget(DEdit);
    duration->addWidget(AddLabel(CamGroup, QStringLiteral("s.")));
    duration->addStretch(1);
    grid->addLayout(duration, 0, 0);
    auto* cumul = new QHBoxLayout;
    cumul->addWidget(AddLabel(CamGroup, QStringLiteral("Cumul:")));
    cumul->addWidget(cumLab, 1);
    grid->addLayout(cumul, 0, 1);
    grid->setRowMinimumHeight(1, grid->spacing());
    const std::pair<QString, QComboBox*> choices[] = {{QStringLiteral("Cadrage"), CBCadre},
                                                      {QStringLiteral("Angle de prise de vue"), CBAngles}};
    int row = 2;
    for (const auto& [caption, combo] : choices) {
        QLabel* label = AddLabel(CamGroup, caption);
        label->setBuddy(combo);
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row++, 1);
    }
    grid->setRowMinimumHeight(row++, grid->spacing());
    grid->addWidget(AddLabel(CamGroup, QStringLiteral("Mouvements de caméra")), row++, 0, 1, 2);
    for (int k = 0; k < 3; ++k) {
        // A hidden movement list keeps its place, so that the rows stay put.
        QSizePolicy keepPlace = camCombos[k]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        camCombos[k]->setSizePolicy(keepPlace);
        grid->addWidget(camChecks[k], row, 0);
        grid->addWidget(camCombos[k], row++, 1);
    }
    for (QComboBox* combo : {CBCadre, CBAngles, camCombos[0], camCombos[1], camCombos[2]})
        combo->setMinimumWidth(combo->sizeHint().width());
    // A wider group leaves the room on the right of the lists.
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return CamGroup;
}

void TShotFieldsView::BuildBreakdown(QWidget* page)
{
    camera_ = new QWidget(page);
    QGroupBox* cameraGroup = BuildCameraGroup(camera_);
    effetMemo = AddMemo(camera_, "effetMemo", 3, true);
    effetMemo->setFont(FieldFont(12));
    SetHintTag(DEdit, 12);
    SetHintTag(effetMemo, 13);

    auto* middle = new QVBoxLayout(camera_);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(2);
    middle->addWidget(cameraGroup);
    middle->addSpacing(4);
    QLabel* effectLabel = AddLabel(camera_, QStringLiteral("Précisions:"));
    effectLabel->setBuddy(effetMemo);
    middle->addWidget(effectLabel);
    middle->addWidget(effetMemo, 1);
}

void TShotFieldsView::TakeWholeSeconds()
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

// ---------------------------------------------------------------- fields and controls

QPlainTextEdit* TShotFieldsView::MemoOf(ShotField field) const
{
    switch (field) {
    case ShotField::Action: return actionMemo;
    case ShotField::Sound: return sonMemo;
    case ShotField::Dialogue: return dlgMemo;
    case ShotField::Effect: return effetMemo;
    default: return nullptr;
    }
}

QComboBox* TShotFieldsView::ComboOf(ShotField field) const
{
    if (field == ShotField::Framing)
        return CBCadre;
    if (field == ShotField::Angle)
        return CBAngles;
    const int k = MovementOf(field);
    return k < 0 ? nullptr : camCombos[static_cast<std::size_t>(k)];
}

QCheckBox* TShotFieldsView::CheckOf(ShotField field) const
{
    const int k = MovementOf(field);
    return k < 0 ? nullptr : camChecks[static_cast<std::size_t>(k)];
}

void TShotFieldsView::ConnectFieldEdits()
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

void TShotFieldsView::SendField(ShotField field, const ShotFieldValue& value)
{
    if (filling_ || shown_ < 0)
        return;
    const auto index = static_cast<std::size_t>(shown_);
    Run([this, index, field, &value] { document_.SetShotField(index, field, value); });
}

void TShotFieldsView::ShotChanged(std::size_t index, ShotField field)
{
    const int row = static_cast<int>(index);
    if (row == shown_)
        ShowField(field);
    else if (field == ShotField::Duration && row < shown_)
        ShowCumulatedTime();
}

void TShotFieldsView::ShowField(ShotField field)
{
    if (shown_ < 0)
        return;
    const TEvent& shot = document_.Shots().Event(static_cast<std::size_t>(shown_));
    const ShotFieldValue value = GetField(shot, field);
    TFillGuard guard(filling_);
    switch (FieldInfo(field).kind) {
    case FieldKind::Text:
        // The name shows in the shot list.
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

// ---------------------------------------------------------------- the shot shown

void TShotFieldsView::ShowShot(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= document_.Shots().Count())
        return;
    shown_ = index;
    for (const ShotFieldInfo& info : ShotFields())
        ShowField(info.field);
    FollowShot(index);
}

void TShotFieldsView::FollowShot(int index)
{
    shown_ = index;
    ShowCumulatedTime();
    SetEnabled(true, QString());
}

void TShotFieldsView::ShowNoShot(const QString& reason)
{
    TFillGuard guard(filling_);
    shown_ = -1;
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
    SetEnabled(false, reason);
}

void TShotFieldsView::SetEnabled(bool enabled, const QString& placeholder)
{
    // Without a shot on display nothing typed could go anywhere.
    for (QPlainTextEdit* memo : {actionMemo, sonMemo, dlgMemo, effetMemo}) {
        memo->setEnabled(enabled);
        memo->setPlaceholderText(placeholder);
    }
    DEdit->setPlaceholderText(placeholder.isEmpty() ? QString() : QStringLiteral("-"));
    CamGroup->setEnabled(enabled);
    pictures_->SetEnabled(enabled);
}

void TShotFieldsView::ShowCumulatedTime()
{
    const TEventList& shots = document_.Shots();
    if (shown_ < 0 || static_cast<std::size_t>(shown_) >= shots.Count())
        return;
    const auto index = static_cast<std::size_t>(shown_);
    cumLab->setText(ToQString(ElapsedTextOf(shots.CumulSecondsWith(index, shots.Event(index).cam.duration))));
}

void TShotFieldsView::FocusAction()
{
    if (actionMemo->isVisibleTo(actionMemo->window()))
        actionMemo->setFocus();
}

} // namespace sw
