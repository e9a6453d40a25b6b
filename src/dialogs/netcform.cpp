#include "dialogs/netcform.h"

#include <array>

#include <QBoxLayout>
#include <QMouseEvent>
#include <QPainter>

#include "qtshared/uitext.h"
#include "dialogs/fixeddialog.h"
#include "qtshared/widgetconv.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

using uitext::ToUtf8;
using uitext::ToQString;

struct PrimaryColour {
    const char* name;
    std::int32_t value;
};

// The platform's 16-colour palette under web names; lightgrey and darkgray
// differ from the web table's values of the same names.
constexpr std::array<PrimaryColour, TNetCForm::primaryCount> kPrimaryColours{{
    {"white", 0xFFFFFF}, {"lightgrey", 0xC0C0C0}, {"silver", 0xC0C0C0}, {"darkgray", 0x808080},
    {"gray", 0x808080},  {"black", 0x000000},     {"navy", 0x800000},   {"blue", 0xFF0000},
    {"aqua", 0xFFFF00},  {"fuchsia", 0xFF00FF},   {"purple", 0x800080}, {"red", 0x0000FF},
    {"maroon", 0x000080}, {"yellow", 0x00FFFF},   {"lime", 0x00FF00},   {"green", 0x008000},
    {"olive", 0x008080}, {"teal", 0x808000},
}};

} // namespace

bool ExecuteNetColors(TNetColors& colors, QWidget* parent)
{
    TNetCForm form(colors.PickerSortType(), colors.HexOption(), parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    colors.Accept(form.ChosenText(), form.ChosenValue(), ToUtf8(form.HexLabel->text()),
                  form.hexCheck->isChecked());
    return true;
}

TPictureBox::TPictureBox(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void TPictureBox::SetPicture(const QImage& picture)
{
    picture_ = picture;
    setFixedSize(picture.size());
    setPixmap(QPixmap::fromImage(picture));
}

void TPictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (onMouseMove)
        onMouseMove(at.x(), at.y());
}

void TPictureBox::mousePressEvent(QMouseEvent* event)
{
    // A press is always over the place the pointer last moved to.
    const QPoint at = event->position().toPoint();
    if (onMouseMove)
        onMouseMove(at.x(), at.y());
    if (onMouseDown)
        onMouseDown(at.x(), at.y());
}

void TPictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

TNetCForm::TNetCForm(int sortType, bool hexOption, QWidget* parent)
    : QDialog(parent), sortType_(sortType)
{
    // FormCreate
    cellSize_ = 15;
    highIndex_ = kNetColorCount - 1;
    SetUpDialog(*this, QStringLiteral("Choix de noms de couleurs reconnus."));

    Label1 = new QLabel(QStringLiteral("couleurs primaires"), this);
    PrimCBox = new TPictureBox(this);
    Label2 = new QLabel(QStringLiteral("palette étendue"), this);
    alphaChk = new QCheckBox(QStringLiteral("Alpha"), this);
    ColorBox = new TPictureBox(this);

    Shape1 = new TColorSwatch(this);
    Shape1->setFixedSize(24, 20);
    IndexLabel = new QLabel(this);
    NameLabel = new QLabel(this);
    NameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    HexLabel = new QLabel(this);
    HexLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    hexCheck = new QCheckBox(QStringLiteral("valeur Hex."), this);
    ChosenColor = new TColorSwatch(this);
    ChosenColor->setFixedSize(24, 20);
    ChosenColor->SetColor(0);
    NetColLabel = new QLabel(QStringLiteral("black"), this);
    QFont bold = NetColLabel->font();
    bold.setBold(true);
    NetColLabel->setFont(bold);
    okBtn = new QPushButton(QStringLiteral("Accepter"), this);
    okBtn->setDefault(true);
    cancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    cancelBtn->setObjectName(QStringLiteral("cancelBtn"));
    cancelBtn->setAutoDefault(false);
    LayOutControls();

    hexCheck->setChecked(hexOption);

    PrimCBox->onMouseMove = [this](int x, int y) { PrimCBoxMouseMove(x, y); };
    PrimCBox->onMouseDown = [this](int, int) { PrimCBoxMouseDown(); };
    ColorBox->onMouseMove = [this](int x, int y) { ColorBoxMouseMove(x, y); };
    ColorBox->onMouseDown = [this](int, int) { ColorBoxMouseDown(); };
    ColorBox->onDoubleClick = [this] { ColorBoxDblClick(); };
    connect(alphaChk, &QCheckBox::clicked, this, [this] { alphaChkClick(); });
    connect(hexCheck, &QCheckBox::clicked, this, [this] { hexCheckClick(); });
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // Drawn here as well as on show, so that the boxes have their size at once.
    DrawPrimaryColours();
    DrawPalette();
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

const char* TNetCForm::PrimaryName(int position)
{
    return kPrimaryColours.at(static_cast<std::size_t>(position)).name;
}

std::int32_t TNetCForm::PrimaryColor(int position)
{
    return kPrimaryColours.at(static_cast<std::size_t>(position)).value;
}

void TNetCForm::LayOutControls()
{
    // The longest names ("lightgoldenrodyellow") and hex texts fit, also in
    // bold for the chosen colour; the palette does not grow, nor the dialog.
    const QString longestName = QStringLiteral("lightgoldenrodyellow");
    NameLabel->setMinimumWidth(NameLabel->fontMetrics().horizontalAdvance(longestName));
    NetColLabel->setMinimumWidth(NetColLabel->fontMetrics().horizontalAdvance(longestName));
    HexLabel->setMinimumWidth(HexLabel->fontMetrics().horizontalAdvance(QStringLiteral("#aaaaaaaa")));
    IndexLabel->setMinimumWidth(IndexLabel->fontMetrics().horizontalAdvance(QStringLiteral("000")));

    auto* column = new QVBoxLayout(this);
    column->setSpacing(4);
    column->addWidget(Label1);
    column->addWidget(PrimCBox, 0, Qt::AlignHCenter);
    auto* extended = new QHBoxLayout;
    extended->addWidget(Label2);
    extended->addStretch(1);
    extended->addWidget(alphaChk);
    column->addLayout(extended);
    column->addWidget(ColorBox, 0, Qt::AlignHCenter);
    auto* pointed = new QHBoxLayout;
    pointed->addWidget(Shape1);
    pointed->addWidget(IndexLabel);
    pointed->addWidget(NameLabel, 1);
    column->addLayout(pointed);
    auto* hex = new QHBoxLayout;
    hex->addWidget(hexCheck);
    hex->addStretch(1);
    hex->addWidget(HexLabel);
    column->addLayout(hex);
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(ChosenColor);
    chosen->addWidget(NetColLabel, 1);
    column->addLayout(chosen);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelBtn);
    buttons->addWidget(okBtn);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void TNetCForm::showEvent(QShowEvent* event)
{
    DrawPrimaryColours();
    DrawPalette();
    QDialog::showEvent(event);
}

void TNetCForm::DrawPrimaryColours()
{
    const int s = cellSize_ - 3;
    QImage strip(primaryCount * s, s, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int k = 0; k < primaryCount; ++k)
        painter.fillRect(k * s, 0, s, s, widgetconv::ToQColor(PrimaryColor(k)));
    painter.end();
    PrimCBox->SetPicture(strip);
}

void TNetCForm::DrawPalette()
{
    QImage palette(paletteColumns * cellSize_, paletteRows * cellSize_, QImage::Format_RGB32);
    palette.fill(Qt::white);
    const bool alphabetical = alphaChk->isChecked();
    if (!alphabetical)
        colorList_.BuildSortedOrder(sortType_);
    QPainter painter(&palette);
    for (int k = 0; k < kNetColorCount; ++k) {
        const int p = highIndex_ - k;
        const std::string name = alphabetical ? colorList_.Entry(p).name
                                              : colorList_.sortedNames[static_cast<std::size_t>(p)];
        painter.fillRect((k % paletteColumns) * cellSize_, (k / paletteColumns) * cellSize_,
                         cellSize_, cellSize_, widgetconv::ToQColor(colorList_.ColorOfName(name)));
    }
    painter.end();
    ColorBox->SetPicture(palette);
}

void TNetCForm::PrimCBoxMouseMove(int x, int y)
{
    const QImage& strip = PrimCBox->Picture();
    if (strip.valid(x, y))
        Shape1->SetColor(widgetconv::ToColorValue(QColor(strip.pixel(x, y))));
    const int s = cellSize_ - 3;
    if (x < 0 || x / s >= primaryCount)
        return;
    primaryPosition_ = x / s;
    const std::string name = PrimaryName(primaryPosition_);
    const int index = colorList_.IndexOfName(name);
    NameLabel->setText(ToQString(name));
    IndexLabel->setText(QString::number(index + 1));
    HexLabel->setText(QStringLiteral("#") + ToQString(colorList_.HexOfIndex(index)));
}

void TNetCForm::PrimCBoxMouseDown()
{
    const std::string name = PrimaryName(primaryPosition_);
    SetChosenText(hexCheck->isChecked() ? ToUtf8(HexLabel->text()) : name);
    chosenValue_ = PrimaryColor(primaryPosition_);
    setWindowTitle(NetColLabel->text());
    rememberedName_ = name;
    rememberedHex_ = ToUtf8(HexLabel->text());
    PaintChosen(chosenValue_);
}

void TNetCForm::ColorBoxMouseMove(int x, int y)
{
    const QImage& palette = ColorBox->Picture();
    if (palette.valid(x, y))
        Shape1->SetColor(widgetconv::ToColorValue(QColor(palette.pixel(x, y))));
    // A pointer held down and dragged out of the palette names no colour.
    if (x < 0 || y < 0 || x >= paletteColumns * cellSize_ || y >= paletteRows * cellSize_)
        return;
    int p = highIndex_ - x / cellSize_ - paletteColumns * (y / cellSize_);
    if (!alphaChk->isChecked())
        p = colorList_.sortedIndex[static_cast<std::size_t>(p)];
    paletteIndex_ = p;
    ShowInfo(p);
}

void TNetCForm::ColorBoxMouseDown()
{
    const int i = paletteIndex_;
    if (i < 0 || i > highIndex_)
        return;
    rememberedName_ = colorList_.Entry(i).name;
    setWindowTitle(QStringLiteral("index: %1 ").arg(i + 1) + ToQString(rememberedName_));
    ShowInfo(i);
    rememberedHex_ = ToUtf8(HexLabel->text());
    SetChosenText(hexCheck->isChecked() ? rememberedHex_ : rememberedName_);
    chosenValue_ = colorList_.Entry(i).rgb;
    PaintChosen(chosenValue_);
}

void TNetCForm::ColorBoxDblClick()
{
    okBtn->click();
}

void TNetCForm::alphaChkClick()
{
    DrawPalette();
}

void TNetCForm::hexCheckClick()
{
    SetChosenText(hexCheck->isChecked() ? rememberedHex_ : rememberedName_);
}

void TNetCForm::ShowInfo(int index)
{
    if (index < 0 || index > highIndex_)
        return;
    const TNetColor& entry = colorList_.Entry(index);
    IndexLabel->setText(QString::number(entry.number));
    NameLabel->setText(ToQString(entry.name));
    HexLabel->setText(QStringLiteral("#") + ToQString(entry.hex));
    Shape1->SetColor(entry.colour);
}

void TNetCForm::SetChosenText(const std::string& text)
{
    chosenText_ = text;
    NetColLabel->setText(ToQString(text));
}

void TNetCForm::PaintChosen(std::int32_t value)
{
    ChosenColor->SetColor(value);
}

} // namespace sw
