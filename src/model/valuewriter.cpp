#include "model/valuewriter.h"

#include <limits>

#include "model/error.h"
#include "model/valuetags.h"

namespace sw {

void ValueWriter::PutInteger(std::int32_t value)
{
    if (value >= -128 && value <= 127) {
        PutByte(kTagInt8);
        PutLittleEndian(static_cast<std::uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        PutByte(kTagInt16);
        PutLittleEndian(static_cast<std::uint32_t>(value), 2);
    } else {
        PutByte(kTagInt32);
        PutLittleEndian(static_cast<std::uint32_t>(value), 4);
    }
}

void ValueWriter::PutString(std::string_view utf8)
{
    bool ascii = true;
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) >= 128) {
            ascii = false;
            break;
        }
    }
    const std::string_view payload = utf8;
    if (payload.size() > std::numeric_limits<std::uint32_t>::max())
        throw Error("Stream write error");
    if (!ascii) {
        PutByte(kTagUtf8String);
        PutLittleEndian(static_cast<std::uint32_t>(payload.size()), 4);
    } else if (payload.size() <= 255) {
        PutByte(kTagShortString);
        PutLittleEndian(static_cast<std::uint32_t>(payload.size()), 1);
    } else {
        PutByte(kTagLongString);
        PutLittleEndian(static_cast<std::uint32_t>(payload.size()), 4);
    }
    bytes_.append(payload);
}

void ValueWriter::PutListBegin()
{
    PutByte(kTagListBegin);
}

void ValueWriter::PutListEnd()
{
    PutByte(kTagListEnd);
}

const std::string& ValueWriter::Bytes() const
{
    return bytes_;
}

void ValueWriter::PutByte(std::uint8_t byte)
{
    bytes_.push_back(static_cast<char>(byte));
}

void ValueWriter::PutLittleEndian(std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        PutByte(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

} // namespace sw
