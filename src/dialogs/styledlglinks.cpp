// The style dialog's link group: the states of a link, their colour and
// decoration, and the example link that shows them.
#include "dialogs/styledlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "dialogs/colorswatch.h"
#include "dialogs/netcform.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetconv.h"

namespace sw {

using uitext::ToUtf8;
using uitext::ToQString;

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
    link.colorName = ToUtf8(LinkColShape->ColorName());
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

} // namespace sw
