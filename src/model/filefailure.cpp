#include "model/filefailure.h"

#include <cerrno>
#include <cstring>

#include "model/filebytes.h"
#include "model/systemtext.h"

namespace sw {

namespace {

std::string Quoted(const std::string& text)
{
    return "\xC2\xAB " + text + " \xC2\xBB";
}

std::string NameOf(const std::filesystem::path& file)
{
    const std::u8string name = file.filename().u8string();
    return Quoted(std::string(name.begin(), name.end()));
}

std::string PathOf(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return Quoted(std::string(text.begin(), text.end()));
}

std::string FolderOf(const std::filesystem::path& file)
{
    return PathOf(file.parent_path());
}

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// A file that cannot even be opened is missing or unreadable; any other
// failure while reading comes from its content.
std::string ReadFailure(const std::filesystem::path& file, std::string_view reason, const char* kind)
{
    if (StartsWith(reason, "Cannot open file") && reason.ends_with(kNotRegularFileReason))
        return "Le fichier " + NameOf(file) + " ne peut pas être ouvert : ce n'est pas un fichier ordinaire, "
               "mais un tube, un périphérique ou une prise.";
    if (StartsWith(reason, "Cannot open file") && reason.ends_with(std::strerror(EISDIR)))
        return "Le fichier " + NameOf(file) + " ne peut pas être ouvert : c'est un dossier.";
    if (StartsWith(reason, "Cannot open file"))
        return "Le fichier " + NameOf(file) + " ne peut pas \xC3\xAAtre ouvert : il est introuvable ou illisible.";
    return "Le fichier " + NameOf(file) + " ne peut pas \xC3\xAAtre ouvert : il est ab\xC3\xAEm\xC3\xA9 ou n'est pas "
           + kind + ".";
}

std::string WriteFailure(const std::filesystem::path& file, const char* what)
{
    return std::string(what) + " " + NameOf(file) + " ne peut pas \xC3\xAAtre enregistr\xC3\xA9 dans le dossier "
           + FolderOf(file) + " : v\xC3\xA9rifiez que ce dossier existe et que vous pouvez y \xC3\xA9" "crire.";
}

std::string Sentence(FileAction action, const std::filesystem::path& file, std::string_view reason)
{
    switch (action) {
    case FileAction::OpenProject:
        return ReadFailure(file, reason, "un projet Shotweave");
    case FileAction::SaveProject:
        return WriteFailure(file, "Le fichier");
    case FileAction::PublishProject:
        return "Le film ne peut pas \xC3\xAAtre publi\xC3\xA9 dans le dossier " + PathOf(file)
               + " : v\xC3\xA9rifiez que vous pouvez y \xC3\xA9" "crire et que ses pages ne sont pas des dossiers.";
    case FileAction::ImportStyle:
        return ReadFailure(file, reason, "un fichier de style");
    case FileAction::ExportStyle:
        return WriteFailure(file, "Le fichier de style");
    }
    return {};
}

} // namespace

std::string FileFailureMessage(FileAction action, const std::filesystem::path& file, std::string_view reason)
{
    return Sentence(action, file, reason) + " (" + FrenchSystemText(reason) + ")";
}

} // namespace sw
