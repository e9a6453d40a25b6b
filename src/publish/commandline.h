#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sw {

// Runs the headless modes of the program (--publish, --help, --version).
// Returns the process exit code, or nothing when the arguments ask for the editor.
//   --publish FILE.vid  reads the project and publishes its site into the
//                       site folder beside it (created with its "img" folder
//                       when missing); the project file is only read.
// Messages are UTF-8: the confirmation goes to out, announcements and errors
// to err.
std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace sw
