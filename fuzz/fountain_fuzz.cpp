// Any bytes read as a Fountain screenplay file (in any of its encodings) give
// valid UTF-8, scenes with at least one shot each, and action and dialogue
// fields whose only tags are the emphasis's.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "screenplay/fountain.h"
#include "screenplay/scripttext.h"
#include "screenplaycheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzzsupport::CheckScreenplay(sw::ParseFountain(sw::ScriptTextAsUtf8(bytes)));
    return 0;
}
