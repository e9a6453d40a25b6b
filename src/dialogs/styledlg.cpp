#include "dialogs/styledlg.h"

#include <filesystem>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalBlocker>

#include "qtshared/uitext.h"
#include "dialogs/fixeddialog.h"
#include "dialogs/netcform.h"
#include "qtshared/widgetconv.h"
#include "model/error.h"
#include "model/textconv.h"
#include "style/netcolorlist.h"
#include "style/styletables.h"

namespace sw {

namespace {

using uitext::ToCp1252;
using uitext::ToQString;

const QString kPrefsFilter = QStringLiteral("Fichiers de préférences (*.sprf)");

// The chosen style file, or an empty text when the user cancels.
QString RunPrefsFileDialog(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString(), folder, kPrefsFilter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("sprf"));
    dialog.selectFile(QStringLiteral("*.sprf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

Qt::Alignment SampleAlignment(int alignIndex)
{
    switch (alignIndex) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
    case 3:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QLineEdit* LabelledEdit(QWidget* parent, const QString& caption, int left, int top, int labelWidth,
                        int editWidth)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(left, top + 2, labelWidth, 16);
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(left + labelWidth, top, editWidth, 21);
    label->setBuddy(edit);
    return edit;
}

QPushButton* Button(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, top, width, height);
    // Enter in an edit must not close the dialog.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TStyleDlg::TStyleDlg(TStylePrefs& prefs, QWidget* parent) : QDialog(parent), prefs_(prefs)
{
    executePicker = [this](TNetColors& colors) { return ExecuteNetColors(colors, this); };
    chooseExportFile = [this](const QString& folder) {
        return RunPrefsFileDialog(this, folder, QFileDialog::AcceptSave);
    };
    chooseImportFile = [this](const QString& folder) {
        return RunPrefsFileDialog(this, folder, QFileDialog::AcceptOpen);
    };
    showMessage = [this](const QString& message) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(), message);
    };
    BuildControls();
    ConnectHandlers();
    FormCreate();
}

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
    sMargin = LabelledEdit(elementPanel, QStringLiteral("Marge: "), 2, 171, 74, 126);
    sPadding = LabelledEdit(elementPanel, QStringLiteral("Marge int.: "), 2, 197, 74, 126);

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
    StyleNameEd = LabelledEdit(GroupBox1, QStringLiteral("Feuille de style (.css)"), 8, 20, 130, 80);
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

void TStyleDlg::Command(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        showMessage(uitext::FromUtf8(error.what()));
    }
}

bool TStyleDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LnkExLab) {
        if (event->type() == QEvent::MouseButtonPress)
            LnkExLabMouseDown();
        else if (event->type() == QEvent::MouseButtonRelease)
            LnkExLabMouseUp();
    } else if ((watched == LinkGroupBox || watched == lnkExPanel) && event->type() == QEvent::MouseMove) {
        LinkGroupBoxMouseMove();
    }
    return QDialog::eventFilter(watched, event);
}

void TStyleDlg::FormCreate()
{
    ElemListBox->clear();
    curElement_ = 0;
    curLink_ = 0;
    FNameLabel->setText(ToQString(prefs_.sFileName));
    const QSignalBlocker fontBlocker(FNameCBo);
    FNameCBo->setCurrentIndex(FNameCBo->FindFont(QStringLiteral("arial")));
    const QSignalBlocker sizeBlocker(SizeEdit);
    SizeEdit->clear();
    for (int n = 4; n <= 12; ++n)
        SizeEdit->addItem(QString::number(2 * n));
    SizeEdit->setCurrentIndex(0);
    SizeEdit->setEditText(QStringLiteral("8"));
}

void TStyleDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TStyleDlg::FormShow()
{
    filling_ = true;
    ElemListBox->clear();
    for (std::size_t i = 0; i < kStyleElementCount; ++i) {
        if (prefs_.descriptions[i].empty())
            prefs_.descriptions[i] = UnitDefaults[i].description;
        if (prefs_.selectors[i].empty())
            prefs_.selectors[i] = UnitDefaults[i].selector;
        if (!prefs_.selectors[i].empty())
            ElemListBox->addItem(ToQString(prefs_.shortNames[i] + " (" + prefs_.selectors[i] + ")"));
    }
    ElemListBox->setCurrentRow(curElement_);
    LnkStateList->setCurrentRow(curLink_);
    filling_ = false;
    ShowPageValues();
    // The example starts as a plain link on the page background.
    ShowLinkExample(0);
}

void TStyleDlg::SelectElementLine(int row)
{
    filling_ = true;
    ElemListBox->setCurrentRow(row);
    filling_ = false;
}

void TStyleDlg::SelectLinkLine(int row)
{
    filling_ = true;
    LnkStateList->setCurrentRow(row);
    filling_ = false;
}

void TStyleDlg::SetSampleFont(const QString& family)
{
    QFont font = textPanel->font();
    font.setFamily(family);
    textPanel->setFont(font);
}

void TStyleDlg::SetSampleSize(int points)
{
    if (points <= 0)
        return;
    QFont font = textPanel->font();
    font.setPointSize(points);
    textPanel->setFont(font);
}

void TStyleDlg::ShowPageValues()
{
    textPanel->SetColor(prefs_.BGSysCol);
    textPanel->SetColorName(ToQString(prefs_.BGColor));
    {
        const QSignalBlocker blocker(FNameCBo);
        FNameCBo->setEditText(ToQString(prefs_.DefFontFace));
    }
    StyleNameEd->setText(ToQString(prefs_.sFileName));
    ShowLinkState(curLink_);
    ShowElement(curElement_);
}

void TStyleDlg::ShowElement(int index)
{
    const TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(index));
    bgColChk->setEnabled(index != 0);
    sNameLabel->setText(ToQString(e.selector));
    const QString face = ToQString(e.fontFace);
    SetSampleFont(face);
    textPanel->setText(face);
    {
        // An element whose font is not installed keeps its name in the box.
        const QSignalBlocker blocker(FNameCBo);
        const int row = FNameCBo->FindFont(face);
        FNameCBo->setCurrentIndex(row);
        if (row < 0)
            FNameCBo->setEditText(face);
    }
    {
        const QSignalBlocker blocker(SizeEdit);
        SizeEdit->setEditText(ToQString(e.fontSizeText));
    }
    FntColShape->SetColor(e.colorValue);
    FntColShape->SetColorName(ToQString(e.colorName));
    textPanel->SetFontColor(e.colorValue);
    sMargin->setText(ToQString(e.margin));
    sPadding->setText(ToQString(e.padding));
    ParAlign->setParIndex(e.alignIndex);
    textPanel->setAlignment(SampleAlignment(e.alignIndex));
    // The options keep CR LF breaks in the model; the memo works with LF.
    OptionMemo->setPlainText(uitext::ToEditorText(e.options));
    bgColChk->setChecked(e.transparent);
    if (e.transparent) {
        textPanel->SetColor(prefs_.BGSysCol);
        textPanel->SetColorName(ToQString(prefs_.BGColor));
    } else {
        textPanel->SetColor(e.backgroundValue);
        textPanel->SetColorName(ToQString(e.background));
    }
    // A size that is no number was refused when it was read; nothing to apply.
    try {
        ApplySize(SizeEdit->currentText());
    } catch (const Error&) {
    }
    styleInfoLab->setText(ToQString(prefs_.descriptions.at(static_cast<std::size_t>(index))));
}

void TStyleDlg::ApplySize(const QString& sizeText)
{
    const int size = StrToInt(ToCp1252(sizeText));
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    e.fontSize = size;
    e.fontSizeText = ToCp1252(sizeText);
    SetSampleSize(size);
}

void TStyleDlg::StoreElement(int index)
{
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(index));
    // The size is checked before anything is stored: a size that is no whole
    // number is refused and the element keeps its own.
    int size = e.fontSize;
    std::string sizeText = e.fontSizeText;
    try {
        size = StrToInt(ToCp1252(SizeEdit->currentText()));
        sizeText = ToCp1252(SizeEdit->currentText());
    } catch (const Error& error) {
        const QSignalBlocker blocker(SizeEdit);
        SizeEdit->setEditText(ToQString(e.fontSizeText));
        showMessage(uitext::FromUtf8(error.what()));
    }
    e.fontFace = ToCp1252(textPanel->font().family());
    e.fontSizeText = sizeText;
    e.colorName = ToCp1252(FntColShape->ColorName());
    e.fontSize = size;
    e.alignIndex = ParAlign->parIndex();
    e.colorValue = FntColShape->Color();
    e.margin = uitext::FromLineText(sMargin->text());
    e.padding = uitext::FromLineText(sPadding->text());
    e.transparent = bgColChk->isChecked();
    if (e.transparent) {
        e.backgroundValue = prefs_.BGSysCol;
        e.background = prefs_.BGColor;
    } else {
        e.backgroundValue = textPanel->Color();
        e.background = ToCp1252(textPanel->ColorName());
    }
    e.options = uitext::FromEditorText(OptionMemo->toPlainText());
    if (index == 0) {
        prefs_.BGColor = ToCp1252(textPanel->ColorName());
        prefs_.BGSysCol = textPanel->Color();
        prefs_.BodyColor = ToCp1252(FntColShape->ColorName());
        prefs_.BodySysCol = FntColShape->Color();
        prefs_.PMargin = uitext::FromLineText(sMargin->text()).substr(0, kMaxPageMarginLength);
    }
}

void TStyleDlg::ElemListBoxClick()
{
    const int row = ElemListBox->currentRow();
    if (row < 0)
        return;
    StoreElement(curElement_);
    curElement_ = row;
    ShowElement(curElement_);
}

void TStyleDlg::FNameCBoChange()
{
    if (FNameCBo->currentIndex() < 0)
        return;
    SetSampleFont(FNameCBo->currentText());
    textPanel->setText(textPanel->font().family());
    StoreElement(curElement_);
}

void TStyleDlg::FontTyped()
{
    // A typed name takes the list's spelling when the list has it; a font that
    // is not installed is kept as typed.
    const QString typed = ToQString(uitext::FromLineText(FNameCBo->currentText())).trimmed();
    if (typed.isEmpty() || typed == textPanel->font().family())
        return;
    const int row = FNameCBo->FindFont(typed);
    const QString face = row >= 0 ? FNameCBo->itemText(row) : typed;
    {
        const QSignalBlocker blocker(FNameCBo);
        FNameCBo->setCurrentIndex(row);
        FNameCBo->setEditText(face);
    }
    SetSampleFont(face);
    textPanel->setText(face);
    StoreElement(curElement_);
}

void TStyleDlg::SizeChanged()
{
    // While the size is being typed, a text that is no number yet waits for
    // the end of the edit.
    int size = 0;
    try {
        size = StrToInt(ToCp1252(SizeEdit->currentText()));
    } catch (const Error&) {
        return;
    }
    SetSampleSize(size);
    StoreElement(curElement_);
}

void TStyleDlg::SizeEditFinished()
{
    const TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    const QString text = SizeEdit->currentText();
    try {
        StrToInt(ToCp1252(text));
    } catch (const Error& error) {
        {
            const QSignalBlocker blocker(SizeEdit);
            SizeEdit->setEditText(ToQString(e.fontSizeText));
        }
        showMessage(uitext::FromUtf8(error.what()));
    }
}

void TStyleDlg::FntColShapeMouseDown()
{
    if (!executePicker(NetColor))
        return;
    FntColShape->SetColor(NetColor.SysColor);
    FntColShape->SetColorName(ToQString(NetColor.NetColStr));
    textPanel->SetFontColor(NetColor.SysColor);
    StoreElement(curElement_);
}

void TStyleDlg::textPanelMouseDown()
{
    if (executePicker(NetColor)) {
        textPanel->SetColor(TextToColor(NetColor.SysColStr));
        textPanel->SetColorName(ToQString(NetColor.NetColStr));
    }
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    e.backgroundValue = textPanel->Color();
    e.background = ToCp1252(textPanel->ColorName());
    e.transparent = bgColChk->isChecked();
    // A transparent element shows the page background: picking its background
    // changes the page background.
    if (bgColChk->isChecked()) {
        prefs_.BGSysCol = textPanel->Color();
        prefs_.BGColor = ToCp1252(textPanel->ColorName());
        lnkExPanel->SetColor(textPanel->Color());
    }
}

void TStyleDlg::ShowLinkState(int index)
{
    const TLinkSpecs& link = prefs_.links.at(static_cast<std::size_t>(index));
    LinkColShape->SetColor(link.colorValue);
    LinkColShape->SetColorName(ToQString(link.colorName));
    lnkDecCheck->setChecked(link.underline);
}

void TStyleDlg::StoreLinkState(int index)
{
    TLinkSpecs& link = prefs_.links.at(static_cast<std::size_t>(index));
    link.colorName = ToCp1252(LinkColShape->ColorName());
    link.colorValue = LinkColShape->Color();
    link.underline = lnkDecCheck->isChecked();
}

void TStyleDlg::LnkStateListClick()
{
    const int row = LnkStateList->currentRow();
    if (row < 0)
        return;
    StoreLinkState(curLink_);
    curLink_ = row;
    ShowLinkState(curLink_);
    ShowExampleLabel(0);
}

void TStyleDlg::lnkDecCheckClick()
{
    StoreLinkState(curLink_);
}

void TStyleDlg::LinkColShapeMouseDown()
{
    if (executePicker(NetColor)) {
        LinkColShape->SetColor(TextToColor(NetColor.SysColStr));
        LinkColShape->SetColorName(ToQString(NetColor.NetColStr));
    }
    StoreLinkState(curLink_);
}

void TStyleDlg::ShowExampleLabel(int index)
{
    const TLinkSpecs& link = prefs_.links.at(static_cast<std::size_t>(index));
    QPalette colours = LnkExLab->palette();
    colours.setColor(QPalette::WindowText, widgetconv::ToQColor(link.colorValue));
    LnkExLab->setPalette(colours);
    QFont font = LnkExLab->font();
    font.setUnderline(link.underline);
    LnkExLab->setFont(font);
}

void TStyleDlg::ShowLinkExample(int index)
{
    ShowExampleLabel(index);
    lnkExPanel->SetColor(prefs_.BGSysCol);
}

void TStyleDlg::LnkDefBtnClick()
{
    prefs_.SetLinkDefaults();
    curLink_ = 0;
    SelectLinkLine(0);
    // The swatch and the underline box show the reset link state, so that the
    // next store does not write the previously shown state into it.
    ShowLinkState(curLink_);
    ShowLinkExample(0);
}

void TStyleDlg::LinkGroupBoxMouseMove()
{
    ShowLinkExample(0);
}

void TStyleDlg::LnkExLabMouseDown()
{
    ShowLinkExample(1);
}

void TStyleDlg::LnkExLabMouseUp()
{
    ShowLinkExample(2);
}

void TStyleDlg::btnSavePrefsClick()
{
    const QString name = chooseExportFile(uitext::PathToQString(prefs_.prefsDir));
    if (name.isEmpty())
        return;
    prefs_.SaveToIni(uitext::QStringToPath(name));
}

void TStyleDlg::btnGetPrefsClick()
{
    const QString name = chooseImportFile(uitext::PathToQString(prefs_.prefsDir));
    // The controls show the set as it stands after the import, also when the
    // file stopped it half-way.
    try {
        if (!name.isEmpty())
            prefs_.LoadFromIni(uitext::QStringToPath(name));
    } catch (...) {
        ShowPageValues();
        throw;
    }
    ShowPageValues();
}

void TStyleDlg::btnDefValClick()
{
    curElement_ = 0;
    curLink_ = 0;
    prefs_.SetDefaults();
    SelectElementLine(0);
    SelectLinkLine(0);
    ShowPageValues();
    // The example starts as a plain link on the page background.
    ShowLinkExample(0);
}

void TStyleDlg::okBtnClick()
{
    SelectElementLine(0);
    ElemListBoxClick();
    StorePageValues();
    accept();
}

void TStyleDlg::StorePageValues()
{
    prefs_.DefFontFace = uitext::FromLineText(FNameCBo->currentText());
    prefs_.sFileName = uitext::FromLineText(StyleNameEd->text());
    StorePageBackground();
    StoreElement(curElement_);
    StoreLinkState(curLink_);
}

void TStyleDlg::StorePageBackground()
{
    prefs_.BGColor = ToCp1252(textPanel->ColorName());
    prefs_.BGSysCol = textPanel->Color();
    prefs_.elements[0].backgroundValue = textPanel->Color();
    prefs_.elements[0].background = prefs_.BGColor;
    prefs_.LinkColor = ToCp1252(LinkColShape->ColorName());
    prefs_.LinkSysColor = LinkColShape->Color();
}

void TStyleDlg::mresetNamesClick()
{
    for (int i = 0; i < ElemListBox->count() && i < kStyleElementCount; ++i)
        prefs_.elements[static_cast<std::size_t>(i)].selector = prefs_.selectors[static_cast<std::size_t>(i)];
}

void TStyleDlg::mLCopyClick()
{
    copiedElement_ = ElemListBox->currentRow();
}

void TStyleDlg::mLPasteClick()
{
    const int target = ElemListBox->currentRow();
    if (copiedElement_ < 0 || target < 0)
        return;
    prefs_.CopyElement(copiedElement_, target);
    mresetNamesClick();
    ShowElement(curElement_);
}

} // namespace sw
