#include "animatic/avsupport.h"

#include "model/systemtext.h"

namespace sw::animatic::av {

std::string Reason(int code)
{
    // libav returns a system error as its negated errno.
    if (code < 0 && -code < 4096)
        return FrenchReason(-code);
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

std::string FileUrl(const std::string& path)
{
    return "file:" + path;
}

} // namespace sw::animatic::av
