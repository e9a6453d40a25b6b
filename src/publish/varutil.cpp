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

namespace sw {

namespace {

// True when text holds at least one multi-byte UTF-8 sequence and nothing
// that is not UTF-8.
bool LooksLikeUtf8(std::string_view text)
{
    bool multiByte = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0x80)
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

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
        std::string reason = error ? error.message() : std::string("raison inconnue");
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

// The user's locale may write UTF-8; the site is Windows-1252.
std::string InSiteCodePage(std::string text)
{
    if (LooksLikeUtf8(text))
        text = Utf8ToCp1252(text);
    return text;
}

} // namespace

std::string NowText(const std::tm& moment, const std::locale& locale)
{
    return InSiteCodePage(DayName(moment.tm_wday + 1) + ", " + FormatTime(moment, locale, 'x') + "  "
                          + FormatTime(moment, locale, 'X'));
}

std::string NowText()
{
    return NowText(LocalNow(), UserLocale());
}

std::string ShortDateText(const std::tm& moment, const std::locale& locale)
{
    return InSiteCodePage(FormatTime(moment, locale, 'x'));
}

std::string ShortDateText()
{
    return ShortDateText(LocalNow(), UserLocale());
}

} // namespace sw
