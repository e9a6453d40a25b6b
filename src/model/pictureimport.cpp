#include "model/pictureimport.h"

#include <set>
#include <system_error>

#include "model/utf8.h"
#include "model/error.h"
#include "model/eventlist.h"
#include "model/filebytes.h"
#include "model/picturename.h"
#include "model/textconv.h"
#include "model/systemtext.h"

namespace sw {

namespace {

constexpr std::string_view kPictureExtension = ".jpg";
constexpr std::string_view kEmptyStemName = "image";
// Enough for any folder a user fills by hand; past it something is wrong.
constexpr int kMaxNameAttempts = 10000;

bool IsKeptInName(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || c == '.';
}

std::string WithoutEndDots(std::string text)
{
    const std::size_t first = text.find_first_not_of('.');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of('.');
    return text.substr(first, last - first + 1);
}

// The stem in plain letters, one "_" for each character that has none, cut
// to kMaxPictureStem characters.
std::string SafeStem(const std::filesystem::path& source)
{
    const std::string stripped = StripAccents(ValidUtf8(source.stem().string()));
    std::string stem;
    stem.reserve(stripped.size());
    for (std::size_t pos = 0; pos < stripped.size();) {
        const char32_t cp = DecodeUtf8(stripped, pos);
        stem += cp < 0x80 && IsKeptInName(static_cast<char>(cp)) ? static_cast<char>(cp) : '_';
    }
    stem = WithoutEndDots(std::move(stem));
    if (stem.size() > kMaxPictureStem)
        stem = WithoutEndDots(stem.substr(0, kMaxPictureStem));
    return stem;
}

// safeName for attempt 1, "<stem>-<attempt><ext>" after it.
std::string CandidateName(const std::string& safeName, int attempt)
{
    if (attempt == 1)
        return safeName;
    const std::size_t dot = safeName.rfind('.');
    const std::size_t stemEnd = dot == std::string::npos || dot == 0 ? safeName.size() : dot;
    return safeName.substr(0, stemEnd) + "-" + std::to_string(attempt) + safeName.substr(stemEnd);
}

std::string Quoted(std::string_view utf8)
{
    return "« " + std::string(utf8) + " »";
}

[[noreturn]] void ThrowCannotPlace(const std::filesystem::path& imgDir, const std::string& name,
                                   const std::string& reason)
{
    throw Error("L'image " + Quoted(name) + " ne peut pas être écrite dans le dossier "
                + Quoted(imgDir.string()) + " : " + reason);
}

enum class Occupant { Nothing, SameBytes, OtherFile };

// What the file at that place is, compared with the bytes. A file that
// cannot be read counts as another one, so that it is never replaced.
Occupant OccupantOf(const std::filesystem::path& file, std::string_view bytes)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return Occupant::Nothing;
    if (!std::filesystem::is_regular_file(std::filesystem::status(file, error)))
        return Occupant::OtherFile;
    if (std::filesystem::file_size(file, error) != bytes.size() || error)
        return Occupant::OtherFile;
    std::string existing;
    if (TryReadFileBytes(file, existing))
        return Occupant::OtherFile;
    return existing == bytes ? Occupant::SameBytes : Occupant::OtherFile;
}

void CreateFolder(const std::filesystem::path& imgDir, const std::string& name)
{
    std::error_code error;
    std::filesystem::create_directories(imgDir, error);
    if (error)
        ThrowCannotPlace(imgDir, name, FrenchReason(error));
}

// The plain picture names the shots use, each once, in the order of first use.
std::vector<std::string> PicturesOf(const TEventList& shots)
{
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < shots.Count(); ++i) {
        const TCam& cam = shots.Event(i).cam;
        for (const std::string* name : {&cam.startImage, &cam.endImage})
            if (IsPlainPictureName(*name) && seen.insert(*name).second)
                names.push_back(*name);
    }
    return names;
}

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    // A folder that does not exist yet is the same as another only by name.
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error) && !error;
}

// Copies one picture; false when it is to be reported.
bool CopyPicture(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(from, error))
        return false;
    if (std::filesystem::equivalent(from, to, error))
        return true;
    std::string bytes;
    if (TryReadFileBytes(from, bytes))
        return false;
    switch (OccupantOf(to, bytes)) {
    case Occupant::SameBytes: return true;
    case Occupant::OtherFile: return false;
    case Occupant::Nothing: break;
    }
    return !TryWriteFileAtomically(to, bytes, LinkPolicy::ReplaceLink);
}

} // namespace

std::string SafePictureName(const std::filesystem::path& source)
{
    const std::string stem = SafeStem(source);
    return (stem.empty() ? std::string(kEmptyStemName) : stem) + std::string(kPictureExtension);
}

bool JpegIsComplete(std::string_view bytes)
{
    const auto byte = [&bytes](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    if (bytes.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return false;
    std::size_t at = 2;
    while (at + 1 < bytes.size()) {
        if (byte(at) != 0xFF)
            return false;
        const unsigned char marker = byte(at + 1);
        if (marker == 0xFF) {  // a fill byte before the marker
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // no length
        if (at + 1 >= bytes.size())
            return false;
        at += (static_cast<std::size_t>(byte(at)) << 8) | byte(at + 1);
        if (marker != 0xDA)
            continue;
        // After a scan's header come its coded data, up to the next marker
        // other than a restart: a 0xFF there is followed by 0x00.
        while (at + 1 < bytes.size()
               && !(byte(at) == 0xFF && byte(at + 1) != 0x00 && (byte(at + 1) < 0xD0 || byte(at + 1) > 0xD7)))
            ++at;
    }
    return false;
}

std::string PlacePictureBytes(const std::filesystem::path& imgDir, const std::string& safeName,
                              std::string_view bytes)
{
    if (!IsPlainPictureName(safeName))
        ThrowCannotPlace(imgDir, safeName, "ce nom n'est pas un simple nom de fichier");
    CreateFolder(imgDir, safeName);
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const std::string name = CandidateName(safeName, attempt);
        const std::filesystem::path file = imgDir / std::filesystem::path(name);
        switch (OccupantOf(file, bytes)) {
        case Occupant::SameBytes: return name;
        case Occupant::OtherFile: continue;
        case Occupant::Nothing: break;
        }
        if (const std::error_code error = TryWriteFileAtomically(file, bytes, LinkPolicy::ReplaceLink))
            ThrowCannotPlace(imgDir, name, FrenchReason(error));
        return name;
    }
    ThrowCannotPlace(imgDir, safeName, "toutes les variantes de ce nom sont déjà prises");
}

std::vector<std::string> CopyProjectPictures(const TEventList& shots, const std::filesystem::path& fromImgDir,
                                             const std::filesystem::path& toImgDir)
{
    const std::vector<std::string> pictures = PicturesOf(shots);
    if (pictures.empty() || SameFolder(fromImgDir, toImgDir))
        return {};
    std::error_code error;
    std::filesystem::create_directories(toImgDir, error);
    std::vector<std::string> notCopied;
    for (const std::string& name : pictures) {
        const auto from = PictureFile(fromImgDir, name);
        const auto to = PictureFile(toImgDir, name);
        if (!from || !to || error || !CopyPicture(*from, *to))
            notCopied.push_back(name);
    }
    return notCopied;
}

} // namespace sw
