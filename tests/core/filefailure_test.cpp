#include "model/filefailure.h"

#include <string>

#include <gtest/gtest.h>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "style/styleprefs.h"
#include "testsupport.h"

namespace sw {
namespace {

using test::ErrorOf;

TEST(FileFailureMessage, OpeningADamagedProjectSaysSoAndKeepsTheSystemText)
{
    EXPECT_EQ(FileFailureMessage(FileAction::OpenProject, "/films/court.vid", "Stream read error"),
              "Le fichier \xC2\xAB court.vid \xC2\xBB ne peut pas \xC3\xAAtre ouvert : il est ab\xC3\xAEm\xC3\xA9 ou "
              "n'est pas un projet Shotweave. (le fichier se termine avant la fin de ses données)");
    EXPECT_EQ(FileFailureMessage(FileAction::OpenProject, "/films/absent.vid",
                                 "Cannot open file \"/films/absent.vid\". No such file or directory"),
              "Le fichier \xC2\xAB absent.vid \xC2\xBB ne peut pas \xC3\xAAtre ouvert : il est introuvable ou "
              "illisible. (impossible d'ouvrir « /films/absent.vid » : fichier ou dossier introuvable)");
}

TEST(FileFailureMessage, WritingNamesTheFileAndItsFolder)
{
    const std::string save = FileFailureMessage(FileAction::SaveProject, "/films/x/court.vid", "Cannot create file");
    EXPECT_EQ(save, "Le fichier \xC2\xAB court.vid \xC2\xBB ne peut pas \xC3\xAAtre enregistr\xC3\xA9 dans le dossier "
                    "\xC2\xAB /films/x \xC2\xBB : v\xC3\xA9rifiez que ce dossier existe et que vous pouvez y "
                    "\xC3\xA9" "crire. (Cannot create file)");
    const std::string exported = FileFailureMessage(FileAction::ExportStyle, "/s/bleu.sprf", "Unable to write to /s/bleu.sprf");
    EXPECT_EQ(exported.rfind("Le fichier de style \xC2\xAB bleu.sprf \xC2\xBB ne peut pas", 0), 0u);
    EXPECT_NE(exported.find("(impossible d'écrire dans « /s/bleu.sprf »)"), std::string::npos);
    const std::string published = FileFailureMessage(FileAction::PublishProject, "/films/court", "Cannot create file");
    EXPECT_EQ(published, "Le film ne peut pas \xC3\xAAtre publi\xC3\xA9 dans le dossier \xC2\xAB /films/court \xC2\xBB : "
                         "v\xC3\xA9rifiez que vous pouvez y \xC3\xA9" "crire et que ses pages ne sont pas des dossiers. "
                         "(Cannot create file)");
    const std::string imported = FileFailureMessage(FileAction::ImportStyle, "/s/bleu.sprf", "Invalid property value");
    EXPECT_NE(imported.find("n'est pas un fichier de style. (une valeur n'est pas du type attendu)"), std::string::npos);
}

TEST(RunFileAction, TurnsTheErrorOfARealLoadIntoTheMessage)
{
    test::TemporaryFolder folder;
    const auto file = folder.Path() / "tronque.vid";
    ProjectDocument document;
    const std::string bytes = ProjectFileBytes(document);
    test::WriteAll(file, bytes.substr(0, bytes.size() / 2));
    ProjectDocument loaded;
    const std::string message = ErrorOf([&] {
        RunFileAction(FileAction::OpenProject, file, [&] { LoadProject(loaded, file); });
    });
    EXPECT_EQ(message.rfind("Le fichier \xC2\xAB tronque.vid \xC2\xBB ne peut pas \xC3\xAAtre ouvert : il est "
                            "ab\xC3\xAEm\xC3\xA9",
                            0),
              0u)
        << message;
    EXPECT_EQ(message.substr(message.size() - 1), ")");
    // Nothing thrown, nothing changed.
    int runs = 0;
    RunFileAction(FileAction::SaveProject, file, [&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

TEST(RunFileAction, AnErrorThatSaysItAlreadyComesOutAsItIs)
{
    const std::string worded = "La version pr\xC3\xA9" "c\xC3\xA9" "dente de \xC2\xAB a.vid \xC2\xBB ne peut pas \xC3\xAAtre gard\xC3\xA9" "e";
    const std::string message = ErrorOf([&] {
        RunFileAction(FileAction::SaveProject, "a.vid", [&] { throw WordedError(worded); });
    });
    EXPECT_EQ(message, worded);
}

} // namespace
} // namespace sw
