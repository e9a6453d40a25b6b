#include "timeline/animaticvideo.h"

#include "model/textconv.h"

namespace sw {

std::optional<VideoSize> ParseVideoSize(std::string_view text)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return std::nullopt;
    VideoSize size;
    if (!TryStrToInt(text.substr(0, x), size.width) || !TryStrToInt(text.substr(x + 1), size.height))
        return std::nullopt;
    for (const int side : {size.width, size.height})
        if (side < 64 || side > 4096 || side % 2 != 0)
            return std::nullopt;
    return size;
}

} // namespace sw
