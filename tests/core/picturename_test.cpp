#include "model/picturename.h"

#include <string>

#include <gtest/gtest.h>

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

} // namespace
} // namespace sw
