#include "publish/commandline.h"

namespace sw {

namespace {
constexpr const char* kUsage =
    "Usage: shotweave [FILE.vid]\n"
    "       shotweave --publish FILE.vid\n"
    "       shotweave --help | --version\n";
}

std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return std::nullopt;
    const std::string& first = args.front();
    if (first == "--help" || first == "-h") {
        out << kUsage;
        return 0;
    }
    if (first == "--version") {
        out << "shotweave " << SHOTWEAVE_VERSION << "\n";
        return 0;
    }
    if (first.starts_with("--")) {
        err << "shotweave: unknown option " << first << "\n" << kUsage;
        return 2;
    }
    return std::nullopt;
}

} // namespace sw
