#include "dialogs/pdfexportdlg.h"

#include <algorithm>
#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "dialogs/fixeddialog.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 254;

// The papers in the order the dialog lists them.
constexpr PlanPaper kPapers[] = {PlanPaper::A4, PlanPaper::Letter};

QCheckBox* AddPartCheck(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(12, top, 256, 20);
    return check;
}

// A drop-down list at left with its label before it, the label its buddy;
// the label takes the width of its text in the face the system gave.
QComboBox* AddLabelledCombo(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = new QLabel(caption, parent);
    label->move(16, top + 4);
    label->adjustSize();
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setGeometry(left, top, 100, 26);
    label->setBuddy(combo);
    return combo;
}

// Where the drop-down lists start: after the longer of their labels, whose
// width depends on the face that stands for Arial.
int ComboLeft(const QWidget& dialog, const QStringList& captions)
{
    int widest = 0;
    for (const QString& caption : captions)
        widest = std::max(widest, dialog.fontMetrics().horizontalAdvance(caption));
    return 16 + widest + 12;
}

QString GridCaption(PanelGrid grid)
{
    return QStringLiteral("%1 × %2").arg(grid.columns).arg(grid.rows);
}

QString PaperCaption(PlanPaper paper)
{
    return paper == PlanPaper::Letter ? QStringLiteral("Letter") : QStringLiteral("A4");
}

template <typename Entry, std::size_t N>
int IndexOf(const Entry (&entries)[N], const Entry& wanted)
{
    for (std::size_t index = 0; index < N; ++index)
        if (entries[index] == wanted)
            return static_cast<int>(index);
    return -1;
}

} // namespace

TPdfExportDlg::TPdfExportDlg(const PlanOptions& options, QWidget* parent) : QDialog(parent)
{
    SetUpFixedDialog(*this, QStringLiteral("Exporter en PDF"), kWidth, kHeight);
    setObjectName(QStringLiteral("PdfExportDlg"));
    setFont(DialogFont());
    BuildParts();
    BuildPageChoices();
    BuildButtons();
    ShowOptions(options);
    EnableControls();
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

void TPdfExportDlg::BuildParts()
{
    auto* parts = new QGroupBox(QStringLiteral("Parties du plan "), this);
    parts->setGeometry(8, 8, kWidth - 16, 128);
    FirstPageChk = AddPartCheck(parts, "FirstPageChk", QStringLiteral("Page de titre"), 24);
    ContinuityChk = AddPartCheck(parts, "ContinuityChk", QStringLiteral("Continuité"), 48);
    BreakdownChk = AddPartCheck(parts, "BreakdownChk", QStringLiteral("Découpage technique"), 72);
    StoryboardChk = AddPartCheck(parts, "StoryboardChk", QStringLiteral("Storyboard"), 96);
    for (QCheckBox* check : {FirstPageChk, ContinuityChk, BreakdownChk, StoryboardChk})
        connect(check, &QCheckBox::toggled, this, &TPdfExportDlg::EnableControls);
}

void TPdfExportDlg::BuildPageChoices()
{
    const QString gridCaption = QStringLiteral("Vignettes par page :");
    const QString paperCaption = QStringLiteral("Papier :");
    const int left = ComboLeft(*this, {gridCaption, paperCaption});
    GridCombo = AddLabelledCombo(this, "GridCombo", gridCaption, left, 146);
    for (const PanelGrid grid : kPanelGrids)
        GridCombo->addItem(GridCaption(grid));
    PaperCombo = AddLabelledCombo(this, "PaperCombo", paperCaption, left, 178);
    for (const PlanPaper paper : kPapers)
        PaperCombo->addItem(PaperCaption(paper));
}

void TPdfExportDlg::BuildButtons()
{
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(kWidth - 184, kHeight - 36, 84, 26);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(kWidth - 92, kHeight - 36, 84, 26);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TPdfExportDlg::ShowOptions(const PlanOptions& options)
{
    FirstPageChk->setChecked(options.firstPage);
    ContinuityChk->setChecked(options.continuity);
    BreakdownChk->setChecked(options.breakdown);
    StoryboardChk->setChecked(options.storyboard);
    // A grid or a paper the lists do not hold shows the default one.
    const int grid = IndexOf(kPanelGrids, options.grid);
    GridCombo->setCurrentIndex(grid >= 0 ? grid : IndexOf(kPanelGrids, PlanOptions().grid));
    const int paper = IndexOf(kPapers, options.paper);
    PaperCombo->setCurrentIndex(paper >= 0 ? paper : 0);
}

PlanOptions TPdfExportDlg::Options() const
{
    PlanOptions options;
    options.firstPage = FirstPageChk->isChecked();
    options.continuity = ContinuityChk->isChecked();
    options.breakdown = BreakdownChk->isChecked();
    options.storyboard = StoryboardChk->isChecked();
    const int grid = GridCombo->currentIndex();
    if (grid >= 0 && grid < static_cast<int>(std::size(kPanelGrids)))
        options.grid = kPanelGrids[grid];
    const int paper = PaperCombo->currentIndex();
    if (paper >= 0 && paper < static_cast<int>(std::size(kPapers)))
        options.paper = kPapers[paper];
    return options;
}

void TPdfExportDlg::EnableControls()
{
    const PlanOptions options = Options();
    OkBtn->setEnabled(options.firstPage || options.continuity || options.breakdown || options.storyboard);
    GridCombo->setEnabled(options.storyboard);
}

} // namespace sw
