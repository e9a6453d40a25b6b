#include "model/filetyperegistration.h"

#include <cstdlib>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

using sw::test::Environment;
using sw::test::ReadAll;
using sw::test::TemporaryFolder;
using sw::test::WriteAll;

std::string LineStartingWith(const std::string& text, const std::string& start)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(start, 0) == 0)
            return line;
    return {};
}

bool ToolInstalled(const std::string& tool)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && std::filesystem::exists(std::filesystem::path(folder) / tool))
            return true;
    return false;
}

TEST(FileTypeKey, IsTheTrimmedExtensionWithoutItsDotFollowedByFile)
{
    EXPECT_EQ(sw::FileTypeKey(".vid"), "vidfile");
    EXPECT_EQ(sw::FileTypeKey("  vid \t"), "vidfile");
    EXPECT_EQ(sw::FileTypeKey("   "), "");
    EXPECT_EQ(sw::FileTypeMimeType("vidfile"), "application/x-vidfile");
    EXPECT_EQ(sw::FileTypeMimeType("My Vid"), "application/x-my-vid");
}

TEST(RegisterFileType, WritesTheMimeTypeAndTheDesktopEntryInTheDataHome)
{
    TemporaryFolder folder;
    const auto dataHome = folder.Path() / "data";
    const auto environment = Environment({{"XDG_DATA_HOME", dataHome.string()}, {"HOME", "/nonexistent"}});
    ASSERT_TRUE(sw::RegisterFileType("/opt/Shot weave/bin/shotweave", " vid ", "Shotweave file", "shotweave",
                                     environment));

    EXPECT_EQ(ReadAll(dataHome / "mime/packages/shotweave-vidfile.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-vidfile\">\n"
              "    <comment>Shotweave file</comment>\n"
              "    <icon name=\"shotweave\"/>\n"
              "    <glob pattern=\"*.vid\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
    EXPECT_EQ(ReadAll(dataHome / "applications/shotweave.desktop"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Shotweave\n"
              "GenericName=Sc\xC3\xA9narisation vid\xC3\xA9o\n"
              "Comment=Planifier un court m\xC3\xA9trage plan par plan et le publier en site web\n"
              "Exec=\"/opt/Shot weave/bin/shotweave\" %f\n"
              "Icon=shotweave\n"
              "Terminal=false\n"
              "MimeType=application/x-vidfile;\n"
              "Categories=AudioVideo;Video;\n");

    // The desktop's databases were refreshed where their tools exist.
    if (ToolInstalled("update-mime-database")) {
        EXPECT_TRUE(std::filesystem::exists(dataHome / "mime/mime.cache"));
    }
    if (ToolInstalled("update-desktop-database")) {
        EXPECT_TRUE(std::filesystem::exists(dataHome / "applications/mimeinfo.cache"));
    }
}

TEST(RegisterFileType, QuotesReservedCharactersOfTheProgramPath)
{
    TemporaryFolder folder;
    const auto environment = Environment({{"XDG_DATA_HOME", folder.Path().string()}});
    ASSERT_TRUE(sw::RegisterFileType("/opt/a\"b$c`d\\e%f/shotweave", ".vid", "A & <B>", "shotweave", environment));
    EXPECT_EQ(LineStartingWith(ReadAll(folder.Path() / "applications/shotweave.desktop"), "Exec="),
              "Exec=\"/opt/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e%%f/shotweave\" %f");
    EXPECT_EQ(LineStartingWith(ReadAll(folder.Path() / "mime/packages/shotweave-vidfile.xml"), "    <comment>"),
              "    <comment>A &amp; &lt;B&gt;</comment>");
}

TEST(RegisterFileType, FailsWithoutWritingForAnEmptyExtensionOrAProgramPathWithALineBreak)
{
    TemporaryFolder folder;
    const auto environment = Environment({{"XDG_DATA_HOME", folder.Path().string()}});
    EXPECT_FALSE(sw::RegisterFileType("/usr/bin/shotweave", "  ", "Shotweave file", "shotweave", environment));
    EXPECT_FALSE(sw::RegisterFileType("/usr/bin/shot\nweave", ".vid", "Shotweave file", "shotweave", environment));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(RegisterFileType, FailsWhenTheDesktopEntryCannotBeWritten)
{
    TemporaryFolder folder;
    WriteAll(folder.Path() / "applications", "a file where the folder should be");
    const auto environment = Environment({{"XDG_DATA_HOME", folder.Path().string()}});
    EXPECT_FALSE(sw::RegisterFileType("/usr/bin/shotweave", ".vid", "Shotweave file", "shotweave", environment));
    // The MIME type is still written.
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "mime/packages/shotweave-vidfile.xml"));
}

TEST(FileTypeRegistrationPaths, DefaultToTheLocalShareFolderOfTheHome)
{
    const auto files = sw::FileTypeRegistrationPaths("vidfile", Environment({{"HOME", "/home/anne"}}));
    EXPECT_EQ(files.mimePackage, std::filesystem::path("/home/anne/.local/share/mime/packages/shotweave-vidfile.xml"));
    EXPECT_EQ(files.desktopEntry, std::filesystem::path("/home/anne/.local/share/applications/shotweave.desktop"));
}

} // namespace
