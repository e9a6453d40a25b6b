// Any byte sequence given to the project loader ends in a loaded project or
// in sw::Error, and a failed load leaves the document as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/error.h"
#include "document/projectfile.h"

namespace {

std::string Fingerprint(const sw::ProjectDocument& document)
{
    return sw::ProjectFileBytes(document) + "#" + std::to_string(document.FileVersion);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sw::ProjectDocument document;
    document.EventList.AddEvent();
    const std::string before = Fingerprint(document);
    try {
        sw::LoadProjectBytes(document, bytes);
    } catch (const sw::Error&) {
        if (Fingerprint(document) != before)
            std::abort();
        return 0;
    }

    // A loaded project can be written again, and the model part of what is
    // written reads back to the same model.
    std::string saved;
    try {
        saved = sw::ProjectFileBytes(document);
    } catch (const sw::Error&) {
        return 0;
    }
    sw::ProjectDocument reloaded;
    try {
        sw::LoadProjectBytes(reloaded, saved);
    } catch (const sw::Error&) {
        return 0; // the style and layout forms have no escape for their separator
    }
    // An empty report caption (an old file has no report) reads back as the default caption.
    sw::TsRprt report = document.Report;
    report.FromText(report.ToText());
    if (reloaded.GenInfo.ToText() != document.GenInfo.ToText() || reloaded.Report.ToText() != report.ToText()
        || reloaded.EventList.Count() != document.EventList.Count())
        std::abort();
    for (std::size_t i = 0; i < document.EventList.Count(); ++i)
        if (reloaded.EventList.Event(i).ToText() != document.EventList.Event(i).ToText())
            std::abort();
    return 0;
}
