#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

class TEventList;

// The name of a picture's copy in the image folder (plain ASCII):
// the source's stem with its accents stripped, every character other than a
// letter, a digit, "-", "_" or "." written "_", and ".jpg" for extension,
// since every imported picture is a JPEG. Dots inside the stem stay
// ("plan.1.png" gives "plan.1.jpg"), dots at either end go, so that the copy is
// never a hidden file; a stem left empty gives "image.jpg". The stem is cut to
// kMaxPictureStem characters.
std::string SafePictureName(const std::filesystem::path& source);

inline constexpr std::size_t kMaxPictureStem = 120;

// The most pixels a picture may have to be decoded at all: a small file that
// claims a huge size (a PNG of 30,000 × 30,000) is refused from its header,
// before any memory is taken for it.
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;

// Whether the JPEG's bytes reach the end marker of its image: a file cut short
// (an interrupted copy or download) does not. The markers are walked from the
// start, so that the end of an EXIF thumbnail is not taken for the image's.
bool JpegIsComplete(std::string_view bytes);

// Puts the bytes in the image folder, created when missing, under safeName
// or, when a different file already has that name, under "<stem>-2<ext>",
// "<stem>-3<ext>"…; when one of those names already holds the same bytes,
// nothing is written, so that a picture imported twice is kept once. The file
// is written atomically. Returns the name used. Throws sw::Error
// "L'image « <name> » ne peut pas être écrite dans le dossier « <folder> » : <reason>".
std::string PlacePictureBytes(const std::filesystem::path& imgDir, const std::string& safeName,
                              std::string_view bytes);

// For a project saved under a new site folder: copies every picture the shots
// use (start and end images with a plain name, each once) from the old image
// folder to the new one, created when needed. A file of the same name already
// in the new folder is kept: with the same bytes it counts as copied, with
// other bytes the picture is reported. A missing source or a failed copy is
// reported too. Returns the reported names in the order the
// shots first use them; nothing to do when both folders are the same.
std::vector<std::string> CopyProjectPictures(const TEventList& shots, const std::filesystem::path& fromImgDir,
                                             const std::filesystem::path& toImgDir);

} // namespace sw
