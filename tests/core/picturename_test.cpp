#include "model/picturename.h"

#include <string>

#include <gtest/gtest.h>

#include "model/pictureimport.h"
#include "testsupport.h"

namespace sw {
namespace {

using namespace std::string_literals;

TEST(PictureName, PlainFileNamesAreAccepted)
{
    for (const char* name : {"plan1.jpg", "a", "...", ".cache.png", "photo de nuit.JPG", "café.png"})
        EXPECT_TRUE(IsPlainPictureName(name)) << name;
}

TEST(PictureName, EmptyNamesAndFolderNamesAreRefused)
{
    for (const char* name : {"", ".", ".."})
        EXPECT_FALSE(IsPlainPictureName(name)) << '"' << name << '"';
}

TEST(PictureName, NamesWithFolderPartsAreRefused)
{
    for (const char* name : {"img/plan1.jpg", "/etc/passwd", "../plan1.jpg", "plan1.jpg/", "sous\\plan.jpg",
                             "..\\..\\plan.jpg", "C:\\images\\plan.jpg"})
        EXPECT_FALSE(IsPlainPictureName(name)) << name;
}

TEST(PictureName, NamesWithANulAreRefused)
{
    EXPECT_FALSE(IsPlainPictureName("plan.jpg\0.png"s));
    EXPECT_FALSE(IsPlainPictureName("\0"s));
}

TEST(PictureFile, IsTheNameInsideTheImageFolder)
{
    EXPECT_EQ(PictureFile("/films/court/img", "plan1.jpg"), std::filesystem::path("/films/court/img/plan1.jpg"));
}

TEST(PictureFile, NameIsConvertedToUtf8)
{
    EXPECT_EQ(PictureFile("img", "café.png"), std::filesystem::path("img/caf\xC3\xA9.png"));
}

TEST(PictureFile, NothingWithoutAFolderOrForANameThatIsNotPlain)
{
    EXPECT_EQ(PictureFile("", "plan1.jpg"), std::nullopt);
    EXPECT_EQ(PictureFile("img", ""), std::nullopt);
    EXPECT_EQ(PictureFile("img", "../secret.jpg"), std::nullopt);
    EXPECT_EQ(PictureFile("img", "a\\b.jpg"), std::nullopt);
}

TEST(PictureFile, ALinkLeadsOnlyToAPictureInsideTheFolder)
{
    test::TemporaryFolder folder;
    const std::filesystem::path img = folder.Path() / "film" / "img";
    std::filesystem::create_directories(img);
    test::WriteAll(img / "plan.jpg", "image");
    test::WriteAll(folder.Path() / "prive.jpg", "secret");
    std::filesystem::create_symlink(folder.Path() / "prive.jpg", img / "fuite.jpg");
    std::filesystem::create_symlink("../../prive.jpg", img / "fuite-relative.jpg");
    std::filesystem::create_symlink("plan.jpg", img / "alias.jpg");
    EXPECT_EQ(PictureFile(img, "fuite.jpg"), std::nullopt);
    EXPECT_EQ(PictureFile(img, "fuite-relative.jpg"), std::nullopt);
    EXPECT_EQ(PictureFile(img, "alias.jpg"), img / "alias.jpg");
    EXPECT_EQ(PictureFile(img, "plan.jpg"), img / "plan.jpg");
    // Through a folder that is itself reached by a link, the same.
    std::filesystem::create_symlink(folder.Path() / "film", folder.Path() / "lien");
    EXPECT_EQ(PictureFile(folder.Path() / "lien" / "img", "alias.jpg"), folder.Path() / "lien" / "img" / "alias.jpg");
    EXPECT_EQ(PictureFile(folder.Path() / "lien" / "img", "fuite.jpg"), std::nullopt);
}

// A JPEG's skeleton: start, an APP1 segment holding a thumbnail's end marker,
// a scan header, coded data with a stuffed 0xFF and a restart, then the end.
std::string JpegSkeleton()
{
    using namespace std::string_literals;
    return "\xFF\xD8"s + "\xFF\xE1\x00\x06\xFF\xD9\x00\x00"s + "\xFF\xDA\x00\x04\x01\x02"s
           + "\x11\xFF\x00\x22\xFF\xD0\x33"s + "\xFF\xD9"s;
}

TEST(JpegIsComplete, AFileCutShortIsNot)
{
    const std::string whole = JpegSkeleton();
    EXPECT_TRUE(JpegIsComplete(whole));
    // Bytes after the end (some cameras add their own) change nothing.
    EXPECT_TRUE(JpegIsComplete(whole + "trailer"));
    for (std::size_t size = 0; size < whole.size() - 1; ++size)
        EXPECT_FALSE(JpegIsComplete(whole.substr(0, size))) << size;
    EXPECT_FALSE(JpegIsComplete("GIF89a"));
}

} // namespace
} // namespace sw
