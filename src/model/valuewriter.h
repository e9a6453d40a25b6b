#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// Appends typed values (one tag byte, then the value) to an in-memory byte
// string; the caller writes the bytes to disk in one piece.
class ValueWriter {
public:
    // Tag 2, 3 or 4, whichever is the narrowest that holds the value.
    void PutInteger(std::int32_t value);
    // Plain ASCII as tag 6 (up to 255 bytes) or 12; any other UTF-8 text
    // under tag 20.
    void PutString(std::string_view utf8);
    void PutListBegin();
    void PutListEnd();

    const std::string& Bytes() const;

private:
    void PutByte(std::uint8_t byte);
    void PutLittleEndian(std::uint32_t value, int byteCount);

    std::string bytes_;
};

} // namespace sw
