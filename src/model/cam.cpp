#include "model/cam.h"

#include "model/camerawords.h"
#include "model/textconv.h"
#include "model/textform.h"

namespace sw {

std::string TCam::ToText() const
{
    std::string form;
    AppendText(form, "");
    return form;
}

void TCam::AppendText(std::string& form, std::string_view shotLabel) const
{
    AppendField(form, duration, "Durée", shotLabel);
    const std::uint8_t indexes[] = {IndexWithin(framing, FramingCount), IndexWithin(angle, AngleCount),
                                    IndexWithin(pan, PanCount), IndexWithin(travel, TravelCount),
                                    IndexWithin(zoom, ZoomCount)};
    for (std::uint8_t index : indexes)
        form.push_back(static_cast<char>('0' + index));
    form.append(FieldSep);
    AppendField(form, effect, "Précisions", shotLabel);
    AppendField(form, startImage, "Image de début", shotLabel);
    AppendField(form, endImage, "Image de fin", shotLabel);
}

void TCam::FromText(std::string_view text)
{
    duration = NextField(text);
    const std::string digits = NextField(text);
    effect = NextField(text);
    startImage = NextField(text);
    endImage = NextField(text);

    int values[5] = {0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 5 && i < digits.size(); ++i)
        values[i] = StrToInt(std::string_view(digits).substr(i, 1));
    framing = IndexWithin(values[0], FramingCount);
    angle = IndexWithin(values[1], AngleCount);
    pan = IndexWithin(values[2], PanCount);
    travel = IndexWithin(values[3], TravelCount);
    zoom = IndexWithin(values[4], ZoomCount);
}

} // namespace sw
