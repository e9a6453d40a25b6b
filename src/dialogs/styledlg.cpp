#include "dialogs/styledlg.h"

#include <string>
#include <string_view>

#include <QApplication>
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
#include "qtshared/accelerators.h"
#include "style/elementplaces.h"

namespace sw {

namespace {

using uitext::ToUtf8;
using uitext::ToQString;


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

TStyleDlg::TStyleDlg(TStylePrefs& prefs, QWidget* parent) : QDialog(parent), prefs_(prefs), before_(prefs)
{
    executePicker = [this](TNetColors& colors) { return ExecuteNetColors(colors, this); };
    UseFileDialogs();
    showMessage = [this](const QString& message) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(), message);
    };
    BuildControls();
    ConnectHandlers();
    FormCreate();
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

void TStyleDlg::reject()
{
    prefs_ = before_;
    QDialog::reject();
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
        if (prefs_.selectors[i].empty())
            continue;
        // Where the element shows, and its own name and CSS selector as the tip.
        const std::string_view place = ElementPlace(prefs_.selectors[i]);
        const std::string named = prefs_.shortNames[i] + " (" + prefs_.selectors[i] + ")";
        auto* item = new QListWidgetItem(ToQString(place.empty() ? named : std::string(place)), ElemListBox);
        item->setToolTip(QStringLiteral("Style « %1 », CSS : %2")
                             .arg(ToQString(prefs_.shortNames[i]).trimmed(), ToQString(prefs_.selectors[i])));
    }
    FitElementList();
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

QString TStyleDlg::SampleText(const QString& face) const
{
    // The element's own place in its own dress, and the font's name.
    const std::string_view place =
        curElement_ >= 0 && curElement_ < kStyleElementCount
            ? ElementPlace(prefs_.selectors[static_cast<std::size_t>(curElement_)])
            : std::string_view();
    return (place.empty() ? QStringLiteral("Aa .. Zz") : ToQString(std::string(place))) + QLatin1Char('\n') + face;
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
    styleInfoLab->setText(ToQString(prefs_.descriptions.at(static_cast<std::size_t>(index))));
}

void TStyleDlg::ApplySize(const QString& sizeText)
{
    const int size = StrToInt(ToUtf8(sizeText));
    TStyleSpecs& e = prefs_.elements.at(static_cast<std::size_t>(curElement_));
    e.fontSize = size;
    e.fontSizeText = ToUtf8(sizeText);
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
        size = StrToInt(ToUtf8(SizeEdit->currentText()));
        sizeText = ToUtf8(SizeEdit->currentText());
    } catch (const Error& error) {
        const QSignalBlocker blocker(SizeEdit);
        SizeEdit->setEditText(ToQString(e.fontSizeText));
        showMessage(uitext::FromUtf8(error.what()));
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
    if (index == 0) {
        prefs_.BGColor = ToUtf8(textPanel->ColorName());
        prefs_.BGSysCol = textPanel->Color();
        prefs_.BodyColor = ToUtf8(FntColShape->ColorName());
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
    textPanel->setText(SampleText(textPanel->font().family()));
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
    textPanel->setText(SampleText(face));
    StoreElement(curElement_);
}

void TStyleDlg::SizeChanged()
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
    StoreElement(curElement_);
}

void TStyleDlg::SizeEditFinished()
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
    e.background = ToUtf8(textPanel->ColorName());
    e.transparent = bgColChk->isChecked();
    // A transparent element shows the page background: picking its background
    // changes the page background.
    if (bgColChk->isChecked()) {
        prefs_.BGSysCol = textPanel->Color();
        prefs_.BGColor = ToUtf8(textPanel->ColorName());
        lnkExPanel->SetColor(textPanel->Color());
    }
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
    prefs_.BGColor = ToUtf8(textPanel->ColorName());
    prefs_.BGSysCol = textPanel->Color();
    prefs_.elements[0].backgroundValue = textPanel->Color();
    prefs_.elements[0].background = prefs_.BGColor;
    prefs_.LinkColor = ToUtf8(LinkColShape->ColorName());
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
