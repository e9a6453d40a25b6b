#include "dialogs/linkstylebox.h"

#include <optional>
#include <utility>

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>

#include "qtshared/uitext.h"
#include "qtshared/widgetconv.h"
#include "style/netcolorlist.h"

namespace sw {

using uitext::ToQString;
using uitext::ToUtf8;

TLinkStyleBox::TLinkStyleBox(TStylePrefs& prefs, TStyleBoxHost host, QWidget* parent)
    : QGroupBox(QStringLiteral("Liens "), parent), prefs_(prefs), host_(std::move(host))
{
    BuildControls();
    ConnectHandlers();
}

void TLinkStyleBox::BuildControls()
{
    setMouseTracking(true);
    LnkStateList = new QListWidget(this);
    LnkStateList->addItems({QStringLiteral("lien"), QStringLiteral("actif"), QStringLiteral("parcouru")});
    // The three states and nothing more.
    LnkStateList->setFixedHeight(3 * LnkStateList->sizeHintForRow(0) + 2 * LnkStateList->frameWidth());
    LnkStateList->setFixedWidth(LnkStateList->sizeHintForColumn(0) + 4 * LnkStateList->frameWidth() + 8);
    LinkColShape = ColourBox(this);
    lnkDecCheck = new QCheckBox(QStringLiteral("Souligné"), this);
    LnkDefBtn = StyleButton(this, QStringLiteral("Défaut"));
    lnkExPanel = new TColorSwatch(this);
    lnkExPanel->setMinimumHeight(40);
    lnkExPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lnkExPanel->setMouseTracking(true);
    LnkExLab = new QLabel(QStringLiteral("exemple de lien"), lnkExPanel);
    LnkExLab->setMouseTracking(true);
    LnkExLab->setCursor(Qt::PointingHandCursor);
    auto* sample = new QHBoxLayout(lnkExPanel);
    sample->addWidget(LnkExLab, 0, Qt::AlignCenter);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LnkStateList, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(LinkColShape, 0, 1);
    grid->addWidget(LnkDefBtn, 0, 2);
    grid->addWidget(lnkDecCheck, 1, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(lnkExPanel, 2, 0, 1, 3);
}

void TLinkStyleBox::ConnectHandlers()
{
    connect(LnkStateList, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_)
            host_.Run([this] { LnkStateListClick(); });
    });
    connect(lnkDecCheck, &QCheckBox::clicked, this, [this] { host_.Run([this] { StoreLinkState(); }); });
    connect(LinkColShape, &TColorSwatch::pressed, this, [this] { host_.Run([this] { LinkColShapeMouseDown(); }); });
    connect(LnkDefBtn, &QPushButton::clicked, this, [this] { host_.Run([this] { LnkDefBtnClick(); }); });
    installEventFilter(this);
    lnkExPanel->installEventFilter(this);
    LnkExLab->installEventFilter(this);
}

bool TLinkStyleBox::eventFilter(QObject* watched, QEvent* event)
{
    // The example shows the plain link under the moving mouse, the active one
    // while pressed and the visited one once released.
    if (watched == LnkExLab) {
        if (event->type() == QEvent::MouseButtonPress)
            ShowLinkExample(1);
        else if (event->type() == QEvent::MouseButtonRelease)
            ShowLinkExample(2);
    } else if ((watched == this || watched == lnkExPanel) && event->type() == QEvent::MouseMove) {
        ShowLinkExample(0);
    }
    return QGroupBox::eventFilter(watched, event);
}

void TLinkStyleBox::SelectLinkLine(int row)
{
    selecting_ = true;
    LnkStateList->setCurrentRow(row);
    selecting_ = false;
}

void TLinkStyleBox::Restart()
{
    curLink_ = 0;
    SelectLinkLine(0);
}

void TLinkStyleBox::ShowLinkState()
{
    SelectLinkLine(curLink_);
    const TLinkSpecs& link = prefs_.links.at(static_cast<std::size_t>(curLink_));
    LinkColShape->SetColor(link.colorValue);
    LinkColShape->SetColorName(ToQString(link.colorName));
    lnkDecCheck->setChecked(link.underline);
}

void TLinkStyleBox::StoreLinkState()
{
    TLinkSpecs& link = prefs_.links.at(static_cast<std::size_t>(curLink_));
    link.colorName = ToUtf8(LinkColShape->ColorName());
    link.colorValue = LinkColShape->Color();
    link.underline = lnkDecCheck->isChecked();
}

void TLinkStyleBox::StoreLinkColour()
{
    prefs_.LinkColor = ToUtf8(LinkColShape->ColorName());
    prefs_.LinkSysColor = LinkColShape->Color();
}

void TLinkStyleBox::LnkStateListClick()
{
    const int row = LnkStateList->currentRow();
    if (row < 0)
        return;
    StoreLinkState();
    curLink_ = row;
    ShowLinkState();
    ShowExampleLabel(0);
}

void TLinkStyleBox::LinkColShapeMouseDown()
{
    if (const std::optional<TNetColors> picked = host_.pickColour()) {
        LinkColShape->SetColor(TextToColor(picked->SysColStr));
        LinkColShape->SetColorName(ToQString(picked->NetColStr));
    }
    StoreLinkState();
}

void TLinkStyleBox::LnkDefBtnClick()
{
    prefs_.SetLinkDefaults();
    Restart();
    // The swatch and the underline box show the reset link state, so that the
    // next store does not write the previously shown state into it.
    ShowLinkState();
    ShowLinkExample(0);
}

void TLinkStyleBox::ShowExampleLabel(int index)
{
    const TLinkSpecs& link = prefs_.links.at(static_cast<std::size_t>(index));
    QPalette colours = LnkExLab->palette();
    colours.setColor(QPalette::WindowText, widgetconv::ToQColor(link.colorValue));
    LnkExLab->setPalette(colours);
    QFont font = LnkExLab->font();
    font.setUnderline(link.underline);
    LnkExLab->setFont(font);
}

void TLinkStyleBox::ShowLinkExample(int index)
{
    ShowExampleLabel(index);
    ShowPageBackground();
}

void TLinkStyleBox::ShowPlainExample()
{
    ShowLinkExample(0);
}

void TLinkStyleBox::ShowPageBackground()
{
    lnkExPanel->SetColor(prefs_.BGSysCol);
}

} // namespace sw
