// The style dialog's controls and their wiring; the dialog's behaviour is in
// styledlg.cpp.
#include "dialogs/styledlg.h"

#include <initializer_list>

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "dialogs/colorswatch.h"
#include "dialogs/fixeddialog.h"
#include "dialogs/fontcombo.h"
#include "dialogs/parallignbutton.h"
#include "qtshared/codepageguard.h"
#include "qtshared/uitext.h"

namespace sw {

namespace {

using uitext::ToQString;

QPushButton* Button(QWidget* parent, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    // Enter in an edit must not close the dialog.
    button->setAutoDefault(false);
    return button;
}

// A swatch the user clicks for a colour: a small fixed box.
TColorSwatch* ColourBox(QWidget* parent)
{
    auto* swatch = new TColorSwatch(parent);
    swatch->setFixedSize(30, 20);
    swatch->setCursor(Qt::PointingHandCursor);
    return swatch;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

} // namespace

void TStyleDlg::BuildControls()
{
    SetUpDialog(*this, QStringLiteral("Propriétés de style ... "));
    setFont(DialogFont());
    BuildElementControls();
    BuildLinkControls();

    GroupBox1 = new QGroupBox(QStringLiteral("Fichier: "), this);
    auto* fileForm = new QFormLayout(GroupBox1);
    StyleNameEd = new QLineEdit(GroupBox1);
    StyleNameEd->setText(QStringLiteral("cStyle.css"));
    fileForm->addRow(QStringLiteral("Feuille de style (.css)"), StyleNameEd);
    FNameLabel = new QLabel(GroupBox1);
    fileForm->addRow(FNameLabel);
    GroupBox1->hide();

    okBtn = Button(this, QStringLiteral("Accepter"));
    cancelBtn = Button(this, QStringLiteral("Annuler"));
    cancelBtn->setObjectName(QStringLiteral("cancelBtn"));
    connect(cancelBtn, &QPushButton::clicked, this, &TStyleDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelBtn);
    buttons->addWidget(okBtn);

    // The elements on the left grow with the dialog; the links on the right
    // keep their size, the button at the bottom.
    auto* grid = new QGridLayout(this);
    grid->addWidget(FontGBox, 0, 0, 4, 1);
    grid->addWidget(LinkGroupBox, 0, 1);
    grid->addWidget(GroupBox1, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addLayout(buttons, 3, 1, Qt::AlignBottom);
    grid->setColumnStretch(0, 1);

    setContextMenuPolicy(Qt::CustomContextMenu);
    stylePopUp = new QMenu(this);
    mresetNames = stylePopUp->addAction(QStringLiteral("reset names"));
    listPopUp = new QMenu(this);
    mLCopy = listPopUp->addAction(QStringLiteral("copier"));
    mLPaste = listPopUp->addAction(QStringLiteral("coller"));
}

QWidget* TStyleDlg::BuildElementPanel()
{
    auto* elementPanel = new QWidget(FontGBox);
    bgColChk = new QCheckBox(QStringLiteral("Fond transparent"), elementPanel);
    textPanel = new TColorSwatch(elementPanel);
    // The sample keeps its height whatever the element's font size.
    textPanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    textPanel->setFixedHeight(72);
    textPanel->setWordWrap(true);
    textPanel->setToolTip(QStringLiteral("L'élément tel que le site le montre ; un clic choisit son fond"));
    textPanel->setText(QStringLiteral("Aa .. Zz"));
    textPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    textPanel->setAlignment(Qt::AlignCenter);
    textPanel->setCursor(Qt::PointingHandCursor);
    Label11 = new QLabel(QStringLiteral("Couleur:"), elementPanel);
    FntColShape = ColourBox(elementPanel);
    ParAlign = new TParAlignButton(elementPanel);
    FNameCBo = new TFontCombo(elementPanel);
    FNameCBo->setEditable(true);
    SizeEdit = new QComboBox(elementPanel);
    SizeEdit->setEditable(true);
    SizeEdit->setInsertPolicy(QComboBox::NoInsert);
    SizeEdit->setMinimumContentsLength(3);
    auto* sizeLabel = new QLabel(QStringLiteral("pt"), elementPanel);
    sMargin = new QLineEdit(elementPanel);
    sPadding = new QLineEdit(elementPanel);

    auto* column = new QVBoxLayout(elementPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(bgColChk);
    column->addWidget(textPanel);
    column->addLayout(Row({Label11, FntColShape, ParAlign}));
    column->addWidget(FNameCBo);
    column->addLayout(Row({SizeEdit, sizeLabel}));
    auto* margins = new QFormLayout;
    margins->addRow(QStringLiteral("Marge extérieure: "), sMargin);
    margins->addRow(QStringLiteral("Marge intérieure: "), sPadding);
    sMargin->setToolTip(QStringLiteral("L'espace autour de l'élément (CSS : margin), par exemple « 2%,7% »"));
    sPadding->setToolTip(QStringLiteral("L'espace entre le bord de l'élément et son texte (CSS : padding)"));
    column->addLayout(margins);
    // A taller dialog leaves its room below the settings, not between them.
    column->addStretch(1);
    return elementPanel;
}

void TStyleDlg::BuildElementControls()
{
    FontGBox = new QGroupBox(QStringLiteral("Éléments des pages:  "), this);
    ElemListBox = new QListWidget(FontGBox);
    ElemListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    styleInfoLab = new QLabel(FontGBox);
    styleInfoLab->setWordWrap(true);
    styleInfoLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A layout does not count a wrapped text's lines in its minimum: the
    // description has room for three.
    styleInfoLab->setMinimumHeight(3 * styleInfoLab->fontMetrics().lineSpacing());
    QPalette green = styleInfoLab->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    styleInfoLab->setPalette(green);
    QWidget* elementPanel = BuildElementPanel();

    sNameLabel = new QLabel(FontGBox);
    QPalette navy = sNameLabel->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    sNameLabel->setPalette(navy);
    QFont bold = sNameLabel->font();
    bold.setBold(true);
    sNameLabel->setFont(bold);

    GroupBox4 = new QGroupBox(QStringLiteral("Options  "), FontGBox);
    GroupBox4->setToolTip(QStringLiteral("D'autres propriétés CSS de l'élément, une par ligne"));
    OptionMemo = new QPlainTextEdit(GroupBox4);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(12);
    OptionMemo->setFont(courier);
    OptionMemo->setMinimumHeight(4 * OptionMemo->fontMetrics().lineSpacing());
    Button1 = Button(GroupBox4, QStringLiteral("Effacer"));
    auto* options = new QVBoxLayout(GroupBox4);
    options->addWidget(OptionMemo, 1);
    options->addWidget(Button1, 0, Qt::AlignLeft);

    btnSavePrefs = Button(FontGBox, QStringLiteral("Exporter..."));
    btnGetPrefs = Button(FontGBox, QStringLiteral("Récupérer..."));
    btnDefVal = Button(FontGBox, QStringLiteral("valeurs par défaut"));
    btnDefVal->setToolTip(QStringLiteral("Tout réinitialiser"));

    // The list, as wide as its longest line (see FitElementList), with the
    // element's description and settings on its right; the options below
    // them grow with the list.
    auto* grid = new QGridLayout(FontGBox);
    grid->addWidget(ElemListBox, 0, 0, 2, 1);
    grid->addWidget(styleInfoLab, 0, 1);
    grid->addWidget(elementPanel, 1, 1);
    auto* files = new QVBoxLayout;
    files->addWidget(sNameLabel);
    files->addStretch(1);
    files->addWidget(btnSavePrefs);
    files->addWidget(btnGetPrefs);
    grid->addLayout(files, 2, 0);
    grid->addWidget(GroupBox4, 2, 1);
    grid->addWidget(btnDefVal, 3, 1, Qt::AlignRight);
    grid->setRowStretch(0, 0);
    grid->setRowStretch(1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

void TStyleDlg::FitElementList()
{
    ElemListBox->setMinimumWidth(ElemListBox->sizeHintForColumn(0) + 2 * ElemListBox->frameWidth()
                                 + ElemListBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
}

void TStyleDlg::BuildLinkControls()
{
    LinkGroupBox = new QGroupBox(QStringLiteral("Liens "), this);
    LinkGroupBox->setMouseTracking(true);
    LnkStateList = new QListWidget(LinkGroupBox);
    LnkStateList->addItems({QStringLiteral("lien"), QStringLiteral("actif"), QStringLiteral("parcouru")});
    // The three states and nothing more.
    LnkStateList->setFixedHeight(3 * LnkStateList->sizeHintForRow(0) + 2 * LnkStateList->frameWidth());
    LnkStateList->setFixedWidth(LnkStateList->sizeHintForColumn(0) + 4 * LnkStateList->frameWidth() + 8);
    LinkColShape = ColourBox(LinkGroupBox);
    lnkDecCheck = new QCheckBox(QStringLiteral("Souligné"), LinkGroupBox);
    LnkDefBtn = Button(LinkGroupBox, QStringLiteral("Défaut"));
    lnkExPanel = new TColorSwatch(LinkGroupBox);
    lnkExPanel->setMinimumHeight(40);
    lnkExPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lnkExPanel->setMouseTracking(true);
    LnkExLab = new QLabel(QStringLiteral("exemple de lien"), lnkExPanel);
    LnkExLab->setMouseTracking(true);
    LnkExLab->setCursor(Qt::PointingHandCursor);
    auto* sample = new QHBoxLayout(lnkExPanel);
    sample->addWidget(LnkExLab, 0, Qt::AlignCenter);

    auto* grid = new QGridLayout(LinkGroupBox);
    grid->addWidget(LnkStateList, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(LinkColShape, 0, 1);
    grid->addWidget(LnkDefBtn, 0, 2);
    grid->addWidget(lnkDecCheck, 1, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(lnkExPanel, 2, 0, 1, 3);
}

void TStyleDlg::ConnectHandlers()
{
    connect(ElemListBox, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_)
            Command([this] { ElemListBoxClick(); });
    });
    connect(ElemListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { listPopUp->popup(ElemListBox->viewport()->mapToGlobal(at)); });
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { stylePopUp->popup(mapToGlobal(at)); });
    connect(FNameCBo, &QComboBox::activated, this, [this] { Command([this] { FNameCBoChange(); }); });
    connect(FNameCBo->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { Command([this] { FontTyped(); }); });
    connect(SizeEdit, &QComboBox::activated, this, [this] { Command([this] { SizeChanged(); }); });
    connect(SizeEdit->lineEdit(), &QLineEdit::textEdited, this, [this] { Command([this] { SizeChanged(); }); });
    connect(SizeEdit->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { Command([this] { SizeEditFinished(); }); });
    connect(FntColShape, &TColorSwatch::pressed, this,
            [this] { Command([this] { FntColShapeMouseDown(); }); });
    connect(textPanel, &TColorSwatch::pressed, this,
            [this] { Command([this] { textPanelMouseDown(); }); });
    connect(LnkStateList, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_)
            Command([this] { LnkStateListClick(); });
    });
    connect(lnkDecCheck, &QCheckBox::clicked, this, [this] { Command([this] { lnkDecCheckClick(); }); });
    connect(LinkColShape, &TColorSwatch::pressed, this,
            [this] { Command([this] { LinkColShapeMouseDown(); }); });
    connect(LnkDefBtn, &QPushButton::clicked, this, [this] { Command([this] { LnkDefBtnClick(); }); });
    // "Effacer" empties the options box; like typed options, the element
    // takes the empty text at its next store.
    connect(Button1, &QPushButton::clicked, OptionMemo, &QPlainTextEdit::clear);
    connect(btnSavePrefs, &QPushButton::clicked, this,
            [this] { Command([this] { btnSavePrefsClick(); }); });
    connect(btnGetPrefs, &QPushButton::clicked, this,
            [this] { Command([this] { btnGetPrefsClick(); }); });
    connect(btnDefVal, &QPushButton::clicked, this, [this] { Command([this] { btnDefValClick(); }); });
    // What is typed here also goes to style files, which hold Windows-1252 only.
    for (QLineEdit* edit : {StyleNameEd, FNameCBo->lineEdit(), sMargin, sPadding})
        TCodePageGuard::Guard(edit);
    TCodePageGuard::Guard(OptionMemo);
    connect(okBtn, &QPushButton::clicked, this, [this] { Command([this] { okBtnClick(); }); });
    connect(mresetNames, &QAction::triggered, this, [this] { Command([this] { mresetNamesClick(); }); });
    connect(mLCopy, &QAction::triggered, this, [this] { Command([this] { mLCopyClick(); }); });
    connect(mLPaste, &QAction::triggered, this, [this] { Command([this] { mLPasteClick(); }); });
    LinkGroupBox->installEventFilter(this);
    lnkExPanel->installEventFilter(this);
    LnkExLab->installEventFilter(this);
}

} // namespace sw
