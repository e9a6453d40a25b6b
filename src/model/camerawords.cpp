#include "model/camerawords.h"

namespace sw {

namespace {

template <std::size_t N>
std::string_view WordAt(const std::array<std::string_view, N>& words, std::size_t index)
{
    return index < N ? words[index] : std::string_view();
}

} // namespace

std::string_view FramingWord(std::size_t framing)
{
    return WordAt(FramingWords, framing);
}

std::string_view AngleWord(std::size_t angle)
{
    return WordAt(AngleWords, angle);
}

std::string_view PanWord(std::size_t pan)
{
    return WordAt(PanWords, pan);
}

std::string_view TravelWord(std::size_t travel)
{
    return WordAt(TravelWords, travel);
}

std::string_view ZoomWord(std::size_t zoom)
{
    return WordAt(ZoomWords, zoom);
}

} // namespace sw
