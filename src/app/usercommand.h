#pragma once

#include <exception>

#include "app/userprompts.h"
#include "model/systemtext.h"
#include "qtshared/uitext.h"

class QWidget;

namespace sw {

// Runs what the user asked for at the command level: an error ends the
// command and its message is shown once, in a box over parent.
template <typename Command>
void RunUserCommand(TUserPrompts& prompts, QWidget* parent, Command&& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        prompts.Inform(parent, uitext::FromUtf8(FrenchErrorMessage(error.what())));
    }
}

} // namespace sw
