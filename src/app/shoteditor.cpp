#include "app/shoteditor.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
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

// The shares of a tab's width: the shot panel keeps its share on both tabs.
constexpr int kShotPanelStretch = 2;
constexpr int kShotTextsStretch = 10;
constexpr int kCameraStretch = 7;
constexpr int kPicturesStretch = 3;

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

// ---------------------------------------------------------------- controls

void TShotEditor::BuildShotPanel(QWidget* page)
{
    ActPanel = new QFrame(page);
    ActPanel->setObjectName(QStringLiteral("ActPanel"));
    ENoLabel = new QLabel(QStringLiteral("No"), ActPanel);
    ENoLabel->setObjectName(QStringLiteral("ENoLabel"));
    QFont numberFont = WindowFont();
    numberFont.setPixelSize(24);
    numberFont.setBold(true);
    ENoLabel->setFont(numberFont);
    ENoLabel->setStyleSheet(QStringLiteral("color: green;"));
    // The list's filter line, which the list's own code makes work.
    auto* filter = new QLineEdit(ActPanel);
    filter->setObjectName(QStringLiteral("ShotFilter"));
    filter->setPlaceholderText(QStringLiteral("Filtrer les plans"));
    filter->setClearButtonEnabled(true);
    vListBox = new TShotListBox(ActPanel);
    vListBox->setObjectName(QStringLiteral("vListBox"));
    addEvntBtn = AddButton(ActPanel, "addEvntBtn", QStringLiteral("Ajouter"));
    renamEvntBtn = AddButton(ActPanel, "renamEvntBtn", QStringLiteral("Renommer"));
    renamEvntBtn->setEnabled(false);
    DelEvntBtn = AddButton(ActPanel, "DelEvntBtn", QStringLiteral("Supprimer"));
    DelEvntBtn->setEnabled(false);

    auto* column = new QVBoxLayout(ActPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(ENoLabel);
    column->addWidget(filter);
    column->addWidget(vListBox, 1);
    for (QPushButton* button : {addEvntBtn, renamEvntBtn, DelEvntBtn})
        column->addWidget(button);
    // The list is a narrow column beside the shot's fields, wider in a
    // larger window; at its narrowest, its buttons and the filter's hint
    // still show whole.
    ActPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    int narrowest = filter->fontMetrics().horizontalAdvance(filter->placeholderText()) + 2 * filter->sizeHint().height();
    for (QPushButton* button : {addEvntBtn, renamEvntBtn, DelEvntBtn})
        narrowest = std::max(narrowest, button->sizeHint().width());
    ActPanel->setMinimumWidth(narrowest);
}

void TShotEditor::BuildContinuityControls(QWidget* page)
{
    BuildShotPanel(page);
    actionMemo = AddMemo(page, "actionMemo", 3);
    sonMemo = AddMemo(page, "sonMemo", 2);
    dlgMemo = AddMemo(page, "dlgMemo", 2);

    auto* fields = new QVBoxLayout;
    fields->setSpacing(2);
    const std::pair<QString, QPlainTextEdit*> rows[] = {
        {QStringLiteral("Action:"), actionMemo}, {QStringLiteral("Son:"), sonMemo}, {QStringLiteral("Dialogue:"), dlgMemo}};
    for (const auto& [caption, memo] : rows) {
        QLabel* label = AddLabel(page, caption);
        label->setBuddy(memo);
        fields->addWidget(label);
        // The action, the longest text, takes the most height.
        fields->addWidget(memo, memo == actionMemo ? 2 : 1);
        if (memo != dlgMemo)
            fields->addSpacing(4);
    }
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(ActPanel, kShotPanelStretch);
    row->addLayout(fields, kShotTextsStretch);
    SetHintTag(actionMemo, 9);
    SetHintTag(sonMemo, 10);
    SetHintTag(dlgMemo, 11);
}

QGroupBox* TShotEditor::BuildCameraGroup(QWidget* page)
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

void TShotEditor::BuildBreakdownControls(QWidget* page)
{
    QGroupBox* camera = BuildCameraGroup(page);
    effetMemo = AddMemo(page, "effetMemo", 3, true);
    effetMemo->setFont(FieldFont(12));
    SetHintTag(DEdit, 12);
    SetHintTag(effetMemo, 13);
    pictures_ = new TShotPictures(paths_, settings_, prompts_, page);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(2);
    middle->addWidget(camera);
    middle->addSpacing(4);
    QLabel* effectLabel = AddLabel(page, QStringLiteral("Précisions:"));
    effectLabel->setBuddy(effetMemo);
    middle->addWidget(effectLabel);
    middle->addWidget(effetMemo, 1);
    // The shot panel comes first when it is shown on this tab.
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);
    row->addLayout(middle, kCameraStretch);
    row->addWidget(pictures_->Panel(), kPicturesStretch);
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

void TShotEditor::PlaceShotPanel(QWidget* page)
{
    if (ActPanel->parentWidget() == page)
        return;
    // The panel leaves the other tab's layout for the first place in this one.
    if (QWidget* previous = ActPanel->parentWidget(); previous && previous->layout())
        previous->layout()->removeWidget(ActPanel);
    if (auto* row = qobject_cast<QBoxLayout*>(page->layout()))
        row->insertWidget(0, ActPanel, kShotPanelStretch);
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
