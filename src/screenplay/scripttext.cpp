#include "screenplay/scripttext.h"

#include "model/cp1252.h"
#include "model/utf8.h"

namespace sw {

std::string ScriptTextAsUtf8(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        const bool little = bytes[0] == '\xFF';
        std::u16string units;
        units.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto first = static_cast<unsigned char>(bytes[i]);
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            units += static_cast<char16_t>(little ? first | second << 8 : first << 8 | second);
        }
        return Utf16ToUtf8(units);
    }
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

} // namespace sw
