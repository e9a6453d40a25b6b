// The system's and the readers' words, as the user reads them.
#include <cerrno>
#include <system_error>

#include <gtest/gtest.h>

#include "model/filebytes.h"
#include "model/systemtext.h"

using sw::FrenchErrorMessage;
using sw::FrenchReason;
using sw::FrenchSystemText;

TEST(SystemText, TheReasonsOfFailedFileOperationsAreInFrench)
{
    EXPECT_EQ(FrenchReason(std::make_error_code(std::errc::permission_denied)), "permission non accordée");
    EXPECT_EQ(FrenchReason(std::make_error_code(std::errc::read_only_file_system)), "le disque est en lecture seule");
    EXPECT_EQ(FrenchReason(std::error_code(ENOSPC, std::system_category())), "le disque est plein");
    // A reason without French words keeps the system's, rather than none.
    EXPECT_EQ(FrenchReason(EPROTO), std::make_error_code(std::errc::protocol_error).message());
}

TEST(SystemText, TheReadersAndTheFileErrorsAreSaidInFrench)
{
    EXPECT_EQ(FrenchSystemText("Stream read error"), "le fichier se termine avant la fin de ses données");
    EXPECT_EQ(FrenchSystemText("Invalid property value"), "une valeur n'est pas du type attendu");
    EXPECT_EQ(FrenchSystemText(std::make_error_code(std::errc::permission_denied).message()), "permission non accordée");
    EXPECT_EQ(FrenchSystemText("Cannot open file \"/films/a \". b.vid\". No such file or directory"),
              "impossible d'ouvrir « /films/a \". b.vid » : fichier ou dossier introuvable");
    EXPECT_EQ(FrenchSystemText("Cannot create file \"/lecture/seule.vid\". Permission denied"),
              "impossible de créer « /lecture/seule.vid » : permission non accordée");
    EXPECT_EQ(FrenchSystemText(std::string("Cannot open file \"/dev/tube\". ") + sw::kNotRegularFileReason),
              "impossible d'ouvrir « /dev/tube » : ce n'est pas un fichier ordinaire, mais un tube, un périphérique ou une prise");
    EXPECT_EQ(FrenchSystemText("Unable to write to /home/a/.config/shotweave.ini"),
              "impossible d'écrire dans « /home/a/.config/shotweave.ini »");
    // The program's own messages stay as they are.
    const std::string french = "Le fichier « a.vid » ne peut pas être ouvert.";
    EXPECT_EQ(FrenchSystemText(french), french);
    EXPECT_EQ(FrenchSystemText("Cannot open file without a quote"), "Cannot open file without a quote");
}

TEST(SystemText, AWholeMessageStartsWithACapital)
{
    EXPECT_EQ(FrenchErrorMessage("Unable to write to /a.ini"), "Impossible d'écrire dans « /a.ini »");
    EXPECT_EQ(FrenchErrorMessage("une phrase du programme"), "une phrase du programme");
}
