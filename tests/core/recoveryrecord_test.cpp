#include "recovery/recoveryrecord.h"

#include <string>

#include <gtest/gtest.h>

#include "model/error.h"
#include "testsupport.h"

namespace sw {
namespace {

using test::ErrorOf;

TEST(RecoveryRecord, IsWrittenAsAnIniFileAndReadBack)
{
    const RecoveryRecord record{"/home/anne/films/\xC3\xA9t\xC3\xA9/court.vid", "2026-12-09T06:03:12+01:00", {}, {}};
    EXPECT_EQ(record.Bytes(), "[RECOVERY]\r\nOriginal=\"/home/anne/films/\xC3\xA9t\xC3\xA9/court.vid\"\r\n"
                              "SavedAt=2026-12-09T06:03:12+01:00\r\n");
    EXPECT_EQ(RecoveryRecord::FromBytes(record.Bytes()), record);
}

TEST(RecoveryRecord, AProjectNeverSavedHasAnEmptyOriginal)
{
    const RecoveryRecord record{"", "2026-12-09T06:03:12Z", {}, {}};
    EXPECT_EQ(record.Bytes(), "[RECOVERY]\r\nOriginal=\"\"\r\nSavedAt=2026-12-09T06:03:12Z\r\n");
    EXPECT_EQ(RecoveryRecord::FromBytes(record.Bytes()).originalFile, std::filesystem::path());
}

TEST(RecoveryRecord, AnyPathComesBackWhole)
{
    for (const std::string path : {" /lead", "/trail ", "/a\r\nb\\c.vid", "/\\n\\\\", "/\"quoted\"", "\"", "/t\tab"}) {
        const RecoveryRecord record{path, "2026-01-02T03:04:05-05:00", {}, {}};
        EXPECT_EQ(RecoveryRecord::FromBytes(record.Bytes()), record) << path;
    }
}

TEST(RecoveryRecord, NamesItsEditorAndTheOriginalItsEditorKnew)
{
    const RecoveryRecord record{"/films/court.vid", "2026-12-09T06:03:12Z",
                                EditorIdentity{"atelier \"2\"", 4321, 987654, 2}, 0x0123456789abcdefull};
    EXPECT_EQ(record.Bytes(), "[RECOVERY]\r\nOriginal=\"/films/court.vid\"\r\nSavedAt=2026-12-09T06:03:12Z\r\n"
                              "Editor=4321-987654-2\r\nHost=\"atelier \"2\"\"\r\nOriginalHash=0123456789abcdef\r\n");
    EXPECT_EQ(RecoveryRecord::FromBytes(record.Bytes()), record);
}

TEST(RecoveryRecord, AnEditorOrHashThatCannotBeReadIsNone)
{
    for (const std::string extra : {"Editor=12-x-1\nOriginalHash=12345\n", "Editor=-3-4-5\nOriginalHash=0123456789ABCDEF\n",
                                    "Editor=1-2\nOriginalHash=0123456789abcdefa\n", "Editor=1-2-3-\nOriginalHash=g123456789abcdef\n"}) {
        const RecoveryRecord record = RecoveryRecord::FromBytes("[RECOVERY]\nOriginal=\"\"\nSavedAt=2026-12-09T06:03:12\n" + extra);
        EXPECT_FALSE(record.editor) << extra;
        EXPECT_FALSE(record.originalHash) << extra;
    }
}

TEST(RecoveryRecord, ARecordWrittenByHandReads)
{
    const RecoveryRecord record = RecoveryRecord::FromBytes(
        "; written by hand\n[recovery]\nsavedat = 2026-12-09T06:03:12\noriginal = /films/court.vid\n");
    EXPECT_EQ(record.originalFile, std::filesystem::path("/films/court.vid"));
    EXPECT_EQ(record.savedAt, "2026-12-09T06:03:12");
}

TEST(RecoveryRecord, BytesThatHoldNoRecordSayWhy)
{
    EXPECT_EQ(ErrorOf([] { RecoveryRecord::FromBytes(""); }),
              "ce n'est pas une fiche de copie de secours (la section [RECOVERY] manque)");
    EXPECT_EQ(ErrorOf([] { RecoveryRecord::FromBytes("[RECOVERY]\r\nSavedAt=2026-12-09T06:03:12Z\r\n"); }),
              "la fiche ne dit pas de quel fichier la copie a été faite");
    const std::string noTime = "la fiche ne dit pas à quelle heure la copie a été faite";
    EXPECT_EQ(ErrorOf([] { RecoveryRecord::FromBytes("[RECOVERY]\nOriginal=\"\"\n"); }), noTime);
    for (const std::string savedAt : {"", "hier", "2026-12-09", "2026-12-09 06:03:12", "2026-12-09T06:03:12+0100",
                                      "2026-12-09T06:03:1x"})
        EXPECT_EQ(ErrorOf([&] { RecoveryRecord::FromBytes("[RECOVERY]\nOriginal=\"\"\nSavedAt=" + savedAt + "\n"); }),
                  noTime)
            << savedAt;
}

TEST(IsoDateTime, IsTheDateAndTimeToTheSecondWithAnOptionalZone)
{
    EXPECT_TRUE(IsIsoDateTime("2026-12-09T06:03:12"));
    EXPECT_TRUE(IsIsoDateTime("2026-12-09T06:03:12Z"));
    EXPECT_TRUE(IsIsoDateTime("2026-12-09T06:03:12+01:00"));
    EXPECT_TRUE(IsIsoDateTime("2026-12-09T06:03:12-09:30"));
    EXPECT_FALSE(IsIsoDateTime("2026-12-09T06:03"));
    EXPECT_FALSE(IsIsoDateTime("2026-12-09T06:03:12+01"));
    EXPECT_FALSE(IsIsoDateTime("2026-12-09T06:03:12z"));
    EXPECT_FALSE(IsIsoDateTime("20261209T060312"));
}

TEST(RecoveryRecord, TheFuzzSeedsAreRecordsThatRead)
{
    const std::filesystem::path seeds = std::filesystem::path(SHOTWEAVE_TEST_DATA_DIR) / "seeds" / "recovery_record";
    int records = 0;
    for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
        if (entry.path().extension() != ".rec")
            continue;
        ++records;
        const RecoveryRecord record = RecoveryRecord::FromBytes(test::ReadAll(entry.path()));
        EXPECT_EQ(RecoveryRecord::FromBytes(record.Bytes()), record) << entry.path();
    }
    EXPECT_EQ(records, 4);
}

} // namespace
} // namespace sw
