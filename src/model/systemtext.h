#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace sw {

// The French words for what the system or a reader says went wrong, for the
// messages a user reads; the program's own errors keep their exact text
// inside, and only what is shown goes through these.

// The reason of a failed system call: "Permission non accordée" for EACCES;
// the system's own text for a reason these do not know.
std::string FrenchReason(const std::error_code& error);
std::string FrenchReason(int error);

// A reason in the words the system or the reader used ("Stream read error",
// "Cannot open file \"/a/b.vid\". No such file or directory", "Unable to
// write to /a/b.ini", "Permission denied") in French; a text none of them
// starts unchanged.
std::string FrenchSystemText(std::string_view text);

// An error's whole message as a box or the command line shows it: the
// program's French messages as they are, the system's or a reader's words
// in French, starting with a capital.
std::string FrenchErrorMessage(std::string_view what);

} // namespace sw
