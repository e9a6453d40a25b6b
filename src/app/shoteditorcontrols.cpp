// The shot editor's controls and their layouts, and the shot panel's move
// from one tab to the other; the editing is in shoteditor.cpp.
#include "app/shoteditor.h"

#include <algorithm>
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
#include <QStackedWidget>

#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "model/camerawords.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using namespace widgets;

namespace {

// The shares of a tab's width: the shot panel keeps its share on both tabs.
constexpr int kShotPanelStretch = 2;
constexpr int kShotTextsStretch = 10;
constexpr int kCameraStretch = 7;
constexpr int kPicturesStretch = 3;

} // namespace

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
    ShotFilter = new QLineEdit(ActPanel);
    ShotFilter->setObjectName(QStringLiteral("ShotFilter"));
    ShotFilter->setPlaceholderText(QStringLiteral("Filtrer les plans"));
    ShotFilter->setClearButtonEnabled(true);
    // The list, or in its place, while the filter matches no shot, a line
    // that says so.
    listPlace_ = new QStackedWidget(ActPanel);
    vListBox = new TShotListBox(listPlace_);
    vListBox->setObjectName(QStringLiteral("vListBox"));
    NoMatchLabel = new QLabel(QStringLiteral("Aucun plan ne correspond"), listPlace_);
    NoMatchLabel->setObjectName(QStringLiteral("NoMatchLabel"));
    NoMatchLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    NoMatchLabel->setWordWrap(true);
    listPlace_->addWidget(vListBox);
    listPlace_->addWidget(NoMatchLabel);
    addEvntBtn = AddButton(ActPanel, "addEvntBtn", QStringLiteral("Ajouter"));
    // Insérer and Dupliquer put their shot after the shown one.
    insEvntBtn = AddButton(ActPanel, "insEvntBtn", QStringLiteral("Insérer"));
    insEvntBtn->setEnabled(false);
    dupEvntBtn = AddButton(ActPanel, "dupEvntBtn", QStringLiteral("Dupliquer"));
    dupEvntBtn->setEnabled(false);
    renamEvntBtn = AddButton(ActPanel, "renamEvntBtn", QStringLiteral("Renommer"));
    renamEvntBtn->setEnabled(false);
    DelEvntBtn = AddButton(ActPanel, "DelEvntBtn", QStringLiteral("Supprimer"));
    DelEvntBtn->setEnabled(false);

    auto* column = new QVBoxLayout(ActPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(ENoLabel);
    column->addWidget(ShotFilter);
    column->addWidget(listPlace_, 1);
    for (QPushButton* button : {addEvntBtn, insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
        column->addWidget(button);
    // The list is a narrow column beside the shot's fields, wider in a
    // larger window; at its narrowest, its buttons and the filter's hint
    // still show whole.
    ActPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    int narrowest = ShotFilter->fontMetrics().horizontalAdvance(ShotFilter->placeholderText()) + 2 * ShotFilter->sizeHint().height();
    for (QPushButton* button : {addEvntBtn, insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
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

} // namespace sw
