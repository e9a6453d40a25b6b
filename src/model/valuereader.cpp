#include "model/valuereader.h"

#include "model/cp1252.h"
#include "model/error.h"
#include "model/valuetags.h"

namespace sw {

namespace {

[[noreturn]] void ThrowInvalidValue()
{
    throw Error("Invalid property value");
}

[[noreturn]] void ThrowReadError()
{
    throw Error("Stream read error");
}

} // namespace

ValueReader::ValueReader(std::string_view bytes)
    : bytes_(bytes)
{
}

std::int32_t ValueReader::GetInteger()
{
    switch (TakeByte()) {
    case kTagInt8:
        return static_cast<std::int8_t>(TakeLittleEndian(1));
    case kTagInt16:
        return static_cast<std::int16_t>(TakeLittleEndian(2));
    case kTagInt32:
        return static_cast<std::int32_t>(TakeLittleEndian(4));
    default:
        ThrowInvalidValue();
    }
}

std::string ValueReader::GetString()
{
    const std::uint8_t tag = PeekTag();
    if (tag != kTagShortString && tag != kTagLongString && tag != kTagUtf16String && tag != kTagUtf8String)
        ThrowInvalidValue();
    TakeByte();
    switch (tag) {
    // The short and long strings hold Windows-1252 bytes, the model UTF-8.
    case kTagShortString:
        return Cp1252ToUtf8(TakeBytes(TakeLittleEndian(1)));
    case kTagLongString:
        return Cp1252ToUtf8(TakeBytes(TakeLittleEndian(4)));
    case kTagUtf8String:
        return ValidUtf8(TakeBytes(TakeLittleEndian(4)));
    default: {
        const std::uint64_t units = TakeLittleEndian(4);
        const std::string_view raw = TakeBytes(units * 2);
        std::u16string utf16(units, u'\0');
        for (std::size_t i = 0; i < units; ++i)
            utf16[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i])
                                             | (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
        return Utf16ToUtf8(utf16);
    }
    }
}

void ValueReader::GetListBegin()
{
    if (TakeByte() != kTagListBegin)
        ThrowInvalidValue();
}

void ValueReader::GetListEnd()
{
    if (TakeByte() != kTagListEnd)
        ThrowInvalidValue();
}

bool ValueReader::AtListEnd()
{
    return PeekTag() == kTagListEnd;
}

std::size_t ValueReader::Remaining() const
{
    return bytes_.size() - position_;
}

std::uint8_t ValueReader::PeekTag()
{
    if (position_ >= bytes_.size())
        ThrowReadError();
    return static_cast<std::uint8_t>(bytes_[position_]);
}

std::uint8_t ValueReader::TakeByte()
{
    const std::uint8_t byte = PeekTag();
    ++position_;
    return byte;
}

std::uint32_t ValueReader::TakeLittleEndian(int byteCount)
{
    if (Remaining() < static_cast<std::size_t>(byteCount))
        ThrowReadError();
    std::uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[position_ + i])) << (8 * i);
    position_ += static_cast<std::size_t>(byteCount);
    return value;
}

std::string_view ValueReader::TakeBytes(std::uint64_t count)
{
    // Checked before anything is allocated, so a forged length costs nothing.
    if (count > Remaining())
        ThrowReadError();
    const std::string_view taken(bytes_.data() + position_, static_cast<std::size_t>(count));
    position_ += static_cast<std::size_t>(count);
    return taken;
}

std::string_view ValueReader::Rest() const
{
    return std::string_view(bytes_).substr(position_);
}

} // namespace sw
