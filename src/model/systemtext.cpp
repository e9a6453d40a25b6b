#include "model/systemtext.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "model/filebytes.h"

namespace sw {

namespace {

struct Reason {
    int error;
    const char* french;
};

// The reasons a user meets with files and folders.
constexpr Reason kReasons[] = {
    {EACCES, "permission non accordée"},
    {EPERM, "opération non permise"},
    {EROFS, "le disque est en lecture seule"},
    {ENOSPC, "le disque est plein"},
    {EDQUOT, "le quota de disque est atteint"},
    {ENOENT, "fichier ou dossier introuvable"},
    {ENOTDIR, "un élément du chemin n'est pas un dossier"},
    {EISDIR, "c'est un dossier"},
    {EEXIST, "le fichier existe déjà"},
    {ENOTEMPTY, "le dossier n'est pas vide"},
    {ENAMETOOLONG, "le nom est trop long"},
    {ELOOP, "trop de liens symboliques"},
    {EIO, "erreur d'entrée-sortie du disque"},
    {EBUSY, "le fichier est occupé"},
    {EMFILE, "trop de fichiers ouverts"},
    {ENFILE, "trop de fichiers ouverts"},
    {EXDEV, "le fichier est sur un autre disque"},
    {EFBIG, "le fichier est trop gros"},
    {ENOMEM, "mémoire insuffisante"},
    {EINVAL, "argument invalide"},
    {ETXTBSY, "le fichier est en cours d'utilisation"},
};

// What the project and settings readers say, word for word.
constexpr std::pair<const char*, const char*> kReaderTexts[] = {
    {"Stream read error", "le fichier se termine avant la fin de ses données"},
    {"Stream write error", "l'écriture s'est interrompue"},
    {"Invalid property value", "une valeur n'est pas du type attendu"},
};

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

std::string Quoted(std::string_view text)
{
    return "« " + std::string(text) + " »";
}

// "Cannot open file \"<path>\". <reason>": the path and the reason.
bool SplitFileText(std::string_view text, std::string_view start, std::string_view& path, std::string_view& reason)
{
    if (!StartsWith(text, start))
        return false;
    const std::string_view rest = text.substr(start.size());
    const std::size_t end = rest.rfind("\". ");
    if (end == std::string_view::npos)
        return false;
    path = rest.substr(0, end);
    reason = rest.substr(end + 3);
    return true;
}

} // namespace

std::string FrenchReason(int error)
{
    for (const Reason& reason : kReasons)
        if (reason.error == error)
            return reason.french;
    return std::strerror(error);
}

std::string FrenchReason(const std::error_code& error)
{
    if (error.category() == std::generic_category() || error.category() == std::system_category())
        return FrenchReason(error.value());
    return FrenchSystemText(error.message());
}

std::string FrenchSystemText(std::string_view text)
{
    for (const auto& [english, french] : kReaderTexts)
        if (text == english)
            return french;
    if (text == kNotRegularFileReason)
        return "ce n'est pas un fichier ordinaire, mais un tube, un périphérique ou une prise";
    std::string_view path;
    std::string_view reason;
    if (SplitFileText(text, "Cannot open file \"", path, reason))
        return "impossible d'ouvrir " + Quoted(path) + " : " + FrenchSystemText(reason);
    if (SplitFileText(text, "Cannot create file \"", path, reason))
        return "impossible de créer " + Quoted(path) + " : " + FrenchSystemText(reason);
    if (constexpr std::string_view unable = "Unable to write to "; StartsWith(text, unable))
        return "impossible d'écrire dans " + Quoted(text.substr(unable.size()));
    for (const Reason& known : kReasons)
        if (text == std::strerror(known.error))
            return known.french;
    return std::string(text);
}

std::string FrenchErrorMessage(std::string_view what)
{
    std::string message = FrenchSystemText(what);
    if (message != what && !message.empty() && message[0] >= 'a' && message[0] <= 'z')
        message[0] = static_cast<char>(message[0] - 'a' + 'A');
    return message;
}

} // namespace sw
