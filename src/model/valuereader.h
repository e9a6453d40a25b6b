#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// Reads typed values back in the order they were written. A tag the request
// does not accept throws sw::Error "Invalid property value"; running out of
// bytes inside a value throws sw::Error "Stream read error".
class ValueReader {
public:
    // Keeps its own copy of the bytes.
    explicit ValueReader(std::string_view bytes);

    // Tags 2, 3 and 4; narrow values are sign-extended.
    std::int32_t GetInteger();
    // Tags 6 and 12 (Windows-1252), 18 (UTF-16) and 20 (UTF-8); the result is
    // UTF-8, a malformed sequence read as U+FFFD.
    std::string GetString();
    void GetListBegin();
    void GetListEnd();
    // True when the next tag is the end of a list; consumes nothing.
    bool AtListEnd();

    // Bytes not read yet.
    std::size_t Remaining() const;
    // Those bytes themselves.
    std::string_view Rest() const;

private:
    std::uint8_t PeekTag();
    std::uint8_t TakeByte();
    std::uint32_t TakeLittleEndian(int byteCount);
    std::string_view TakeBytes(std::uint64_t count);

    std::string bytes_;
    std::size_t position_ = 0;
};

} // namespace sw
