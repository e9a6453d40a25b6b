#include "publish/commandline.h"

#include <exception>
#include <filesystem>

#include "model/error.h"
#include "model/notifier.h"
#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "publish/sitepublication.h"

namespace sw {

namespace {

constexpr const char* kUsage =
    "Usage: shotweave [FILE.vid]\n"
    "       shotweave --publish FILE.vid\n"
    "       shotweave --help | --version\n"
    "\n"
    "  FILE.vid            open the project in the editor\n"
    "  --publish FILE.vid  publish the project's web site into the folder named\n"
    "                      after the file, beside it, and quit\n"
    "  --help              show this help and quit\n"
    "  --version           show the version and quit\n";

// Announcements of the core become lines on the error stream, so that the
// output holds the confirmation alone.
class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& stream) : stream_(stream) {}
    void Inform(const std::string& message) override { stream_ << message << "\n"; }

private:
    std::ostream& stream_;
};

// Publishes the project file's site; returns the confirmation text.
std::string PublishProjectFile(const std::filesystem::path& argument, Notifier& notifier)
{
    const std::filesystem::path file = std::filesystem::absolute(argument);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        throw Error("Le fichier " + file.string() + " n'existe pas.");

    // As the editor at start-up: the application's style table, the layout
    // defaults; a file without layout or style block keeps them.
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    LoadProject(project, file);

    return PublishProjectSite(project, file, notifier);
}

} // namespace

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
    if (first == "--publish") {
        if (args.size() != 2 || args[1].empty()) {
            err << "shotweave: --publish takes one project file\n" << kUsage;
            return 2;
        }
        StreamNotifier notifier(err);
        try {
            out << PublishProjectFile(args[1], notifier) << "\n";
            return 0;
        } catch (const std::exception& error) {
            err << "shotweave: " << error.what() << "\n";
            return 1;
        }
    }
    if (first.starts_with("--")) {
        err << "shotweave: unknown option " << first << "\n" << kUsage;
        return 2;
    }
    return std::nullopt;
}

} // namespace sw
