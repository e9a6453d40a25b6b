#include "publish/sitepublication.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/projectdocument.h"
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

TEST(SitePublicationTest, EditorProjectKeepsTheReportPageNameAsItsFileName)
{
    TemporaryFolder temp;
    sw::ProjectDocument project = SmallProject();
    sw::THTMPublish publisher(project, temp.Path());
    publisher.SetDates({"08/12/2026", "Mardi, 08/12/2026  21:05:00"});
    publisher.Publish();
    sw::RememberReportPage(project);
    EXPECT_EQ(project.Report.fileName, "sRp.htm");

    project.Report.fileName = "rapport.htm";
    project.HTMPrefs.menuSpecs.showReport = false;
    sw::THTMPublish withoutReport(project, temp.Path());
    withoutReport.Publish();
    sw::RememberReportPage(project);
    EXPECT_EQ(project.Report.fileName, "rapport.htm") << "no report entry, no renaming";
}

} // namespace
