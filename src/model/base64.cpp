#include "model/base64.h"

namespace sw {

void AppendBase64(std::string& text, std::string_view bytes)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::size_t out = text.size();
    text.resize(out + (bytes.size() + 2) / 3 * 4, '=');
    const auto byte = [&bytes](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])); };
    std::size_t in = 0;
    for (; in + 3 <= bytes.size(); in += 3) {
        const unsigned group = byte(in) << 16 | byte(in + 1) << 8 | byte(in + 2);
        text[out++] = kAlphabet[group >> 18];
        text[out++] = kAlphabet[(group >> 12) & 63];
        text[out++] = kAlphabet[(group >> 6) & 63];
        text[out++] = kAlphabet[group & 63];
    }
    if (in < bytes.size()) {
        const bool two = in + 1 < bytes.size();
        const unsigned group = byte(in) << 16 | (two ? byte(in + 1) << 8 : 0);
        text[out++] = kAlphabet[group >> 18];
        text[out++] = kAlphabet[(group >> 12) & 63];
        if (two)
            text[out] = kAlphabet[(group >> 6) & 63];
    }
}

std::string Base64(std::string_view bytes)
{
    std::string text;
    AppendBase64(text, bytes);
    return text;
}

} // namespace sw
