#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sw {

// Runs the headless modes of the program (--publish, --help, --version).
// Returns the process exit code, or nothing when the arguments ask for the editor.
std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace sw
