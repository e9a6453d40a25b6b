// The main window's controls and their layouts: the four tabs, the
// information panel and its speed buttons. Everything grows with the window
// except the one-line fields and the information panel's height.
#include "app/mainform.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

#include <utility>

#include "app/documentcontroller.h"
#include "app/editorapp.h"
#include "app/shoteditor.h"
#include "app/usercommand.h"
#include "model/srprt.h"
#include "qtshared/tabkeys.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using uitext::ToQString;
using namespace widgets;

namespace {

// The client area of the first start, which is also the smallest the
// window can be made.
constexpr int kClientWidth = 696;
constexpr int kClientHeight = 464;
// The information panel holds the longest hint at the smallest width.
constexpr int kInfoLines = 3;

QToolButton* AddSpeedButton(QWidget* parent, const char* name, const QString& tip, const QString& icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

// A label in the left column of a form, level with the top of its field.
void AddRowLabel(QGridLayout* grid, int row, const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setBuddy(field);
    grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(field, row, 1);
}

} // namespace

void TmainForm::BuildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 2, 2);
    column->setSpacing(2);

    PageControl = new QTabWidget(central);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    column->addWidget(PageControl, 1);
    const QString captions[4] = {QStringLiteral("Idée"), QStringLiteral("Continuité"), QStringLiteral("Découpage"),
                                 QStringLiteral("Rapport")};
    const char* names[4] = {"TabIdee", "TabContinuite", "TabDecoupage", "TabRapport"};
    for (int i = 0; i < 4; ++i) {
        tabPages[i] = new QWidget;
        tabPages[i]->setObjectName(QLatin1String(names[i]));
        PageControl->addTab(tabPages[i], captions[i]);
    }
    BuildIdeaTab(tabPages[0]);
    shots_ = new TShotEditor(app_.Document(), app_.Paths(), app_.Settings(), prompts_, tabPages[1], tabPages[2]);
    BuildReportTab(tabPages[3]);
    BuildInfoPanel(central, column);
}

void TmainForm::BuildIdeaTab(QWidget* page)
{
    titleEd = AddEdit(page, "titleEd");
    CreatorMemo = AddMemo(page, "CreatorMemo", 2);
    CommentMemo = AddMemo(page, "CommentMemo", 2);
    IdeaMemo = AddMemo(page, "IdeaMemo", 2);
    SynopsMemo = AddMemo(page, "SynopsMemo", 4, true);

    auto* grid = new QGridLayout(page);
    AddRowLabel(grid, 0, QStringLiteral("Titre:"), titleEd);
    AddRowLabel(grid, 1, QStringLiteral("Réalisé par:"), CreatorMemo);
    AddRowLabel(grid, 2, QStringLiteral("Notes:"), CommentMemo);
    AddRowLabel(grid, 3, QStringLiteral("Idée:"), IdeaMemo);
    AddRowLabel(grid, 4, QStringLiteral("Synopsis:"), SynopsMemo);
    // The synopsis, the longest text, takes most of the height.
    for (const auto& [row, stretch] : {std::pair{1, 2}, {2, 2}, {3, 2}, {4, 7}})
        grid->setRowStretch(row, stretch);
    grid->setColumnStretch(1, 1);

    SetHintTag(titleEd, 4);
    SetHintTag(CreatorMemo, 5);
    SetHintTag(CommentMemo, 6);
    SetHintTag(IdeaMemo, 7);
    SetHintTag(SynopsMemo, 8);
}

void TmainForm::MoveFocusOnTabInGeneralInformation()
{
    // The idea tab is a form: Tab goes from the title through the memos.
    for (QPlainTextEdit* memo : {CreatorMemo, CommentMemo, IdeaMemo, SynopsMemo})
        TTabKeys::MoveFocusOnTab(memo);
}

void TmainForm::BuildReportTab(QWidget* page)
{
    RapLabel = new QLabel(uitext::ToQString(kEditorReportCaption), page);
    RapLabel->setObjectName(QStringLiteral("RapLabel"));
    extRapChck = new QCheckBox(QStringLiteral("Utiliser fichier distinct"), page);
    extRapChck->setObjectName(QStringLiteral("extRapChck"));
    rapMemo = AddMemo(page, "rapMemo", 4, true);
    // A separate report file hides the text; the file name stays below.
    QSizePolicy keepPlace = rapMemo->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    rapMemo->setSizePolicy(keepPlace);
    auto* nameLabel = AddLabel(page, QStringLiteral("Nom du fichier (.htm):"));
    extRapNameEd = AddEdit(page, "extRapNameEd");
    nameLabel->setBuddy(extRapNameEd);
    extRapNameEd->setText(ToQString(kDefaultReportFileName));

    auto* column = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(RapLabel, 1);
    top->addWidget(extRapChck);
    column->addLayout(top);
    column->addWidget(rapMemo, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(nameLabel);
    bottom->addWidget(extRapNameEd, 1);
    bottom->addStretch(2);
    column->addLayout(bottom);
    SetHintTag(rapMemo, 16);
}

void TmainForm::BuildInfoPanel(QWidget* central, QBoxLayout* column)
{
    auto* infoPanel = new QFrame(central);
    infoPanel->setObjectName(QStringLiteral("InfoPanel"));
    infoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    infoPanel->setAutoFillBackground(true);
    QPalette panelPalette = infoPanel->palette();
    panelPalette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    infoPanel->setPalette(panelPalette);
    infoLab = new QLabel(infoPanel);
    infoLab->setObjectName(QStringLiteral("infoLab"));
    infoLab->setWordWrap(true);
    infoLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette labelPalette = infoLab->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    infoLab->setPalette(labelPalette);
    infoLab->setFont(WindowFont());
    // The panel keeps one height whatever the hint, so that nothing above it
    // moves when the mouse goes from one control to another.
    infoLab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto* panelLayout = new QHBoxLayout(infoPanel);
    panelLayout->setContentsMargins(6, 3, 6, 3);
    panelLayout->addWidget(infoLab);
    infoPanel->setFixedHeight(kInfoLines * infoLab->fontMetrics().lineSpacing() + 6 + 2 * infoPanel->frameWidth()
                              + infoLab->fontMetrics().descent());

    publishSpeedBtn = AddSpeedButton(central, "publishSpeedBtn", QStringLiteral("Publier et Enregistrer"),
                                     QStringLiteral(":/mainform/publish.png"));
    browseSpeedBtn = AddSpeedButton(central, "browseSpeedBtn", QStringLiteral("Publier et Afficher dans l'explorateur"),
                                    QStringLiteral(":/mainform/browse.png"));
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(publishSpeedBtn);
    buttons->addWidget(browseSpeedBtn);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(2, 0, 4, 0);
    bottom->addWidget(infoPanel, 1);
    bottom->addLayout(buttons);
    column->addLayout(bottom);
    connect(publishSpeedBtn, &QToolButton::clicked, this,
            [this] { RunUserCommand(prompts_, this, [this] { document_->publier1Click(); }); });
    connect(browseSpeedBtn, &QToolButton::clicked, this,
            [this] { RunUserCommand(prompts_, this, [this] { document_->Navigateur1Click(); }); });
}

} // namespace sw
