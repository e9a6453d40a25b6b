#pragma once

#include <filesystem>
#include <string>

#include <QImage>
#include <QSize>
#include <QStringList>

#include "publish/pocketplan.h"
// IsPictureFileName, the chooser's rule, is a naming rule of the model.
#include "model/picturename.h"

namespace sw {

// Brings a picture from anywhere into the image folder and returns the name
// of its copy there (plain ASCII; see SafePictureName and
// PlacePictureBytes). A JPEG (recognised by its content) that needs no EXIF
// rotation and whose longer side is at most maxSide is copied byte for byte;
// any other picture is turned upright, scaled down so that its longer side is
// maxSide (never enlarged) and written as a JPEG of quality 90. maxSide 0
// keeps every size. Throws sw::Error "Le fichier « <name> » n'est pas une
// image lisible." and writes nothing when the source is not a readable picture
// (also a JPEG cut short, « … : il est tronqué. »), or « … est une image trop
// grande … » when its header claims more than kMaxPicturePixels.
std::string ImportPicture(const std::filesystem::path& source, const std::filesystem::path& imgDir, int maxSide);

// The picture decoded once at the largest size that fits the box in its
// proportions (a large photo is never decoded whole), turned upright from its
// EXIF orientation. A null image when the file cannot be read as a picture, is
// no regular file (a pipe, a device: never waited for), claims more than
// kMaxPicturePixels, or the box is empty.
QImage LoadPictureForBox(const std::filesystem::path& file, QSize box);

// Whether the file is a picture Qt can read, from its header alone: a regular
// file of a known format with a size. The picture chooser lists these.
bool IsReadablePicture(const std::filesystem::path& file);

// Whether the header of the picture file claims more than kMaxPicturePixels,
// which no one decodes; false for a file that is no picture or no regular file.
bool ClaimsTooManyPixels(const std::filesystem::path& file);

// The pocket plan's two sizes of a picture file (PocketPictureMaker):
// upright, scaled down (never up) to kPocketPictureSide and
// kPocketThumbnailSide, as JPEG; a whole upright JPEG small enough keeps its
// bytes. Throws sw::Error as ImportPicture does for a file that is no
// readable picture or claims too many pixels. Safe on any thread.
PocketPictureSizes MakePocketPictureSizes(const std::filesystem::path& file);

// The file dialog's filters: "Images (*.bmp *.BMP *.gif *.GIF *.jpg …)" with
// every format Qt can read here, then "Tous les fichiers (*)".
QStringList PictureNameFilters();

} // namespace sw
