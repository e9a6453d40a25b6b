#include "model/event.h"

#include "model/textform.h"

namespace sw {

std::string TEvent::ToText() const
{
    const std::string shotLabel = " » du plan « " + name;
    std::string form;
    AppendField(form, name, "Nom", shotLabel);
    AppendField(form, action, "Action", shotLabel);
    AppendField(form, sound, "Son", shotLabel);
    AppendField(form, dialogue, "Dialogue", shotLabel);
    cam.AppendText(form, shotLabel);
    return form;
}

void TEvent::FromText(std::string_view text)
{
    name = NextField(text);
    action = NextField(text);
    sound = NextField(text);
    dialogue = NextField(text);
    cam.FromText(text);
}

} // namespace sw
