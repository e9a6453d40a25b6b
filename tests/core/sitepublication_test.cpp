#include "publish/sitepublication.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "model/error.h"
#include "model/notifier.h"
#include "publish/htmpublish.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

using sw::test::ErrorOf;
using sw::test::TemporaryFolder;

class RecordingNotifier : public sw::Notifier {
public:
    void Inform(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

sw::ProjectDocument SmallProject()
{
    sw::ProjectDocument project;
    project.GenInfo.title = "Court";
    project.Report.fileName = std::string(sw::kDefaultReportFileName);
    sw::TEvent& shot = project.EventList.AddEvent();
    shot.name = "Ouverture";
    shot.cam.duration = "5";
    return project;
}

TEST(SitePublicationTest, SiteFolderCreationIsAnnouncedOnceAndTheImageFolderNever)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const fs::path file = temp.Path() / "mon.film.vid";
    const sw::SiteFolders folders = sw::PrepareSiteFolders(file, &notifier);
    EXPECT_EQ(folders.SiteDir, temp.Path() / "mon");
    EXPECT_EQ(folders.ImgDir, temp.Path() / "mon" / "img");
    EXPECT_TRUE(fs::is_directory(folders.ImgDir));
    ASSERT_EQ(notifier.messages.size(), 1U);
    EXPECT_EQ(notifier.messages[0], "Le répertoire " + folders.SiteDir.string() + " vient d'être créé.");

    sw::PrepareSiteFolders(file, &notifier);
    sw::PublishProjectSite(SmallProject(), file, notifier);
    EXPECT_EQ(notifier.messages.size(), 1U) << "existing folders give no message";
}

TEST(SitePublicationTest, ConfirmationNamesTheFileAndTheFolderWithItsSeparator)
{
    EXPECT_EQ(sw::PublishedMessage("/films/court.vid", "/films/court"),
              "Le film court.vid est maintenant publié dans le dossier /films/court/.");
    EXPECT_EQ(sw::PublishedMessage("/films/court.vid", "/films/court/"),
              "Le film court.vid est maintenant publié dans le dossier /films/court/.");
}

TEST(SitePublicationTest, PublishingWritesTheSiteAndReturnsTheConfirmation)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const fs::path file = temp.Path() / "court.vid";
    const std::string message = sw::PublishProjectSite(SmallProject(), file, notifier);
    EXPECT_EQ(message, "Le film court.vid est maintenant publié dans le dossier " + (temp.Path() / "court" / "").string()
                           + ".");
    EXPECT_TRUE(fs::is_regular_file(temp.Path() / "court" / "index.html"));
    EXPECT_TRUE(fs::is_directory(temp.Path() / "court" / "img"));
    EXPECT_FALSE(fs::exists(file)) << "the project file is not written";
    ASSERT_EQ(notifier.messages.size(), 1U);
}

TEST(SitePublicationTest, NameWithoutASiteFolderCreatesNothing)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const fs::path file = temp.Path() / ".vid";
    EXPECT_THROW(sw::PrepareSiteFolders(file, &notifier), sw::Error);
    EXPECT_NE(ErrorOf([&] { sw::PublishProjectSite(SmallProject(), file, notifier); }), "no error");
    EXPECT_TRUE(fs::is_empty(temp.Path()));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(SitePublicationTest, PublishingReadsTheProjectOnly)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const sw::ProjectDocument project = SmallProject();
    sw::PublishProjectSite(project, temp.Path() / "court.vid", notifier);
    EXPECT_EQ(project.Report.fileName, "rapport.htm");
}

TEST(SitePublicationTest, PublishingLeavesTheReportFileNameAsTyped)
{
    TemporaryFolder temp;
    sw::ProjectDocument project = SmallProject();
    project.Report.fileName = "mon rapport.htm";
    const sw::ProjectDocument before = project;
    sw::THTMPublish publisher(project, temp.Path());
    publisher.SetDates({"08/12/2026", "Mardi, 08/12/2026  21:05:00"});
    publisher.Publish();
    // The menu links the inline report's page; the project keeps its name.
    EXPECT_NE(sw::test::ReadAll(temp.Path() / "menu.htm").find("sRp.htm"), std::string::npos);
    EXPECT_EQ(project.Report.fileName, "mon rapport.htm");
    EXPECT_EQ(sw::ProjectFileBytes(project), sw::ProjectFileBytes(before));
}

} // namespace

namespace {

TEST(SitePublicationTest, NothingIsWrittenThroughALinkInTheSite)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    const fs::path file = temp.Path() / "court.vid";
    // A page of the site that is a link to a file elsewhere is replaced by
    // the page; the file it led to is untouched.
    fs::create_directories(temp.Path() / "court");
    sw::test::WriteAll(temp.Path() / "ailleurs.html", "a moi");
    fs::create_symlink(temp.Path() / "ailleurs.html", temp.Path() / "court" / "index.html");
    sw::PublishProjectSite(SmallProject(), file, notifier);
    EXPECT_FALSE(fs::is_symlink(temp.Path() / "court" / "index.html"));
    EXPECT_EQ(sw::test::ReadAll(temp.Path() / "ailleurs.html"), "a moi");

    // A site folder that is a link is refused, and nothing is written where it leads.
    const fs::path other = temp.Path() / "autre.vid";
    fs::create_directories(temp.Path() / "cible");
    fs::create_directory_symlink(temp.Path() / "cible", temp.Path() / "autre");
    EXPECT_EQ(ErrorOf([&] { sw::PublishProjectSite(SmallProject(), other, notifier); }),
              "Le dossier du site « " + (temp.Path() / "autre").string()
                  + " » est un lien symbolique : Shotweave ne publie pas à travers un lien, pour n'écrire que dans le "
                    "dossier du projet. Remplacez le lien par un dossier, puis publiez de nouveau.");
    EXPECT_TRUE(fs::is_empty(temp.Path() / "cible"));
}

TEST(SitePublicationTest, TheLayoutsWarningsReachTheUser)
{
    TemporaryFolder temp;
    RecordingNotifier notifier;
    sw::ProjectDocument project = SmallProject();
    project.HTMPrefs.pageSpecs.tableWidth = "90%\" onmouseover=\"x";
    sw::PublishProjectSite(project, temp.Path() / "court.vid", notifier);
    ASSERT_EQ(notifier.messages.size(), 2U);  // the folder made, then the warning
    EXPECT_TRUE(notifier.messages[1].starts_with("La mise en page donne « 90%\" onmouseover=\"x »")) << notifier.messages[1];
}

} // namespace
