#include "model/picturesize.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "model/filebytes.h"

namespace sw {

namespace {

class Header {
public:
    explicit Header(const std::filesystem::path& file) : in_(file, std::ios::binary) {}

    // count bytes from offset; fewer when the file ends before.
    std::string Bytes(std::uint64_t offset, std::size_t count)
    {
        std::string bytes(count, '\0');
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(bytes.data(), static_cast<std::streamsize>(count));
        bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0)));
        return bytes;
    }

private:
    std::ifstream in_;
};

unsigned Byte(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

unsigned BigEndian16(std::string_view bytes, std::size_t at)
{
    return Byte(bytes, at) << 8 | Byte(bytes, at + 1);
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(BigEndian16(bytes, at)) << 16 | BigEndian16(bytes, at + 2);
}

unsigned LittleEndian16(std::string_view bytes, std::size_t at)
{
    return Byte(bytes, at) | Byte(bytes, at + 1) << 8;
}

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at)
{
    return LittleEndian16(bytes, at) | static_cast<std::uint32_t>(LittleEndian16(bytes, at + 2)) << 16;
}

std::optional<PictureSize> Sized(std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0 || width > 1'000'000 || height > 1'000'000)
        return std::nullopt;
    return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

// The frame header (SOFn) of a JPEG: each segment's length leads to the next.
std::optional<PictureSize> JpegSize(Header& header)
{
    std::uint64_t at = 2;
    for (int segments = 0; segments < 10'000; ++segments) {
        const std::string marker = header.Bytes(at, 2);
        if (marker.size() < 2 || Byte(marker, 0) != 0xFF)
            return std::nullopt;
        const unsigned code = Byte(marker, 1);
        if (code == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        if (code == 0xD9 || code == 0xDA)  // end of image, start of scan: no frame met
            return std::nullopt;
        const std::string segment = header.Bytes(at + 2, 7);
        if (segment.size() < 2)
            return std::nullopt;
        const bool frame = code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
        if (frame) {
            if (segment.size() < 7)
                return std::nullopt;
            return Sized(BigEndian16(segment, 5), BigEndian16(segment, 3));
        }
        at += 2 + BigEndian16(segment, 0);
    }
    return std::nullopt;
}

std::optional<PictureSize> WebPSize(std::string_view head)
{
    const std::string_view chunk = head.substr(12, 4);
    if (chunk == "VP8 " && head.size() >= 30)
        return Sized(LittleEndian16(head, 26) & 0x3FFF, LittleEndian16(head, 28) & 0x3FFF);
    if (chunk == "VP8L" && head.size() >= 25) {
        const std::uint32_t bits = LittleEndian32(head, 21);
        return Sized((bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1);
    }
    if (chunk == "VP8X" && head.size() >= 30) {
        const auto three = [head](std::size_t at) { return Byte(head, at) | Byte(head, at + 1) << 8 | Byte(head, at + 2) << 16; };
        return Sized(static_cast<std::int64_t>(three(24)) + 1, static_cast<std::int64_t>(three(27)) + 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<PictureSize> ReadPictureSize(const std::filesystem::path& file)
{
    if (!IsRegularFile(file))
        return std::nullopt;
    Header header(file);
    const std::string head = header.Bytes(0, 32);
    const std::string_view bytes = head;
    if (bytes.starts_with("\xFF\xD8\xFF"))
        return JpegSize(header);
    if (bytes.starts_with("\x89PNG\r\n\x1A\n") && bytes.size() >= 24 && bytes.substr(12, 4) == "IHDR")
        return Sized(BigEndian32(bytes, 16), BigEndian32(bytes, 20));
    if ((bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) && bytes.size() >= 10)
        return Sized(LittleEndian16(bytes, 6), LittleEndian16(bytes, 8));
    if (bytes.starts_with("BM") && bytes.size() >= 26) {
        const auto height = static_cast<std::int32_t>(LittleEndian32(bytes, 22));
        return Sized(static_cast<std::int32_t>(LittleEndian32(bytes, 18)), height < 0 ? -static_cast<std::int64_t>(height) : height);
    }
    if (bytes.starts_with("RIFF") && bytes.size() >= 16 && bytes.substr(8, 4) == "WEBP")
        return WebPSize(bytes);
    return std::nullopt;
}

} // namespace sw
