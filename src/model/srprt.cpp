#include "model/srprt.h"

#include "model/textconv.h"
#include "model/textform.h"

namespace sw {

std::string TsRprt::ToText() const
{
    std::string form;
    AppendField(form, isExternal ? "-1" : "0", "Rapport externe");
    AppendField(form, fileName, "Fichier du rapport");
    AppendField(form, caption, "Titre du rapport");
    AppendField(form, text, "Rapport");
    return form;
}

void TsRprt::FromText(std::string_view form)
{
    isExternal = StrToBool(NextField(form));
    fileName = NextField(form);
    caption = NextField(form);
    if (caption.empty())
        caption = "Rapport de production";
    text = NextField(form);
}

std::string TsRprt::ReportFileName() const
{
    return isExternal ? fileName : std::string(kInlineReportPage);
}

} // namespace sw
