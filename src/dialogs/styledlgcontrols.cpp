// The style dialog's controls and their wiring; the dialog's behaviour is in
// styledlg.cpp.
#include "dialogs/styledlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/colorswatch.h"
#include "dialogs/fixeddialog.h"
#include "dialogs/fontcombo.h"
#include "dialogs/parallignbutton.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

namespace {

using uitext::ToQString;

QPushButton* Button(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, top, width, height);
    // Enter in an edit must not close the dialog.
    button->setAutoDefault(false);
    return button;
}

} // namespace

void TStyleDlg::BuildControls()
{
    SetUpFixedDialog(*this, QStringLiteral("Propriétés de style ... "), 611, 478);
    setFont(DialogFont());

    FontGBox = new QGroupBox(QStringLiteral("Éléments de style:  "), this);
    FontGBox->setGeometry(1, 0, 355, 416);
    // The list is as wide as its longest line, "Retrait (Blockquote)"; the
    // element panel and the description follow on its right.
    ElemListBox = new QListWidget(FontGBox);
    ElemListBox->setGeometry(14, 21, 124, 239);
    ElemListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    styleInfoLab = new QLabel(FontGBox);
    styleInfoLab->setGeometry(145, 15, 200, 39);
    styleInfoLab->setWordWrap(true);
    styleInfoLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette green = styleInfoLab->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    styleInfoLab->setPalette(green);

    // The panel reaches up beside the description, which it leaves uncovered.
    auto* elementPanel = new QWidget(FontGBox);
    elementPanel->setGeometry(143, 39, 210, 222);
    bgColChk = new QCheckBox(QStringLiteral("Fond transparent"), elementPanel);
    bgColChk->setGeometry(2, 15, 200, 18);
    textPanel = new TColorSwatch(elementPanel);
    textPanel->setGeometry(2, 35, 200, 50);
    textPanel->setText(QStringLiteral("Aa .. Zz"));
    textPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    textPanel->setAlignment(Qt::AlignCenter);
    textPanel->setCursor(Qt::PointingHandCursor);
    Label11 = new QLabel(QStringLiteral("Couleur:"), elementPanel);
    Label11->setGeometry(2, 93, 56, 16);
    FntColShape = new TColorSwatch(elementPanel);
    FntColShape->setGeometry(58, 91, 30, 20);
    FntColShape->setCursor(Qt::PointingHandCursor);
    ParAlign = new TParAlignButton(elementPanel);
    ParAlign->move(96, 93);
    FNameCBo = new TFontCombo(elementPanel);
    FNameCBo->setEditable(true);
    FNameCBo->setGeometry(2, 117, 200, 22);
    SizeEdit = new QComboBox(elementPanel);
    SizeEdit->setEditable(true);
    SizeEdit->setInsertPolicy(QComboBox::NoInsert);
    SizeEdit->setGeometry(2, 143, 60, 22);
    auto* sizeLabel = new QLabel(QStringLiteral("pt"), elementPanel);
    sizeLabel->setGeometry(66, 146, 20, 16);
    sMargin = widgets::AddLabelledEdit(elementPanel, QStringLiteral("Marge: "), 2, 171, 74, 126);
    sPadding = widgets::AddLabelledEdit(elementPanel, QStringLiteral("Marge int.: "), 2, 197, 74, 126);

    sNameLabel = new QLabel(FontGBox);
    sNameLabel->setGeometry(20, 267, 140, 18);
    QPalette navy = sNameLabel->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    sNameLabel->setPalette(navy);
    QFont bold = sNameLabel->font();
    bold.setBold(true);
    sNameLabel->setFont(bold);

    GroupBox4 = new QGroupBox(QStringLiteral("Options  "), FontGBox);
    GroupBox4->setGeometry(166, 269, 174, 113);
    OptionMemo = new QPlainTextEdit(GroupBox4);
    OptionMemo->setGeometry(8, 20, 158, 60);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(12);
    OptionMemo->setFont(courier);
    Button1 = Button(GroupBox4, QStringLiteral("Effacer"), 8, 84, 70, 22);

    btnSavePrefs = Button(FontGBox, QStringLiteral("Exporter..."), 12, 337, 86, 25);
    btnGetPrefs = Button(FontGBox, QStringLiteral("Récupérer..."), 12, 363, 88, 24);
    btnDefVal = Button(FontGBox, QStringLiteral("valeurs par défaut"), 218, 387, 124, 22);
    btnDefVal->setToolTip(QStringLiteral("Tout réinitialiser"));

    LinkGroupBox = new QGroupBox(QStringLiteral("Liens "), this);
    LinkGroupBox->setGeometry(365, 0, 223, 139);
    LinkGroupBox->setMouseTracking(true);
    LnkStateList = new QListWidget(LinkGroupBox);
    LnkStateList->setGeometry(10, 22, 80, 56);
    LnkStateList->addItems({QStringLiteral("lien"), QStringLiteral("actif"), QStringLiteral("parcouru")});
    LinkColShape = new TColorSwatch(LinkGroupBox);
    LinkColShape->setGeometry(100, 22, 30, 20);
    LinkColShape->setCursor(Qt::PointingHandCursor);
    lnkDecCheck = new QCheckBox(QStringLiteral("Souligné"), LinkGroupBox);
    lnkDecCheck->setGeometry(100, 48, 110, 18);
    LnkDefBtn = Button(LinkGroupBox, QStringLiteral("Défaut"), 140, 20, 70, 22);
    lnkExPanel = new TColorSwatch(LinkGroupBox);
    lnkExPanel->setGeometry(10, 88, 200, 40);
    lnkExPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lnkExPanel->setMouseTracking(true);
    LnkExLab = new QLabel(QStringLiteral("exemple de lien"), lnkExPanel);
    LnkExLab->adjustSize();
    LnkExLab->move((200 - LnkExLab->width()) / 2, (40 - LnkExLab->height()) / 2);
    LnkExLab->setMouseTracking(true);
    LnkExLab->setCursor(Qt::PointingHandCursor);

    GroupBox1 = new QGroupBox(QStringLiteral("Fichier: "), this);
    GroupBox1->setGeometry(365, 146, 223, 80);
    StyleNameEd = widgets::AddLabelledEdit(GroupBox1, QStringLiteral("Feuille de style (.css)"), 8, 20, 130, 80);
    StyleNameEd->setText(QStringLiteral("cStyle.css"));
    FNameLabel = new QLabel(GroupBox1);
    FNameLabel->setGeometry(8, 50, 200, 16);
    GroupBox1->hide();

    okBtn = Button(this, QStringLiteral("Accepter"), 462, 388, 101, 23);

    setContextMenuPolicy(Qt::CustomContextMenu);
    stylePopUp = new QMenu(this);
    mresetNames = stylePopUp->addAction(QStringLiteral("reset names"));
    listPopUp = new QMenu(this);
    mLCopy = listPopUp->addAction(QStringLiteral("copier"));
    mLPaste = listPopUp->addAction(QStringLiteral("coller"));
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
    connect(okBtn, &QPushButton::clicked, this, [this] { Command([this] { okBtnClick(); }); });
    connect(mresetNames, &QAction::triggered, this, [this] { Command([this] { mresetNamesClick(); }); });
    connect(mLCopy, &QAction::triggered, this, [this] { Command([this] { mLCopyClick(); }); });
    connect(mLPaste, &QAction::triggered, this, [this] { Command([this] { mLPasteClick(); }); });
    LinkGroupBox->installEventFilter(this);
    lnkExPanel->installEventFilter(this);
    LnkExLab->installEventFilter(this);
}

} // namespace sw
