// Any byte sequence given to the project loader ends in a loaded project or
// in sw::Error, and a failed load leaves the document as it was. A project
// that loads holds UTF-8 texts only, saves, and what it saves opens again and
// saves the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/error.h"
#include "model/utf8.h"
#include "document/projectfile.h"
#include "style/stylespecs.h"

namespace {

std::string Fingerprint(const sw::ProjectDocument& document)
{
    return sw::ProjectFileBytes(document) + "#" + std::to_string(document.FileVersion);
}

// Options with a line break that no ";" ends have no stored form: the form
// has no escape for its separator, and the field is cut at that break. Only
// a file of another origin loads such options; this system never writes one.
bool HasOptionsWithoutStoredForm(const sw::ProjectDocument& document)
{
    for (const sw::TStyleSpecs& element : document.StylePrefs.elements)
        if (sw::EncodeOptions(element.options).find(';') != std::string::npos)
            return true;
    return false;
}

// The bytes of the project the given bytes open to; a file this system wrote
// always opens.
std::string ReopenedBytes(const std::string& saved)
{
    sw::ProjectDocument reloaded;
    try {
        sw::LoadProjectBytes(reloaded, saved);
    } catch (const sw::Error&) {
        std::abort();
    }
    return sw::ProjectFileBytes(reloaded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sw::ProjectDocument document;
    document.EventList.AddEvent();
    // A file older than the report keeps the document's report, and reading
    // turns an empty caption into the default one; start from the report as a
    // load leaves it, so that the comparison below sees only what the file gave.
    document.Report.FromText(document.Report.ToText());
    const std::string before = Fingerprint(document);
    try {
        sw::LoadProjectBytes(document, bytes);
    } catch (const sw::Error&) {
        if (Fingerprint(document) != before)
            std::abort();
        return 0;
    }

    // Whatever bytes a string held, the model's text is UTF-8.
    if (!sw::IsValidUtf8(document.GenInfo.ToText()) || !sw::IsValidUtf8(document.Report.ToText()))
        std::abort();
    for (std::size_t i = 0; i < document.EventList.Count(); ++i)
        if (!sw::IsValidUtf8(document.EventList.Event(i).ToText()))
            std::abort();

    // Every field a load gives back can be stored again, so saving does not throw.
    const std::string saved = sw::ProjectFileBytes(document);
    const std::string reopened = ReopenedBytes(saved);
    if (HasOptionsWithoutStoredForm(document)) {
        // The first save cuts those options; from then on the file is stable.
        if (ReopenedBytes(reopened) != reopened)
            std::abort();
    } else if (reopened != saved) {
        std::abort();
    }
    return 0;
}
