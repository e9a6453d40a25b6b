#include "dialogs/elementstylebox.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QStyle>

#include "model/error.h"
#include "model/textconv.h"
#include "qtshared/codepageguard.h"
#include "qtshared/uitext.h"
#include "style/elementplaces.h"
#include "style/netcolorlist.h"
#include "style/styletables.h"

namespace sw {

namespace {

using uitext::ToQString;
using uitext::ToUtf8;

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
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

} // namespace

TElementStyleBox::TElementStyleBox(TStylePrefs& prefs, TStyleBoxHost host, QWidget* parent)
    : QGroupBox(QStringLiteral("Éléments des pages:  "), parent), prefs_(prefs), host_(std::move(host))
{
    BuildControls();
    ConnectHandlers();
    const QSignalBlocker fontBlocker(FNameCBo);
    FNameCBo->setCurrentIndex(FNameCBo->FindFont(QStringLiteral("arial")));
    const QSignalBlocker sizeBlocker(SizeEdit);
    for (int n = 4; n <= 12; ++n)
        SizeEdit->addItem(QString::number(2 * n));
    SizeEdit->setCurrentIndex(0);
    SizeEdit->setEditText(QStringLiteral("8"));
}

QWidget* TElementStyleBox::BuildElementPanel()
{
    auto* elementPanel = new QWidget(this);
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

void TElementStyleBox::BuildControls()
{
    ElemListBox = new QListWidget(this);
    ElemListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    styleInfoLab = new QLabel(this);
    styleInfoLab->setWordWrap(true);
    styleInfoLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A layout does not count a wrapped text's lines in its minimum: the
    // description has room for three.
    styleInfoLab->setMinimumHeight(3 * styleInfoLab->fontMetrics().lineSpacing());
    QPalette green = styleInfoLab->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    styleInfoLab->setPalette(green);
    QWidget* elementPanel = BuildElementPanel();

    sNameLabel = new QLabel(this);
    QPalette navy = sNameLabel->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    sNameLabel->setPalette(navy);
    QFont bold = sNameLabel->font();
    bold.setBold(true);
    sNameLabel->setFont(bold);

    GroupBox4 = new QGroupBox(QStringLiteral("Options  "), this);
    GroupBox4->setToolTip(QStringLiteral("D'autres propriétés CSS de l'élément, une par ligne"));
    OptionMemo = new QPlainTextEdit(GroupBox4);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(12);
    OptionMemo->setFont(courier);
    OptionMemo->setMinimumHeight(4 * OptionMemo->fontMetrics().lineSpacing());
    Button1 = StyleButton(GroupBox4, QStringLiteral("Effacer"));
    auto* options = new QVBoxLayout(GroupBox4);
    options->addWidget(OptionMemo, 1);
    options->addWidget(Button1, 0, Qt::AlignLeft);

    btnSavePrefs = StyleButton(this, QStringLiteral("Exporter..."));
    btnGetPrefs = StyleButton(this, QStringLiteral("Récupérer..."));
    btnDefVal = StyleButton(this, QStringLiteral("valeurs par défaut"));
    btnDefVal->setToolTip(QStringLiteral("Tout réinitialiser"));

    // The list, as wide as its longest line (see Fill), with the
    // element's description and settings on its right; the options below
    // them grow with the list.
    auto* grid = new QGridLayout(this);
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

    listPopUp = new QMenu(this);
    mLCopy = listPopUp->addAction(QStringLiteral("copier"));
    mLPaste = listPopUp->addAction(QStringLiteral("coller"));
}

void TElementStyleBox::ConnectHandlers()
{
    connect(ElemListBox, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_)
            host_.Run([this] { ElemListBoxClick(); });
    });
    connect(ElemListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { listPopUp->popup(ElemListBox->viewport()->mapToGlobal(at)); });
    connect(FNameCBo, &QComboBox::activated, this, [this] { host_.Run([this] { FNameCBoChange(); }); });
    connect(FNameCBo->lineEdit(), &QLineEdit::editingFinished, this, [this] { host_.Run([this] { FontTyped(); }); });
    connect(SizeEdit, &QComboBox::activated, this, [this] { host_.Run([this] { SizeChanged(); }); });
    connect(SizeEdit->lineEdit(), &QLineEdit::textEdited, this, [this] { host_.Run([this] { SizeChanged(); }); });
    connect(SizeEdit->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { host_.Run([this] { SizeEditFinished(); }); });
    connect(FntColShape, &TColorSwatch::pressed, this, [this] { host_.Run([this] { FntColShapeMouseDown(); }); });
    connect(textPanel, &TColorSwatch::pressed, this, [this] { host_.Run([this] { textPanelMouseDown(); }); });
    // "Effacer" empties the options box; like typed options, the element
    // takes the empty text at its next store.
    connect(Button1, &QPushButton::clicked, OptionMemo, &QPlainTextEdit::clear);
    connect(mLCopy, &QAction::triggered, this, [this] { copiedElement_ = ElemListBox->currentRow(); });
    connect(mLPaste, &QAction::triggered, this, [this] { host_.Run([this] { mLPasteClick(); }); });
    // What is typed here also goes to style files, which hold Windows-1252 only.
    for (QLineEdit* edit : {FNameCBo->lineEdit(), sMargin, sPadding})
        TCodePageGuard::Guard(edit);
    TCodePageGuard::Guard(OptionMemo);
}

void TElementStyleBox::Fill()
{
    selecting_ = true;
    ElemListBox->clear();
    for (std::size_t i = 0; i < kStyleElementCount; ++i) {
        if (prefs_.descriptions[i].empty())
            prefs_.descriptions[i] = UnitDefaults[i].description;
        if (prefs_.selectors[i].empty())
            prefs_.selectors[i] = UnitDefaults[i].selector;
        if (prefs_.selectors[i].empty())
            continue;
        // Where the element shows, and its own name and CSS selector as the tip.
        const std::string_view place = ElementPlace(prefs_.selectors[i]);
        const std::string named = prefs_.shortNames[i] + " (" + prefs_.selectors[i] + ")";
        auto* item = new QListWidgetItem(ToQString(place.empty() ? named : std::string(place)), ElemListBox);
        item->setToolTip(QStringLiteral("Style « %1 », CSS : %2")
                             .arg(ToQString(prefs_.shortNames[i]).trimmed(), ToQString(prefs_.selectors[i])));
    }
    // The list as wide as its longest line.
    ElemListBox->setMinimumWidth(ElemListBox->sizeHintForColumn(0) + 2 * ElemListBox->frameWidth()
                                 + ElemListBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    ElemListBox->setCurrentRow(curElement_);
    selecting_ = false;
}

void TElementStyleBox::SelectElementLine(int row)
{
    selecting_ = true;
    ElemListBox->setCurrentRow(row);
    selecting_ = false;
}

void TElementStyleBox::Restart()
{
    curElement_ = 0;
    SelectElementLine(0);
}

void TElementStyleBox::GoToElement(int row)
{
    SelectElementLine(row);
    ElemListBoxClick();
}

QString TElementStyleBox::SampleText(const QString& face) const
{
    // The element's own place in its own dress, and the font's name.
    const std::string_view place =
        curElement_ >= 0 && curElement_ < kStyleElementCount
            ? ElementPlace(prefs_.selectors[static_cast<std::size_t>(curElement_)])
            : std::string_view();
    return (place.empty() ? QStringLiteral("Aa .. Zz") : ToQString(std::string(place))) + QLatin1Char('\n') + face;
}

void TElementStyleBox::SetSampleFont(const QString& family)
{
    QFont font = textPanel->font();
    font.setFamily(family);
    textPanel->setFont(font);
}

void TElementStyleBox::SetSampleSize(int points)
{
    if (points <= 0)
        return;
    QFont font = textPanel->font();
    font.setPointSize(points);
    textPanel->setFont(font);
}

void TElementStyleBox::ShowPageValues()
{
    textPanel->SetColor(prefs_.BGSysCol);
    textPanel->SetColorName(ToQString(prefs_.BGColor));
    {
        const QSignalBlocker blocker(FNameCBo);
        FNameCBo->setEditText(ToQString(prefs_.DefFontFace));
    }
    ShowElement();
}

void TElementStyleBox::ShowElement()
{
    const std::size_t index = static_cast<std::size_t>(curElement_);
    const TStyleSpecs& e = prefs_.elements.at(index);
    bgColChk->setEnabled(index != 0);
    sNameLabel->setText(ToQString(e.selector));
    const QString face = ToQString(e.fontFace);
    SetSampleFont(face);
    textPanel->setText(SampleText(face));
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
    styleInfoLab->setText(ToQString(prefs_.descriptions.at(index)));
}

void TElementStyleBox::ApplySize(const QString& sizeText)
{
    const int size = StrToInt(ToUtf8(sizeText));
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    e.fontSize = size;
    e.fontSizeText = ToUtf8(sizeText);
    SetSampleSize(size);
}

void TElementStyleBox::StoreElement()
{
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    // The size is checked before anything is stored: a size that is no whole
    // number is refused and the element keeps its own.
    int size = e.fontSize;
    std::string sizeText = e.fontSizeText;
    try {
        size = StrToInt(ToUtf8(SizeEdit->currentText()));
        sizeText = ToUtf8(SizeEdit->currentText());
    } catch (const Error& error) {
        const QSignalBlocker blocker(SizeEdit);
        SizeEdit->setEditText(ToQString(e.fontSizeText));
        host_.showMessage(uitext::FromUtf8(error.what()));
    }
    e.fontFace = ToUtf8(textPanel->font().family());
    e.fontSizeText = sizeText;
    e.colorName = ToUtf8(FntColShape->ColorName());
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
        e.background = ToUtf8(textPanel->ColorName());
    }
    e.options = uitext::FromEditorText(OptionMemo->toPlainText());
    if (curElement_ == 0) {
        prefs_.BGColor = ToUtf8(textPanel->ColorName());
        prefs_.BGSysCol = textPanel->Color();
        prefs_.BodyColor = ToUtf8(FntColShape->ColorName());
        prefs_.BodySysCol = FntColShape->Color();
        prefs_.PMargin = uitext::FromLineText(sMargin->text()).substr(0, kMaxPageMarginLength);
    }
}

void TElementStyleBox::StorePageValues()
{
    prefs_.DefFontFace = uitext::FromLineText(FNameCBo->currentText());
    prefs_.BGColor = ToUtf8(textPanel->ColorName());
    prefs_.BGSysCol = textPanel->Color();
    prefs_.elements[0].backgroundValue = textPanel->Color();
    prefs_.elements[0].background = prefs_.BGColor;
}

void TElementStyleBox::ElemListBoxClick()
{
    const int row = ElemListBox->currentRow();
    if (row < 0)
        return;
    StoreElement();
    curElement_ = row;
    ShowElement();
}

void TElementStyleBox::FNameCBoChange()
{
    if (FNameCBo->currentIndex() < 0)
        return;
    SetSampleFont(FNameCBo->currentText());
    textPanel->setText(SampleText(textPanel->font().family()));
    StoreElement();
}

void TElementStyleBox::FontTyped()
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
    textPanel->setText(SampleText(face));
    StoreElement();
}

void TElementStyleBox::SizeChanged()
{
    // While the size is being typed, a text that is no number yet waits for
    // the end of the edit.
    int size = 0;
    try {
        size = StrToInt(ToUtf8(SizeEdit->currentText()));
    } catch (const Error&) {
        return;
    }
    SetSampleSize(size);
    StoreElement();
}

void TElementStyleBox::SizeEditFinished()
{
    const TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    const QString text = SizeEdit->currentText();
    try {
        StrToInt(ToUtf8(text));
    } catch (const Error& error) {
        {
            const QSignalBlocker blocker(SizeEdit);
            SizeEdit->setEditText(ToQString(e.fontSizeText));
        }
        host_.showMessage(uitext::FromUtf8(error.what()));
    }
}

void TElementStyleBox::FntColShapeMouseDown()
{
    const std::optional<TNetColors> picked = host_.pickColour();
    if (!picked)
        return;
    FntColShape->SetColor(picked->SysColor);
    FntColShape->SetColorName(ToQString(picked->NetColStr));
    textPanel->SetFontColor(picked->SysColor);
    StoreElement();
}

void TElementStyleBox::textPanelMouseDown()
{
    if (const std::optional<TNetColors> picked = host_.pickColour()) {
        textPanel->SetColor(TextToColor(picked->SysColStr));
        textPanel->SetColorName(ToQString(picked->NetColStr));
    }
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    e.backgroundValue = textPanel->Color();
    e.background = ToUtf8(textPanel->ColorName());
    e.transparent = bgColChk->isChecked();
    // A transparent element shows the page background: picking its background
    // changes the page background.
    if (bgColChk->isChecked()) {
        prefs_.BGSysCol = textPanel->Color();
        prefs_.BGColor = ToUtf8(textPanel->ColorName());
        emit pageBackgroundChanged();
    }
}

void TElementStyleBox::ResetNames()
{
    for (int i = 0; i < ElemListBox->count() && i < kStyleElementCount; ++i)
        prefs_.elements[static_cast<std::size_t>(i)].selector = prefs_.selectors[static_cast<std::size_t>(i)];
}

void TElementStyleBox::mLPasteClick()
{
    const int target = ElemListBox->currentRow();
    if (copiedElement_ < 0 || target < 0)
        return;
    prefs_.CopyElement(copiedElement_, target);
    ResetNames();
    ShowElement();
}

} // namespace sw
