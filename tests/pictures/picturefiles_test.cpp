#include "pictures/picturefiles.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include <sys/stat.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

#include "../core/testsupport.h"
#include "model/picturesize.h"

namespace sw {
namespace {

using test::ErrorOf;
using test::ReadAll;
using test::TemporaryFolder;
using test::WriteAll;

const QColor kRed(220, 30, 30);
const QColor kGreen(30, 200, 60);

// A picture of one colour with its top left quarter in another, so that its
// orientation shows.
QImage MarkedPicture(int width, int height, QColor corner = kRed, QColor rest = kGreen)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(rest);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, corner);
    return picture;
}

std::string Encoded(const QImage& picture, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    return bytes.toStdString();
}

// An APP1 segment holding one EXIF field: Orientation (0x0112) as a SHORT.
std::string ExifOrientationSegment(int orientation)
{
    const std::string tiff = test::Bytes({'M', 'M', 0, 0x2A, 0, 0, 0, 8,   // big-endian header, IFD at 8
                                          0, 1,                            // one entry
                                          0x01, 0x12, 0, 3, 0, 0, 0, 1,    // Orientation, SHORT, count 1
                                          0, orientation, 0, 0,            // the value, padded
                                          0, 0, 0, 0});                    // no next IFD
    const std::string payload = std::string("Exif\0\0", 6) + tiff;
    const std::size_t length = payload.size() + 2;
    return test::Bytes({0xFF, 0xE1, static_cast<int>(length >> 8), static_cast<int>(length & 0xFF)}) + payload;
}

// The JPEG with an EXIF orientation right after its start of image.
std::string WithOrientation(const std::string& jpeg, int orientation)
{
    return jpeg.substr(0, 2) + ExifOrientationSegment(orientation) + jpeg.substr(2);
}

// The picture as stored, without applying any EXIF orientation.
QImage StoredPicture(const std::filesystem::path& file)
{
    QImageReader reader(QString::fromStdString(file.string()));
    reader.setAutoTransform(false);
    return reader.read();
}

QSize StoredSize(const std::filesystem::path& file)
{
    return QImageReader(QString::fromStdString(file.string())).size();
}

bool IsJpegFile(const std::filesystem::path& file)
{
    return ReadAll(file).rfind("\xFF\xD8\xFF", 0) == 0;
}

// Whether two colours are equal within what JPEG compression changes.
bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40
        && std::abs(a.blue() - b.blue()) < 40;
}

::testing::AssertionResult ColourAt(const QImage& picture, int x, int y, QColor expected)
{
    const QColor found = picture.pixelColor(x, y);
    if (Near(found, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << x << "," << y << ": " << found.name().toStdString()
                                         << " instead of " << expected.name().toStdString();
}

TEST(ImportPicture, ALargePngBecomesAJpegOf1600Pixels)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "Téléchargements" / "grande scène.png";
    WriteAll(source, Encoded(MarkedPicture(4000, 3000), "png", 100));
    const auto imgDir = folder.Path() / "site" / "img";

    EXPECT_EQ(ImportPicture(source, imgDir, 1600), "grande_scene.jpg");
    const auto copy = imgDir / "grande_scene.jpg";
    EXPECT_TRUE(IsJpegFile(copy));
    const QImage imported = StoredPicture(copy);
    EXPECT_EQ(imported.size(), QSize(1600, 1200));
    EXPECT_TRUE(ColourAt(imported, 10, 10, kRed));
    EXPECT_TRUE(ColourAt(imported, 1590, 1190, kGreen));
}

TEST(ImportPicture, ASmallJpegIsCopiedByteForByte)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "IMG_0042.JPG";
    const std::string jpeg = Encoded(MarkedPicture(800, 600), "jpeg", 75);
    WriteAll(source, jpeg);

    EXPECT_EQ(ImportPicture(source, folder.Path() / "img", 1600), "IMG_0042.jpg");
    EXPECT_EQ(ReadAll(folder.Path() / "img" / "IMG_0042.jpg"), jpeg);
}

TEST(ImportPicture, MaxSideZeroKeepsTheSizeOfAJpeg)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "large.jpg";
    const std::string jpeg = Encoded(MarkedPicture(2400, 1000), "jpeg", 75);
    WriteAll(source, jpeg);

    EXPECT_EQ(ImportPicture(source, folder.Path() / "img", 0), "large.jpg");
    EXPECT_EQ(ReadAll(folder.Path() / "img" / "large.jpg"), jpeg);
}

TEST(ImportPicture, ALargerJpegIsScaledDownInItsProportions)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "wide.jpg";
    WriteAll(source, Encoded(MarkedPicture(2400, 1000), "jpeg", 75));

    ImportPicture(source, folder.Path() / "img", 1200);
    EXPECT_EQ(StoredSize(folder.Path() / "img" / "wide.jpg"), QSize(1200, 500));
}

// A GIF whose screen is 52,993 pixels wide and one high, holding one pixel:
// whatever its reader gives, the copy is within the size asked.
TEST(ImportPicture, AGifWithAHugeScreenAndATinyImageIsWithinTheSizeAsked)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "bande.gif";
    const std::string gif("GIF89a\x01\xcf\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                          "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;", 43);
    WriteAll(source, gif);
    const std::string name = ImportPicture(source, folder.Path() / "img", 100);
    const QSize stored = QImageReader(QString::fromStdString((folder.Path() / "img" / name).string())).size();
    EXPECT_TRUE(stored.isValid());
    EXPECT_LE(std::max(stored.width(), stored.height()), 100) << stored.width() << " x " << stored.height();
}

// A GIF's decoder paints its whole screen: one of 52,993 x 2,049 pixels
// around a one-pixel image is too large, however small the image.
TEST(ImportPicture, AGifWhoseScreenIsOverThePixelLimitIsRefused)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "ecran.gif";
    const std::string gif("GIF89a\x01\xcf\x01\x08\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                          "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;", 43);
    WriteAll(source, gif);
    EXPECT_EQ(test::ErrorOf([&] { ImportPicture(source, folder.Path() / "img", 100); }),
              "Le fichier « ecran.gif » est une image trop grande (52993 × 2049 pixels ; 100 millions au plus).");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "img"));
    EXPECT_TRUE(LoadPictureForBox(source, QSize(152, 113)).isNull());
    EXPECT_TRUE(ClaimsTooManyPixels(source));
}

TEST(ImportPicture, APictureIsNeverEnlarged)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "tiny.png";
    WriteAll(source, Encoded(MarkedPicture(120, 90), "png"));

    ImportPicture(source, folder.Path() / "img", 1600);
    EXPECT_EQ(StoredSize(folder.Path() / "img" / "tiny.jpg"), QSize(120, 90));
}

TEST(ImportPicture, AnExifRotatedJpegComesOutUpright)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "portrait.jpg";
    // Orientation 6: the stored picture is shown turned a quarter clockwise,
    // so that its top left corner comes to the top right.
    WriteAll(source, WithOrientation(Encoded(MarkedPicture(400, 200), "jpeg", 95), 6));
    ASSERT_EQ(QImageReader(QString::fromStdString(source.string())).transformation(),
              QImageIOHandler::TransformationRotate90);

    EXPECT_EQ(ImportPicture(source, folder.Path() / "img", 1600), "portrait.jpg");
    const QImage imported = StoredPicture(folder.Path() / "img" / "portrait.jpg");
    EXPECT_EQ(imported.size(), QSize(200, 400));
    EXPECT_TRUE(ColourAt(imported, 190, 10, kRed));
    EXPECT_TRUE(ColourAt(imported, 10, 10, kGreen));
    EXPECT_TRUE(ColourAt(imported, 190, 390, kGreen));
}

TEST(ImportPicture, TheFormatIsTakenFromTheContent)
{
    TemporaryFolder folder;
    const auto pngNamedJpg = folder.Path() / "a.jpg";
    WriteAll(pngNamedJpg, Encoded(MarkedPicture(64, 48), "png"));
    const auto jpegNamedPng = folder.Path() / "b.png";
    const std::string jpeg = Encoded(MarkedPicture(64, 48), "jpeg");
    WriteAll(jpegNamedPng, jpeg);
    const auto imgDir = folder.Path() / "img";

    EXPECT_EQ(ImportPicture(pngNamedJpg, imgDir, 1600), "a.jpg");
    EXPECT_TRUE(IsJpegFile(imgDir / "a.jpg"));
    EXPECT_EQ(ImportPicture(jpegNamedPng, imgDir, 1600), "b.jpg");
    EXPECT_EQ(ReadAll(imgDir / "b.jpg"), jpeg);
}

TEST(ImportPicture, TransparentPartsBecomeWhite)
{
    TemporaryFolder folder;
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const auto source = folder.Path() / "logo.png";
    WriteAll(source, Encoded(picture, "png"));

    ImportPicture(source, folder.Path() / "img", 1600);
    EXPECT_TRUE(ColourAt(StoredPicture(folder.Path() / "img" / "logo.jpg"), 20, 20, Qt::white));
}

TEST(ImportPicture, ABmpIsConverted)
{
    TemporaryFolder folder;
    const auto source = folder.Path() / "scan.bmp";
    WriteAll(source, Encoded(MarkedPicture(64, 48), "bmp"));

    EXPECT_EQ(ImportPicture(source, folder.Path() / "img", 1600), "scan.jpg");
    EXPECT_TRUE(IsJpegFile(folder.Path() / "img" / "scan.jpg"));
    EXPECT_EQ(StoredSize(folder.Path() / "img" / "scan.jpg"), QSize(64, 48));
}

TEST(ImportPicture, AGifIsConverted)
{
    // Qt reads GIF but does not write it: one red pixel, spelled out.
    const std::string redPixel = test::Bytes({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,
                                              0xFF, 0, 0, 0, 0, 0,                      // red, black
                                              ',', 0, 0, 0, 0, 1, 0, 1, 0, 0,            // the image
                                              2, 2, 0x44, 0x01, 0, ';'});
    TemporaryFolder folder;
    const auto source = folder.Path() / "pixel.gif";
    WriteAll(source, redPixel);

    EXPECT_EQ(ImportPicture(source, folder.Path() / "img", 1600), "pixel.jpg");
    const QImage imported = StoredPicture(folder.Path() / "img" / "pixel.jpg");
    EXPECT_EQ(imported.size(), QSize(1, 1));
    EXPECT_TRUE(ColourAt(imported, 0, 0, QColor(255, 0, 0)));
}

TEST(ImportPicture, AWebPIsConverted)
{
    if (!QImageReader::supportedImageFormats().contains("webp") || !QImageWriter::supportedImageFormats().contains("webp"))
        GTEST_SKIP() << "no WebP plugin here (qt6-image-formats-plugins)";
    TemporaryFolder folder;
    const auto source = folder.Path() / "from the web.webp";
    WriteAll(source, Encoded(MarkedPicture(2000, 1000), "webp", 90));

    EXPECT_EQ(ImportPicture(source, folder.Path() / "img", 1600), "from_the_web.jpg");
    const QImage imported = StoredPicture(folder.Path() / "img" / "from_the_web.jpg");
    EXPECT_TRUE(IsJpegFile(folder.Path() / "img" / "from_the_web.jpg"));
    EXPECT_EQ(imported.size(), QSize(1600, 800));
    EXPECT_TRUE(ColourAt(imported, 10, 10, kRed));
}

TEST(ImportPicture, TheSamePictureTwiceIsKeptOnceAndAnotherOfThatNameIsNumbered)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path() / "img";
    const auto first = folder.Path() / "a" / "plan.jpg";
    const auto second = folder.Path() / "b" / "plan.jpg";
    WriteAll(first, Encoded(MarkedPicture(64, 48), "jpeg"));
    WriteAll(second, Encoded(MarkedPicture(64, 48, kGreen, kRed), "jpeg"));

    EXPECT_EQ(ImportPicture(first, imgDir, 1600), "plan.jpg");
    EXPECT_EQ(ImportPicture(first, imgDir, 1600), "plan.jpg");
    EXPECT_EQ(ImportPicture(second, imgDir, 1600), "plan-2.jpg");
    EXPECT_EQ(ImportPicture(second, imgDir, 1600), "plan-2.jpg");
}

TEST(ImportPicture, AFileThatIsNoPictureGivesTheErrorAndWritesNothing)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path() / "img";
    const auto pdf = folder.Path() / "découpage.pdf";
    WriteAll(pdf, "%PDF-1.4\n1 0 obj << >> endobj\n");
    const auto brokenJpeg = folder.Path() / "broken.jpg";
    WriteAll(brokenJpeg, "\xFF\xD8\xFF\xE0 not really");

    EXPECT_EQ(ErrorOf([&] { ImportPicture(pdf, imgDir, 1600); }),
              "Le fichier « découpage.pdf » n'est pas une image lisible.");
    EXPECT_EQ(ErrorOf([&] { ImportPicture(brokenJpeg, imgDir, 1600); }),
              "Le fichier « broken.jpg » n'est pas une image lisible.");
    EXPECT_EQ(ErrorOf([&] { ImportPicture(folder.Path() / "gone.png", imgDir, 1600); }),
              "Le fichier « gone.png » n'est pas une image lisible.");
    EXPECT_FALSE(std::filesystem::exists(imgDir));
}

TEST(LoadPictureForBox, FitsTheBoxInThePicturesProportions)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "photo.jpg";
    WriteAll(file, Encoded(MarkedPicture(4000, 3000), "jpeg"));

    const QImage shown = LoadPictureForBox(file, QSize(152, 113));
    EXPECT_EQ(shown.size(), QSize(150, 113));
    EXPECT_TRUE(ColourAt(shown, 5, 5, kRed));
    EXPECT_TRUE(ColourAt(shown, 145, 108, kGreen));
}

TEST(LoadPictureForBox, ASmallPictureFillsTheBox)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "small.png";
    WriteAll(file, Encoded(MarkedPicture(40, 20), "png"));
    EXPECT_EQ(LoadPictureForBox(file, QSize(152, 113)).size(), QSize(152, 76));
}

TEST(LoadPictureForBox, AnExifRotatedPictureIsShownUpright)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "portrait.jpg";
    WriteAll(file, WithOrientation(Encoded(MarkedPicture(400, 200), "jpeg", 95), 6));

    const QImage shown = LoadPictureForBox(file, QSize(152, 113));
    EXPECT_EQ(shown.size(), QSize(56, 113));
    EXPECT_TRUE(ColourAt(shown, 50, 5, kRed));
    EXPECT_TRUE(ColourAt(shown, 5, 5, kGreen));
}

TEST(LoadPictureForBox, NothingForAFileThatIsNoPictureOrAnEmptyBox)
{
    TemporaryFolder folder;
    const auto text = folder.Path() / "notes.jpg";
    WriteAll(text, "not a picture");
    const auto picture = folder.Path() / "plan.png";
    WriteAll(picture, Encoded(MarkedPicture(40, 20), "png"));

    EXPECT_TRUE(LoadPictureForBox(text, QSize(152, 113)).isNull());
    EXPECT_TRUE(LoadPictureForBox(folder.Path() / "gone.jpg", QSize(152, 113)).isNull());
    EXPECT_TRUE(LoadPictureForBox(picture, QSize(0, 113)).isNull());
}

TEST(PictureLimits, APictureClaimingTooManyPixelsIsRefusedFromItsHeader)
{
    TemporaryFolder folder;
    const auto huge = folder.Path() / "immense.png";
    WriteAll(huge, test::PngHeaderClaiming(30000, 30000));
    EXPECT_EQ(ErrorOf([&] { ImportPicture(huge, folder.Path() / "img", 1600); }),
              "Le fichier « immense.png » est une image trop grande (30000 × 30000 pixels ; 100 millions au plus).");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "img"));
    EXPECT_TRUE(LoadPictureForBox(huge, QSize(160, 120)).isNull());
    // Just under the limit the header is accepted: the refusal is the limit's.
    WriteAll(huge, test::PngHeaderClaiming(10000, 10000));
    EXPECT_EQ(ErrorOf([&] { ImportPicture(huge, folder.Path() / "img", 1600); }),
              "Le fichier « immense.png » n'est pas une image lisible.");
}

TEST(PictureLimits, AJpegCutShortIsUnreadableNeverCopied)
{
    TemporaryFolder folder;
    const std::string whole = Encoded(MarkedPicture(320, 240), "jpeg", 90);
    const auto cut = folder.Path() / "coupee.jpg";
    WriteAll(cut, whole.substr(0, whole.size() * 2 / 3));
    EXPECT_EQ(ErrorOf([&] { ImportPicture(cut, folder.Path() / "img", 1600); }),
              "Le fichier « coupee.jpg » n'est pas une image lisible : il est tronqué.");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "img" / "coupee.jpg"));
    WriteAll(cut, whole);
    EXPECT_EQ(ImportPicture(cut, folder.Path() / "img", 1600), "coupee.jpg");
    EXPECT_EQ(ReadAll(folder.Path() / "img" / "coupee.jpg"), whole);
}

TEST(PictureNameFilters, ListTheReadableFormatsInBothCasesThenEveryFile)
{
    const QStringList filters = PictureNameFilters();
    ASSERT_EQ(filters.size(), 2);
    const QString images = filters.front();
    EXPECT_TRUE(images.startsWith("Images (")) << images.toStdString();
    EXPECT_TRUE(images.endsWith(")"));
    const QString inside = images.mid(8, images.size() - 9);
    const QStringList patterns = inside.split(' ');
    for (const char* pattern : {"*.jpg", "*.JPG", "*.jpeg", "*.JPEG", "*.png", "*.PNG", "*.bmp", "*.gif"})
        EXPECT_TRUE(patterns.contains(pattern)) << pattern << " in " << images.toStdString();
    if (QImageReader::supportedImageFormats().contains("webp")) {
        EXPECT_TRUE(patterns.contains("*.webp"));
        EXPECT_TRUE(patterns.contains("*.WEBP"));
    }
    EXPECT_EQ(filters.back(), "Tous les fichiers (*)");
}

// ---- The pocket plan's pictures ----

QImage Decoded(const PocketPicture& picture)
{
    return QImage::fromData(QByteArray::fromStdString(picture.jpeg), "JPEG");
}

TEST(PocketPictures, ALargePhotoIsScaledToBothSizesInItsProportions)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "grand.png";
    WriteAll(file, Encoded(MarkedPicture(1600, 1200), "png"));
    const PocketPictureSizes sizes = MakePocketPictureSizes(file);
    const QImage shot = Decoded(sizes.shot);
    const QImage thumbnail = Decoded(sizes.thumbnail);
    EXPECT_EQ(shot.size(), QSize(1024, 768));
    EXPECT_EQ(QSize(sizes.shot.width, sizes.shot.height), QSize(1024, 768));
    EXPECT_EQ(thumbnail.size(), QSize(480, 360));
    EXPECT_EQ(QSize(sizes.thumbnail.width, sizes.thumbnail.height), QSize(480, 360));
    EXPECT_TRUE(ColourAt(shot, 10, 10, kRed));
    EXPECT_TRUE(ColourAt(shot, 1000, 700, kGreen));
    EXPECT_TRUE(ColourAt(thumbnail, 10, 10, kRed));
}

TEST(PocketPictures, ASmallUprightJpegKeepsItsBytesAndIsNeverEnlarged)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "petit.jpg";
    const std::string jpeg = Encoded(MarkedPicture(320, 240), "jpeg", 90);
    WriteAll(file, jpeg);
    const PocketPictureSizes sizes = MakePocketPictureSizes(file);
    EXPECT_EQ(sizes.shot.jpeg, jpeg);
    EXPECT_EQ(QSize(sizes.shot.width, sizes.shot.height), QSize(320, 240));
    EXPECT_EQ(Decoded(sizes.thumbnail).size(), QSize(320, 240));
}

TEST(PocketPictures, AnExifRotatedJpegComesOutUpright)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "portrait.jpg";
    WriteAll(file, WithOrientation(Encoded(MarkedPicture(400, 200), "jpeg", 95), 6));
    const PocketPictureSizes sizes = MakePocketPictureSizes(file);
    const QImage shot = Decoded(sizes.shot);
    ASSERT_EQ(shot.size(), QSize(200, 400));
    EXPECT_TRUE(ColourAt(shot, 190, 10, kRed));
    EXPECT_TRUE(ColourAt(shot, 10, 10, kGreen));
}

TEST(PocketPictures, WhatIsNoPictureIsRefusedWithItsName)
{
    TemporaryFolder folder;
    const auto text = folder.Path() / "notes.jpg";
    WriteAll(text, "pas une image");
    EXPECT_EQ(ErrorOf([&] { MakePocketPictureSizes(text); }), "Le fichier « notes.jpg » n'est pas une image lisible.");
    // A folder, and a pipe that would keep a reader waiting: never read.
    EXPECT_NE(ErrorOf([&] { MakePocketPictureSizes(folder.Path()); }).find("n'est pas une image lisible"),
              std::string::npos);
    const auto pipe = folder.Path() / "tube.jpg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { MakePocketPictureSizes(pipe); }), "Le fichier « tube.jpg » n'est pas une image lisible.");
}

} // namespace
} // namespace sw

namespace sw {
namespace {

// The header reader of the core against what Qt reads of the same files.
TEST(PictureSizeHeader, EveryFormatGivesTheSizeQtReads)
{
    TemporaryFolder folder;
    const QSize sizes[] = {{1600, 1200}, {321, 17}, {1, 1}, {200, 4000}};
    for (const QSize size : sizes) {
        for (const char* format : {"jpeg", "png", "bmp", "webp"}) {
            const auto file = folder.Path() / ("picture." + std::string(format));
            WriteAll(file, Encoded(MarkedPicture(size.width(), size.height()), format));
            const std::optional<PictureSize> read = ReadPictureSize(file);
            ASSERT_TRUE(read) << format << " " << size.width();
            EXPECT_EQ(QSize(read->width, read->height), StoredSize(file)) << format;
            EXPECT_EQ(QSize(read->width, read->height), size) << format;
        }
    }
}

// Qt writes no GIF: the screen of this one is 52,993 x 1 pixels.
TEST(PictureSizeHeader, AGifGivesItsScreen)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "bande.gif";
    WriteAll(file, std::string("GIF89a\x01\xcf\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00"
                               "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;", 43));
    const std::optional<PictureSize> read = ReadPictureSize(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(QSize(read->width, read->height), QSize(52993, 1));
}

TEST(PictureSizeHeader, AFrameAfterALargeExifSegmentIsFound)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "exif.jpg";
    const std::string jpeg = Encoded(MarkedPicture(640, 480), "jpeg", 90);
    // An APP1 segment of 60,000 bytes before the frame, as a camera's.
    const std::string padding(60'000 - 2, 'x');
    const std::string app1 =
        test::Bytes({0xFF, 0xE1, 60'000 >> 8, 60'000 & 0xFF}) + padding;
    WriteAll(file, jpeg.substr(0, 2) + app1 + jpeg.substr(2));
    const std::optional<PictureSize> read = ReadPictureSize(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(QSize(read->width, read->height), QSize(640, 480));
}

TEST(PictureSizeHeader, NothingForWhatIsNoPictureOrIsCutShort)
{
    TemporaryFolder folder;
    const std::string jpeg = Encoded(MarkedPicture(64, 48), "jpeg", 90);
    WriteAll(folder.Path() / "court.jpg", jpeg.substr(0, 20));
    WriteAll(folder.Path() / "texte.jpg", "pas une image");
    WriteAll(folder.Path() / "vide.png", "");
    for (const char* name : {"court.jpg", "texte.jpg", "vide.png", "absente.jpg"})
        EXPECT_FALSE(ReadPictureSize(folder.Path() / name)) << name;
    EXPECT_FALSE(ReadPictureSize(folder.Path()));
    const auto pipe = folder.Path() / "tube.jpg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(ReadPictureSize(pipe));
}

} // namespace
} // namespace sw
