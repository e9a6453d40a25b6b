#include "publish/varutil.h"

#include <array>
#include <ctime>
#include <iterator>
#include <locale>
#include <sstream>
#include <system_error>

#include "model/cp1252.h"
#include "model/error.h"
#include "model/notifier.h"
#include "model/textconv.h"
#include "model/systemtext.h"

namespace sw {

namespace {

std::locale UserLocale()
{
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::string FormatTime(const std::tm& moment, const std::locale& locale, char conversion)
{
    // Without a locale of the user's (C or POSIX, as on many servers) the
    // date reads in the French order, not the American one of the C
    // locale: 09/12/2026.
    if (locale.name() == "C" || locale.name() == "POSIX") {
        char text[32] = {};
        const char* format = conversion == 'x' ? "%d/%m/%Y" : "%H:%M:%S";
        const std::size_t length = std::strftime(text, sizeof text, format, &moment);
        return std::string(text, length);
    }
    std::ostringstream stream;
    stream.imbue(locale);
    const auto& facet = std::use_facet<std::time_put<char>>(locale);
    facet.put(std::ostreambuf_iterator<char>(stream), stream, ' ', &moment, conversion);
    return stream.str();
}

} // namespace

void EnsureDirectory(const std::filesystem::path& path, bool announce, Notifier* notifier)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return;
    if (std::filesystem::exists(path, error))
        throw Error("Le répertoire " + path.string() + " ne peut pas être créé : un fichier porte déjà ce nom.");
    std::filesystem::create_directories(path, error);
    // A path the system cannot even look at (too long a name, no access)
    // fails here with the reason of the creation, not an exception of its own.
    std::error_code lookError;
    if (!std::filesystem::is_directory(path, lookError)) {
        std::string reason = error ? FrenchReason(error) : std::string("raison inconnue");
        throw Error("Le répertoire " + path.string() + " n'a pas pu être créé (" + reason + ").");
    }
    if (announce && notifier != nullptr)
        notifier->Inform("Le répertoire " + path.string() + " vient d'être créé.");
}

std::string StripExtension(std::string_view text)
{
    const std::string trimmed = Trim(text);
    return trimmed.substr(0, trimmed.find('.'));
}

std::filesystem::path SiteFolderOf(const std::filesystem::path& projectFile)
{
    const std::string name = projectFile.filename().string();
    const std::string stem = name.substr(0, name.find('.'));
    if (stem.empty())
        throw Error("Le nom du fichier " + projectFile.string()
                    + " ne permet pas de nommer le dossier du site : il ne doit pas commencer par un point.");
    return projectFile.parent_path() / stem;
}

std::filesystem::path ImageFolderOf(const std::filesystem::path& siteFolder)
{
    return siteFolder / "img";
}

std::string DayName(int day)
{
    static constexpr std::array<const char*, 7> kNames = {
        "Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"};
    if (day < 1 || day > 7)
        return {};
    return kNames[static_cast<std::size_t>(day - 1)];
}

namespace {

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// The user's locale may write its own 8-bit code page rather than UTF-8.
std::string AsModelText(std::string text)
{
    return IsValidUtf8(text) ? text : Cp1252ToUtf8(text);
}

} // namespace

std::string NowText(const std::tm& moment, const std::locale& locale)
{
    return AsModelText(DayName(moment.tm_wday + 1) + ", " + FormatTime(moment, locale, 'x') + "  "
                          + FormatTime(moment, locale, 'X'));
}

std::string NowText()
{
    return NowText(LocalNow(), UserLocale());
}

std::string ShortDateText(const std::tm& moment, const std::locale& locale)
{
    return AsModelText(FormatTime(moment, locale, 'x'));
}

std::string ShortDateText()
{
    return ShortDateText(LocalNow(), UserLocale());
}

} // namespace sw
