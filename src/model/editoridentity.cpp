#include "model/editoridentity.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <pwd.h>
#include <unistd.h>

namespace sw {

namespace {

// Field 22 of /proc/PID/stat, the process's start time; nothing when the
// process does not exist or the file cannot be read. The command name, field
// 2, is in parentheses and may hold blanks: counting starts after its last
// ')'.
std::optional<std::uint64_t> ProcessStartTime(long pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    if (!stat)
        return std::nullopt;
    std::stringstream text;
    text << stat.rdbuf();
    const std::string line = text.str();
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    for (int number = 3; number <= 22; ++number)
        if (!(fields >> field))
            return std::nullopt;
    std::uint64_t started = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), started);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return started;
}

bool HasProcFileSystem()
{
    static const bool has = ProcessStartTime(::getpid()).has_value();
    return has;
}

bool ParseNumber(std::string_view text, auto& value)
{
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::string EditorIdentity::Token() const
{
    return std::to_string(pid) + "-" + std::to_string(started) + "-" + std::to_string(instance);
}

std::optional<EditorIdentity> EditorIdentity::FromToken(std::string_view token, std::string host)
{
    const std::size_t first = token.find('-');
    const std::size_t second = first == std::string_view::npos ? first : token.find('-', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    EditorIdentity editor;
    editor.host = std::move(host);
    if (!ParseNumber(token.substr(0, first), editor.pid) || editor.pid <= 0
        || !ParseNumber(token.substr(first + 1, second - first - 1), editor.started)
        || !ParseNumber(token.substr(second + 1), editor.instance))
        return std::nullopt;
    return editor;
}

EditorIdentity NewEditorIdentity()
{
    static std::atomic<unsigned> instances{0};
    EditorIdentity editor;
    editor.host = ThisHostName();
    editor.pid = ::getpid();
    editor.started = ProcessStartTime(editor.pid).value_or(0);
    editor.instance = ++instances;
    return editor;
}

std::string ThisHostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}

bool IsRunning(const EditorIdentity& editor)
{
    if (editor.host != ThisHostName())
        return true;
    if (editor.pid == ::getpid())
        return editor.started == ProcessStartTime(editor.pid).value_or(0);
    if (!HasProcFileSystem()) {
        // Without /proc only the id can be asked after; a process that
        // exists but is not ours answers EPERM.
        return ::kill(static_cast<pid_t>(editor.pid), 0) == 0 || errno == EPERM;
    }
    const std::optional<std::uint64_t> started = ProcessStartTime(editor.pid);
    return started && *started == editor.started;
}

std::string LoginName()
{
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_name != nullptr)
        return entry->pw_name;
    if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0')
        return user;
    return "inconnu";
}

} // namespace sw
