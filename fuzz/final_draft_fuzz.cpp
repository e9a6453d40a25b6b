// Any bytes read as a Final Draft screenplay are refused with sw::Error or
// give valid UTF-8, scenes with at least one shot each, and action and
// dialogue fields whose only tags are the emphasis's.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "interchange/finaldraft.h"
#include "model/error.h"
#include "screenplaycheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sw::Screenplay screenplay;
    try {
        screenplay = sw::ReadFinalDraft(bytes);
    } catch (const sw::Error&) {
        return 0;
    }
    fuzzsupport::CheckScreenplay(screenplay);
    return 0;
}
