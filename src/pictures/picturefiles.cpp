#include "pictures/picturefiles.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QString>

#include "model/error.h"
#include "model/filebytes.h"
#include "model/pictureimport.h"

namespace sw {

namespace {

constexpr int kJpegQuality = 90;
constexpr std::string_view kJpegStart = "\xFF\xD8\xFF";

QString ToQString(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

[[noreturn]] void ThrowNotAPicture(const std::filesystem::path& source)
{
    throw Error("Le fichier « " + source.filename().string() + " » n'est pas une image lisible.");
}

// Whether a picture of that stored size may be decoded (kMaxPicturePixels).
bool IsDecodableSize(QSize size)
{
    return size.isValid() && static_cast<std::int64_t>(size.width()) * size.height() <= kMaxPicturePixels;
}

// The bytes a GIF's header starts with, then its screen's width and height.
constexpr std::string_view kGifStarts[] = {"GIF87a", "GIF89a"};
constexpr std::size_t kGifHeaderSize = 10;

// The size the decoder fills for a picture whose reader tells stored and
// whose file starts with head: a GIF's decoder paints its whole logical
// screen, which its header gives and which may be far larger than the
// image the reader tells of.
QSize DecodedSize(QSize stored, std::string_view head)
{
    const bool gif = head.size() >= kGifHeaderSize
        && (head.substr(0, 6) == kGifStarts[0] || head.substr(0, 6) == kGifStarts[1]);
    if (!gif || !stored.isValid())
        return stored;
    const auto byte = [head](std::size_t at) { return static_cast<int>(static_cast<unsigned char>(head[at])); };
    const QSize screen(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8);
    return stored.expandedTo(screen);
}

// The first bytes of a file, as many as a header needs.
std::string FileHead(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string head(kGifHeaderSize, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

// Qt refuses to allocate more than this for one picture, whatever its header
// claims: four bytes for each of the most pixels allowed, and some room.
constexpr int kAllocationLimitMegabytes = 512;

void LimitPictureMemory()
{
    static const bool limited = [] {
        QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
        return true;
    }();
    (void)limited;
}

bool IsJpeg(std::string_view bytes)
{
    return bytes.substr(0, kJpegStart.size()) == kJpegStart;
}

bool IsQuarterTurn(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// The size that fits within box in the proportions of size.
QSize FittedSize(QSize size, QSize box)
{
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The stored size scaled down so that its longer side is maxSide; the same
// size when it is small enough or maxSide is 0.
QSize ImportedSize(QSize stored, int maxSide)
{
    if (maxSide <= 0 || std::max(stored.width(), stored.height()) <= maxSide)
        return stored;
    return FittedSize(stored, QSize(maxSide, maxSide));
}

// JPEG has no transparency: transparent parts show the white of a page.
QImage OnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    painter.end();
    return opaque;
}

QByteArray EncodeJpeg(const QImage& image, const std::filesystem::path& source, int quality = kJpegQuality)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(OnWhite(image)))
        throw Error("L'image « " + source.filename().string() + " » ne peut pas être convertie en JPEG : "
                    + writer.errorString().toStdString());
    return encoded;
}

// Decodes the picture at the given stored size, then turns it upright. The
// reader scales while decoding where the format allows it (a JPEG is decoded
// at a fraction of its size), and smoothly otherwise.
// The picture read at size (upright when the reader turns it). Some readers
// (a GIF's, whose screen can be far larger than its image) give another
// size than asked: the image is then scaled here, so that what comes out
// is never larger than what was asked for.
QImage ReadAtSize(QImageReader& reader, QSize size)
{
    QImage image = reader.read();
    if (image.isNull() || image.size() == size)
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage DecodeUpright(QImageReader& reader, QSize storedSize, const std::filesystem::path& source)
{
    reader.setAutoTransform(true);
    if (storedSize != reader.size())
        reader.setScaledSize(storedSize);
    QImage image = ReadAtSize(reader, IsQuarterTurn(reader.transformation()) ? storedSize.transposed() : storedSize);
    if (image.isNull())
        ThrowNotAPicture(source);
    return image;
}

} // namespace

std::string ImportPicture(const std::filesystem::path& source, const std::filesystem::path& imgDir, int maxSide)
{
    LimitPictureMemory();
    std::string bytes;
    if (TryReadFileBytes(source, bytes))
        ThrowNotAPicture(source);

    // The reader works on the bytes in place: a 12-megapixel photo is not copied.
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || !stored.isValid())
        ThrowNotAPicture(source);
    // A JPEG cut short still decodes, grey at the bottom: it is refused
    // rather than copied as if whole.
    if (IsJpeg(bytes) && !JpegIsComplete(bytes))
        throw Error("Le fichier « " + source.filename().string() + " » n'est pas une image lisible : il est tronqué.");
    if (const QSize decoded = DecodedSize(stored, bytes); !IsDecodableSize(decoded))
        throw Error("Le fichier « " + source.filename().string() + " » est une image trop grande ("
                    + std::to_string(decoded.width()) + " × " + std::to_string(decoded.height())
                    + " pixels ; " + std::to_string(kMaxPicturePixels / 1'000'000) + " millions au plus).");

    const QSize wanted = ImportedSize(stored, maxSide);
    const bool keepsBytes = IsJpeg(bytes) && reader.format() == "jpeg" && wanted == stored
        && reader.transformation() == QImageIOHandler::TransformationNone;
    if (keepsBytes)
        return PlacePictureBytes(imgDir, SafePictureName(source), bytes);

    const QByteArray encoded = EncodeJpeg(DecodeUpright(reader, wanted, source), source);
    return PlacePictureBytes(imgDir, SafePictureName(source),
                             std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

QImage LoadPictureForBox(const std::filesystem::path& file, QSize box)
{
    // A pipe would keep the reader waiting for its writer, a device reading
    // without end: only a regular file is a picture.
    if (box.isEmpty() || !IsRegularFile(file))
        return {};
    LimitPictureMemory();
    QImageReader reader(ToQString(file));
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    if (!IsDecodableSize(DecodedSize(stored, FileHead(file))))
        return {};
    // The box holds the upright picture; the reader scales the stored one.
    const bool turned = IsQuarterTurn(reader.transformation());
    const QSize upright = turned ? stored.transposed() : stored;
    const QSize fitted = FittedSize(upright, box);
    reader.setAutoTransform(true);
    reader.setScaledSize(turned ? fitted.transposed() : fitted);
    return ReadAtSize(reader, fitted);
}

bool IsReadablePicture(const std::filesystem::path& file)
{
    if (!IsRegularFile(file))
        return false;
    QImageReader reader(ToQString(file));
    reader.setDecideFormatFromContent(true);
    return reader.canRead() && reader.size().isValid();
}

bool ClaimsTooManyPixels(const std::filesystem::path& file)
{
    if (!IsRegularFile(file))
        return false;
    QImageReader reader(ToQString(file));
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    return stored.isValid() && !IsDecodableSize(DecodedSize(stored, FileHead(file)));
}

QStringList PictureNameFilters()
{
    // Qt names its formats in lower case, in order; a file system that tells
    // case apart needs both spellings of each extension.
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString extension = QString::fromLatin1(format).toLower();
        const QString lower = QStringLiteral("*.") + extension;
        if (patterns.contains(lower))
            continue;
        patterns << lower << QStringLiteral("*.") + extension.toUpper();
    }
    return {QStringLiteral("Images (%1)").arg(patterns.join(QLatin1Char(' '))), QStringLiteral("Tous les fichiers (*)")};
}

namespace {

// The qualities of the pocket plan's pictures: small files that still look
// sharp on a phone.
constexpr int kPocketJpegQuality = 80;
constexpr int kPocketThumbnailQuality = 75;

PocketPicture PocketJpeg(const QImage& image, const std::filesystem::path& source, int quality)
{
    const QByteArray encoded = EncodeJpeg(image, source, quality);
    return {std::string(encoded.constData(), static_cast<std::size_t>(encoded.size())), image.width(), image.height()};
}

} // namespace

PocketPictureSizes MakePocketPictureSizes(const std::filesystem::path& file)
{
    LimitPictureMemory();
    std::string bytes;
    if (!IsRegularFile(file) || TryReadFileBytes(file, bytes))
        ThrowNotAPicture(file);
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || !IsDecodableSize(DecodedSize(stored, bytes)))
        ThrowNotAPicture(file);
    const bool turned = IsQuarterTurn(reader.transformation());
    const QSize upright = turned ? stored.transposed() : stored;
    const QSize wanted = ImportedSize(upright, kPocketPictureSide);
    // A whole JPEG small enough and upright goes in as it is.
    const bool keepsBytes = IsJpeg(bytes) && JpegIsComplete(bytes) && reader.format() == "jpeg" && wanted == upright
        && reader.transformation() == QImageIOHandler::TransformationNone;
    PocketPictureSizes sizes;
    QImage shot;
    if (keepsBytes) {
        sizes.shot = {bytes, stored.width(), stored.height()};
        const QSize thumbnail = ImportedSize(stored, kPocketThumbnailSide);
        reader.setScaledSize(thumbnail);
        shot = ReadAtSize(reader, thumbnail);
        if (shot.isNull())
            ThrowNotAPicture(file);
    } else {
        reader.setAutoTransform(true);
        reader.setScaledSize(turned ? wanted.transposed() : wanted);
        shot = ReadAtSize(reader, wanted);
        if (shot.isNull())
            ThrowNotAPicture(file);
        sizes.shot = PocketJpeg(shot, file, kPocketJpegQuality);
    }
    const QSize thumbnail = ImportedSize(shot.size(), kPocketThumbnailSide);
    sizes.thumbnail = PocketJpeg(thumbnail == shot.size() ? shot
                                                         : shot.scaled(thumbnail, Qt::IgnoreAspectRatio,
                                                                       Qt::SmoothTransformation),
                                 file, kPocketThumbnailQuality);
    return sizes;
}

} // namespace sw
