#include "model/filetyperegistration.h"

#include <cerrno>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "model/error.h"
#include "model/filebytes.h"
#include "model/textconv.h"

extern char** environ;

namespace sw {

namespace {

// Values of a desktop entry are one line each.
std::string OneLine(std::string_view text)
{
    std::string line;
    for (const char c : text)
        line += (c == '\r' || c == '\n') ? ' ' : c;
    return line;
}

// The program as the first word of an Exec line: always quoted, so that
// blanks and other reserved characters in the path are safe.
std::string QuotedExecArgument(const std::string& path)
{
    std::string quoted = "\"";
    for (const char c : path) {
        // Each escape of the quoting is itself escaped as a string value.
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        if (c == '\\')
            quoted += "\\\\\\";
        if (c == '%')
            quoted += '%';       // "%%" is a literal percent sign, not a field code
        quoted += c;
    }
    return quoted + "\"";
}

std::string MimePackageText(const std::string& mimeType, const std::string& extension,
                            const std::string& description, const std::string& iconName)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + XmlEscaped(mimeType) + "\">\n"
           "    <comment>" + XmlEscaped(description) + "</comment>\n"
           "    <icon name=\"" + XmlEscaped(iconName) + "\"/>\n"
           "    <glob pattern=\"*" + XmlEscaped(extension) + "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string DesktopEntryText(const std::filesystem::path& programPath, const std::string& mimeType,
                             const std::string& iconName)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Shotweave\n"
           "GenericName=Scénarisation vidéo\n"
           "Comment=Planifier un court métrage plan par plan et le publier en site web\n"
           "Exec=" + QuotedExecArgument(programPath.string()) + " %f\n"
           "Icon=" + OneLine(iconName) + "\n"
           "Terminal=false\n"
           "MimeType=" + OneLine(mimeType) + ";\n"
           "Categories=AudioVideo;Video;\n";
}

bool WriteFile(const std::filesystem::path& file, const std::string& text)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    try {
        WriteFileAtomically(file, text, LinkPolicy::ReplaceLink);
        return true;
    } catch (const Error&) {
        return false;
    }
}

// Runs a desktop tool on a folder, quietly; a tool that is not installed is
// simply not run.
void RunTool(const char* tool, const std::filesystem::path& folder)
{
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return;
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string toolName = tool;
    std::string folderName = folder.string();
    std::vector<char*> arguments = {toolName.data(), folderName.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, tool, &actions, nullptr, arguments.data(), environ) == 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

std::string FileTypeKey(const std::string& extension)
{
    std::string trimmed = Trim(extension);
    if (trimmed.empty())
        return {};
    if (trimmed.front() == '.')
        trimmed.erase(0, 1);
    return trimmed + "file";
}

std::string FileTypeMimeType(const std::string& typeKey)
{
    // A MIME subtype holds letters, digits and a few signs only.
    std::string subtype;
    for (const char c : typeKey) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
        const bool upper = c >= 'A' && c <= 'Z';
        subtype += allowed ? c : upper ? static_cast<char>(c - 'A' + 'a') : '-';
    }
    return "application/x-" + subtype;
}

FileTypeRegistrationFiles FileTypeRegistrationPaths(const std::string& typeKey, const EnvironmentLookup& environment)
{
    const std::filesystem::path dataHome = XdgBaseDirectory(environment, "XDG_DATA_HOME", ".local/share");
    return {dataHome / "mime" / "packages" / ("shotweave-" + typeKey + ".xml"),
            dataHome / "applications" / "shotweave.desktop"};
}

bool RegisterFileType(const std::filesystem::path& programPath, const std::string& extension,
                      const std::string& description, const std::string& iconName,
                      const EnvironmentLookup& environment)
{
    std::string trimmed = Trim(extension);
    if (trimmed.empty())
        return false;
    if (trimmed.front() != '.')
        trimmed.insert(0, ".");
    const std::string typeKey = FileTypeKey(trimmed);
    // An Exec line cannot hold a line break.
    if (programPath.string().find_first_of("\r\n") != std::string::npos)
        return false;

    const std::string mimeType = FileTypeMimeType(typeKey);
    const FileTypeRegistrationFiles files = FileTypeRegistrationPaths(typeKey, environment);
    // A MIME package that cannot be written does not stop the desktop entry,
    // which is what makes the registration count.
    const bool mimeWritten = WriteFile(files.mimePackage, MimePackageText(mimeType, trimmed, description, iconName));
    const bool entryWritten = WriteFile(files.desktopEntry, DesktopEntryText(programPath, mimeType, iconName));

    if (mimeWritten)
        RunTool("update-mime-database", files.mimePackage.parent_path().parent_path());
    if (entryWritten)
        RunTool("update-desktop-database", files.desktopEntry.parent_path());
    return entryWritten;
}

} // namespace sw
