#pragma once

#include <string>

namespace sw {

// Lets the core tell the user something (a folder was created) without knowing
// how: the editor shows a message box, the command line writes a line.
class Notifier {
public:
    virtual ~Notifier() = default;
    // message is UTF-8.
    virtual void Inform(const std::string& message) = 0;
};

} // namespace sw
