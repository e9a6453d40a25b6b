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
#include <QSplitter>
#include <QStackedWidget>

#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "model/camerawords.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using namespace widgets;

namespace {

// The shares of a tab's width the shot's fields take as the window grows;
// the shot list keeps its width.
constexpr int kCameraStretch = 7;
constexpr int kPicturesStretch = 3;
// The shot list's width until the user sets one, in average characters.
constexpr int kShotListCharacters = 28;

// A tab's row of panes, each as wide as the user drags it.
QSplitter* AddSplitter(QWidget* page, const char* name)
{
    auto* splitter = new QSplitter(Qt::Horizontal, page);
    splitter->setObjectName(QLatin1String(name));
    splitter->setChildrenCollapsible(false);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(splitter);
    return splitter;
}

// A pane's share of the width the window gains.
void SetWidthStretch(QWidget* pane, int stretch)
{
    QSizePolicy policy = pane->sizePolicy();
    policy.setHorizontalStretch(stretch);
    pane->setSizePolicy(policy);
}

} // namespace

void TShotEditor::BuildShotPanel(QWidget* page)
{
    ActPanel = new TShotPanel(page);
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
    // The list is a column beside the shot's fields, as wide as the user
    // drags it; at its narrowest, its buttons and the filter's hint still
    // show whole.
    ActPanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    SetWidthStretch(ActPanel, 0);
    int narrowest = ShotFilter->fontMetrics().horizontalAdvance(ShotFilter->placeholderText()) + 2 * ShotFilter->sizeHint().height();
    for (QPushButton* button : {addEvntBtn, insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
        narrowest = std::max(narrowest, button->sizeHint().width());
    ActPanel->setMinimumWidth(narrowest);
    ActPanel->SetPreferredWidth(std::max(narrowest, ActPanel->fontMetrics().averageCharWidth() * kShotListCharacters));
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
    fields->setContentsMargins(0, 0, 0, 0);
    auto* texts = new QWidget(page);
    texts->setLayout(fields);
    SetWidthStretch(texts, 1);
    splitters_[0] = AddSplitter(page, "continuitySplitter");
    splitters_[0]->addWidget(ActPanel);
    splitters_[0]->addWidget(texts);
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
    QGroupBox* cameraGroup = BuildCameraGroup(page);
    effetMemo = AddMemo(page, "effetMemo", 3, true);
    effetMemo->setFont(FieldFont(12));
    SetHintTag(DEdit, 12);
    SetHintTag(effetMemo, 13);
    pictures_ = new TShotPictures(paths_, settings_, prompts_, page);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(2);
    middle->addWidget(cameraGroup);
    middle->addSpacing(4);
    QLabel* effectLabel = AddLabel(page, QStringLiteral("Précisions:"));
    effectLabel->setBuddy(effetMemo);
    middle->addWidget(effectLabel);
    middle->addWidget(effetMemo, 1);
    middle->setContentsMargins(0, 0, 0, 0);
    auto* camera = new QWidget(page);
    camera->setLayout(middle);
    SetWidthStretch(camera, kCameraStretch);
    SetWidthStretch(pictures_->Panel(), kPicturesStretch);
    // The shot panel comes first when it is shown on this tab.
    splitters_[1] = AddSplitter(page, "breakdownSplitter");
    splitters_[1]->addWidget(camera);
    splitters_[1]->addWidget(pictures_->Panel());
}

void TShotEditor::PlaceShotPanel(QWidget* page)
{
    const auto splitter = std::find_if(splitters_.begin(), splitters_.end(),
                                       [page](const QSplitter* s) { return s->parentWidget() == page; });
    if (splitter == splitters_.end() || ActPanel->parentWidget() == *splitter)
        return;
    // The panel leaves the other tab's row for the first place in this one,
    // as wide as it was there.
    const int width = ActPanel->isVisible() ? ActPanel->width() : 0;
    (*splitter)->insertWidget(0, ActPanel);
    ActPanel->show();
    if (width > 0)
        FitShotPanel(**splitter, width);
}

void TShotEditor::FitShotPanel(QSplitter& splitter, int width)
{
    QList<int> sizes = splitter.sizes();
    int total = 0;
    for (const int size : sizes)
        total += size;
    if (sizes.size() < 2 || total <= 0 || splitter.widget(0) != ActPanel)
        return;
    // The other panes share what is left as they shared their room before.
    width = std::clamp(width, ActPanel->minimumWidth(), std::max(ActPanel->minimumWidth(), total / 2));
    const int othersBefore = total - sizes[0];
    int left = total - width;
    sizes[0] = width;
    for (qsizetype k = 1; k < sizes.size(); ++k) {
        const int share = k + 1 == sizes.size() || othersBefore <= 0 ? left : sizes[k] * (total - width) / othersBefore;
        sizes[k] = share;
        left -= share;
    }
    splitter.setSizes(sizes);
}

int TShotEditor::ShotListWidth() const
{
    return listWidth_;
}

void TShotEditor::SetShotListWidth(int width)
{
    listWidth_ = std::max(0, width);
    if (listWidth_ > 0)
        ActPanel->SetPreferredWidth(listWidth_);
    if (QSplitter* splitter = qobject_cast<QSplitter*>(ActPanel->parentWidget()); splitter && listWidth_ > 0)
        FitShotPanel(*splitter, listWidth_);
}

void TShotEditor::KeepShotListWidth()
{
    for (QSplitter* splitter : splitters_)
        connect(splitter, &QSplitter::splitterMoved, this, [this, splitter] {
            if (splitter->widget(0) == ActPanel)
                listWidth_ = ActPanel->width();
        });
}

} // namespace sw
