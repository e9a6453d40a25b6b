#include "model/pictureimport.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/appsettings.h"
#include "model/eventlist.h"
#include "model/picturename.h"
#include "model/textconv.h"
#include "testsupport.h"

namespace sw {
namespace {

using test::ErrorOf;
using test::ReadAll;
using test::TemporaryFolder;
using test::WriteAll;

std::size_t FileCount(const std::filesystem::path& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

// Shots whose start and end images are the given names, two by two.
TEventList ShotsUsing(const std::vector<std::pair<std::string, std::string>>& pictures)
{
    TEventList shots;
    for (const auto& [start, end] : pictures) {
        TEvent& shot = shots.AddEvent();
        shot.cam.startImage = start;
        shot.cam.endImage = end;
    }
    return shots;
}

TEST(StripAccentsInTheModel, GivesThePublishersPlainLetters)
{
    EXPECT_EQ(StripAccents("Été à Noël, garçon"), "Ete a Noel, garcon");
    EXPECT_EQ(StripAccents("×÷"), "__");
}

TEST(SafePictureName, StripsAccentsAndGivesAJpegExtension)
{
    // UTF-8 paths, as the file system names them: "Été à Noël.PNG".
    EXPECT_EQ(SafePictureName("/home/anne/T\xC3\xA9l\xC3\xA9" "chargements/\xC3\x89t\xC3\xA9_\xC3\xA0_No\xC3\xABl.PNG"),
              "Ete_a_Noel.jpg");
    EXPECT_EQ(SafePictureName("gar\xC3\xA7on.jpeg"), "garcon.jpg");
    EXPECT_EQ(SafePictureName("IMG_2024-05-01.JPG"), "IMG_2024-05-01.jpg");
}

TEST(SafePictureName, SpacesQuotesAndOtherCharactersBecomeUnderscores)
{
    EXPECT_EQ(SafePictureName("photo de nuit.jpg"), "photo_de_nuit.jpg");
    EXPECT_EQ(SafePictureName("l'arriv\xC3\xA9" "e \"finale\".png"), "l_arrivee__finale_.jpg");
    EXPECT_EQ(SafePictureName("a<b>&c%d#e?f(1).gif"), "a_b__c_d_e_f_1_.jpg");
    // A character outside Windows-1252 is one underscore, whatever its length in UTF-8.
    EXPECT_EQ(SafePictureName("\xE5\x86\x99\xE7\x9C\x9F.webp"), "__.jpg");
    // Letters Windows-1252 holds but that are no accented letters go too.
    EXPECT_EQ(SafePictureName("\xC5\x93uf \xE2\x82\xAC.bmp"), "_uf__.jpg");
}

TEST(SafePictureName, KeepsDotsInsideTheStemAndDropsThoseAtItsEnds)
{
    EXPECT_EQ(SafePictureName("plan.1.png"), "plan.1.jpg");
    EXPECT_EQ(SafePictureName("..plan..png"), "plan.jpg");
    EXPECT_EQ(SafePictureName(".cache.png"), "cache.jpg");
    // A hidden file's whole name is its stem.
    EXPECT_EQ(SafePictureName(".png"), "png.jpg");
}

TEST(SafePictureName, AnEmptyStemGivesImage)
{
    EXPECT_EQ(SafePictureName("....jpg"), "image.jpg");
    EXPECT_EQ(SafePictureName("-.jpg"), "-.jpg");
    EXPECT_EQ(SafePictureName("/tmp/"), "image.jpg");
    EXPECT_EQ(SafePictureName(""), "image.jpg");
}

TEST(SafePictureName, ALongStemIsCut)
{
    const std::string name = SafePictureName(std::string(300, 'x') + ".png");
    EXPECT_EQ(name, std::string(kMaxPictureStem, 'x') + ".jpg");
}

TEST(SafePictureName, IsAlwaysPlainAndListedByTheChooser)
{
    for (const char* source : {"..", ".", "a/..", "\\\\server\\x.png", "\xC3\x89.jpg", "x.tar.gz"}) {
        const std::string name = SafePictureName(source);
        EXPECT_TRUE(IsPlainPictureName(name)) << source;
        EXPECT_TRUE(IsPictureFileName(name)) << source;
    }
}

TEST(IsPictureFileName, KnowsTheChoosersExtensionsInAnyCase)
{
    for (const char* name : {"a.jpg", "a.JPG", "a.jpeg", "a.JPEG", "a.png", "a.Png", "a.bmp", "a.gif", "a.webp",
                             "a.WebP", "plan 1.b.jpg", "café.jpg"})
        EXPECT_TRUE(IsPictureFileName(name)) << name;
    for (const char* name : {"", "a.pdf", "a.jpg.txt", "jpg", ".jpg", "._a.jpg", "a.svg", "a.tif", "ajpg"})
        EXPECT_FALSE(IsPictureFileName(name)) << name;
}

TEST(PlacePictureBytes, WritesTheBytesUnderTheName)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path() / "site" / "img";
    EXPECT_EQ(PlacePictureBytes(imgDir, "plan.jpg", "JPEG bytes"), "plan.jpg");
    EXPECT_EQ(ReadAll(imgDir / "plan.jpg"), "JPEG bytes");
    EXPECT_EQ(FileCount(imgDir), 1u);
}

TEST(PlacePictureBytes, ADifferentFileOfThatNameIsKeptAndTheCopyNumbered)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path();
    WriteAll(imgDir / "plan.jpg", "the user's own picture");
    WriteAll(imgDir / "plan-2.jpg", "another one");
    EXPECT_EQ(PlacePictureBytes(imgDir, "plan.jpg", "new bytes"), "plan-3.jpg");
    EXPECT_EQ(ReadAll(imgDir / "plan.jpg"), "the user's own picture");
    EXPECT_EQ(ReadAll(imgDir / "plan-2.jpg"), "another one");
    EXPECT_EQ(ReadAll(imgDir / "plan-3.jpg"), "new bytes");
}

TEST(PlacePictureBytes, TheSameBytesTwiceAreKeptOnce)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path();
    EXPECT_EQ(PlacePictureBytes(imgDir, "plan.jpg", "photo"), "plan.jpg");
    EXPECT_EQ(PlacePictureBytes(imgDir, "plan.jpg", "photo"), "plan.jpg");
    EXPECT_EQ(FileCount(imgDir), 1u);
}

TEST(PlacePictureBytes, TheSameBytesUnderANumberedNameAreFound)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path();
    WriteAll(imgDir / "plan.jpg", "other");
    EXPECT_EQ(PlacePictureBytes(imgDir, "plan.jpg", "photo"), "plan-2.jpg");
    EXPECT_EQ(PlacePictureBytes(imgDir, "plan.jpg", "photo"), "plan-2.jpg");
    EXPECT_EQ(FileCount(imgDir), 2u);
}

TEST(PlacePictureBytes, AFolderOfThatNameIsSteppedOver)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "plan.jpg");
    EXPECT_EQ(PlacePictureBytes(folder.Path(), "plan.jpg", "photo"), "plan-2.jpg");
}

TEST(PlacePictureBytes, AnAccentedNameIsAUtf8FileName)
{
    TemporaryFolder folder;
    EXPECT_EQ(PlacePictureBytes(folder.Path(), "café.jpg", "photo"), "café.jpg");
    EXPECT_EQ(ReadAll(folder.Path() / "caf\xC3\xA9.jpg"), "photo");
}

TEST(PlacePictureBytes, AFailedWriteNamesTheImageAndTheFolder)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path() / "img";
    WriteAll(imgDir, "a file where the folder should be");
    const std::string message = ErrorOf([&] { PlacePictureBytes(imgDir, "plan.jpg", "photo"); });
    EXPECT_EQ(message.rfind("L'image « plan.jpg » ne peut pas être écrite dans le dossier « " + imgDir.string()
                                + " » : ",
                            0),
              0u)
        << message;
}

TEST(PlacePictureBytes, ANameThatIsNotPlainIsRefused)
{
    TemporaryFolder folder;
    EXPECT_NE(ErrorOf([&] { PlacePictureBytes(folder.Path(), "../plan.jpg", "photo"); }), "no error");
    EXPECT_EQ(FileCount(folder.Path()), 0u);
}

TEST(CopyProjectPictures, CopiesEveryPictureTheShotsUseOnce)
{
    TemporaryFolder folder;
    const auto from = folder.Path() / "old" / "img";
    const auto to = folder.Path() / "new" / "img";
    WriteAll(from / "a.jpg", "A");
    WriteAll(from / "b.jpg", "B");
    WriteAll(from / "caf\xC3\xA9.jpg", "C");
    WriteAll(from / "unused.jpg", "U");
    const TEventList shots = ShotsUsing({{"a.jpg", "b.jpg"}, {"a.jpg", ""}, {"", "café.jpg"}});

    EXPECT_TRUE(CopyProjectPictures(shots, from, to).empty());
    EXPECT_EQ(ReadAll(to / "a.jpg"), "A");
    EXPECT_EQ(ReadAll(to / "b.jpg"), "B");
    EXPECT_EQ(ReadAll(to / "caf\xC3\xA9.jpg"), "C");
    EXPECT_EQ(FileCount(to), 3u);
}

TEST(CopyProjectPictures, ADifferentFileOfTheSameNameIsKeptAndReported)
{
    TemporaryFolder folder;
    const auto from = folder.Path() / "old";
    const auto to = folder.Path() / "new";
    WriteAll(from / "a.jpg", "A");
    WriteAll(from / "b.jpg", "B");
    WriteAll(to / "a.jpg", "someone else's");
    WriteAll(to / "b.jpg", "B");

    EXPECT_EQ(CopyProjectPictures(ShotsUsing({{"a.jpg", "b.jpg"}}), from, to), std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(ReadAll(to / "a.jpg"), "someone else's");
    EXPECT_EQ(ReadAll(to / "b.jpg"), "B");
}

TEST(CopyProjectPictures, AMissingPictureIsReportedAndTheOthersCopied)
{
    TemporaryFolder folder;
    const auto from = folder.Path() / "old";
    const auto to = folder.Path() / "new";
    WriteAll(from / "b.jpg", "B");
    std::filesystem::create_directory(from / "folder.jpg");

    EXPECT_EQ(CopyProjectPictures(ShotsUsing({{"gone.jpg", "b.jpg"}, {"folder.jpg", "gone.jpg"}}), from, to),
              (std::vector<std::string>{"gone.jpg", "folder.jpg"}));
    EXPECT_EQ(ReadAll(to / "b.jpg"), "B");
    EXPECT_EQ(FileCount(to), 1u);
}

TEST(CopyProjectPictures, NamesThatAreNotPlainAreLeftAlone)
{
    TemporaryFolder folder;
    WriteAll(folder.Path() / "secret.jpg", "S");
    const auto from = folder.Path() / "old";
    const auto to = folder.Path() / "new";
    EXPECT_TRUE(CopyProjectPictures(ShotsUsing({{"../secret.jpg", "/etc/passwd"}}), from, to).empty());
    EXPECT_FALSE(std::filesystem::exists(to / "secret.jpg"));
}

TEST(CopyProjectPictures, TheSameFolderHasNothingToDo)
{
    TemporaryFolder folder;
    const auto imgDir = folder.Path() / "img";
    WriteAll(imgDir / "a.jpg", "A");
    const TEventList shots = ShotsUsing({{"a.jpg", "missing.jpg"}});
    EXPECT_TRUE(CopyProjectPictures(shots, imgDir, imgDir).empty());
    EXPECT_TRUE(CopyProjectPictures(shots, imgDir, folder.Path() / "." / "img" / "").empty());
    EXPECT_EQ(ReadAll(imgDir / "a.jpg"), "A");
    EXPECT_EQ(FileCount(imgDir), 1u);
}

TEST(CopyProjectPictures, AFolderThatCannotBeMadeReportsEveryPicture)
{
    TemporaryFolder folder;
    const auto from = folder.Path() / "old";
    WriteAll(from / "a.jpg", "A");
    WriteAll(folder.Path() / "new", "a file where the folder should be");
    EXPECT_EQ(CopyProjectPictures(ShotsUsing({{"a.jpg", ""}}), from, folder.Path() / "new" / "img"),
              std::vector<std::string>{"a.jpg"});
}

TEST(MaxPictureSide, DefaultsTo1600AndIsKeptOnlyWhenChanged)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    TAppSettings settings;
    EXPECT_EQ(settings.MaxPictureSide, 1600);
    settings.MaxPictureSide = 0;
    settings.WriteSettings(file);
    EXPECT_NE(ReadAll(file).find("\r\n[PREFS]\r\nregisterFType=0\r\nnoJSPlan=0\r\nMaxPictureSide=0\r\n"),
              std::string::npos)
        << ReadAll(file);
    TAppSettings read;
    read.ReadSettings(file);
    EXPECT_EQ(read.MaxPictureSide, 0);

    read.MaxPictureSide = 1600;
    read.WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("MaxPictureSide"), std::string::npos);
}

TEST(MaxPictureSide, ANegativeOrBadValueGivesTheDefault)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    for (const char* value : {"-5", "big", ""}) {
        WriteAll(file, std::string("[PREFS]\r\nMaxPictureSide=") + value + "\r\n");
        TAppSettings settings;
        settings.ReadSettings(file);
        EXPECT_EQ(settings.MaxPictureSide, 1600) << value;
    }
    WriteAll(file, "[PREFS]\r\nMaxPictureSide=800\r\n");
    TAppSettings settings;
    settings.ReadSettings(file);
    EXPECT_EQ(settings.MaxPictureSide, 800);
}

} // namespace
} // namespace sw
