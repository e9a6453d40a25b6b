#include "model/inifile.h"
#include "style/styleprefs.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/error.h"
#include "model/filebytes.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder()
    {
        path_ = fs::temp_directory_path() / ("sw_stylefile_" + std::to_string(::getpid()) + "_" +
                                             std::to_string(counter_++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

// --- the INI profile -------------------------------------------------------

TEST(IniFile, FindsSectionsAndKeysWhateverTheirCase)
{
    const IniFile ini = IniFile::FromBytes("[General]\r\nLastFileName = /films/a b.vid  \r\n"
                                           "[prefs]\r\nnoJSPlan=1\r\n");
    EXPECT_EQ(ini.ReadString("GENERAL", "lastfilename", "x"), "/films/a b.vid");
    EXPECT_EQ(ini.ReadString("general", "LASTFILENAME", "x"), "/films/a b.vid");
    EXPECT_TRUE(ini.ReadBool("PREFS", "NOJSPLAN", false));
    EXPECT_EQ(ini.ReadString("PREFS", "LastFileName", "missing"), "missing");
    EXPECT_EQ(ini.ReadString("NOPE", "noJSPlan", "missing"), "missing");
    EXPECT_TRUE(ini.SectionExists("Prefs"));
    EXPECT_TRUE(ini.KeyExists("prefs", "nojsplan"));
    EXPECT_FALSE(ini.KeyExists("general", "nojsplan"));
}

TEST(IniFile, ValueIsTheRestOfItsLineAndEmptyValueIsNotMissing)
{
    const IniFile ini = IniFile::FromBytes("[S]\nA=x=y; z\nB=\n; C=comment\nD\n");
    EXPECT_EQ(ini.ReadString("S", "A", ""), "x=y; z");
    EXPECT_EQ(ini.ReadString("S", "B", "default"), "");
    EXPECT_EQ(ini.ReadString("S", "; C", "default"), "default");
    EXPECT_EQ(ini.ReadString("S", "D", "default"), "default");
}

TEST(IniFile, IntegersFallBackToTheirDefault)
{
    const IniFile ini = IniFile::FromBytes("[S]\nA= -42 \nB=12abc\nC=\nD=$FF\nE=0x10\nF=99999999999\nG=+7\n");
    EXPECT_EQ(ini.ReadInteger("S", "A", 1), -42);
    EXPECT_EQ(ini.ReadInteger("S", "B", 1), 1);
    EXPECT_EQ(ini.ReadInteger("S", "C", 1), 1);
    EXPECT_EQ(ini.ReadInteger("S", "D", 1), 255);
    EXPECT_EQ(ini.ReadInteger("S", "E", 1), 16);
    EXPECT_EQ(ini.ReadInteger("S", "F", 1), 1);
    EXPECT_EQ(ini.ReadInteger("S", "G", 1), 7);
    EXPECT_EQ(ini.ReadInteger("S", "missing", 16777215), 16777215);
    EXPECT_FALSE(ini.ReadBool("S", "missing", false));
}

TEST(IniFile, WritingKeepsOtherLinesInPlace)
{
    IniFile ini = IniFile::FromBytes("; my settings\r\n[GENERAL]\r\nSaveID=1\r\nAuthor=Anne\r\n\r\n"
                                     "[Other]\r\nkeep=this\r\n");
    ini.WriteString("general", "AUTHOR", "Béatrice");
    ini.WriteInteger("GENERAL", "AutoLoad", -3);
    ini.WriteBool("PREFS", "noJSPlan", true);
    EXPECT_EQ(ini.Bytes(), "; my settings\r\n[GENERAL]\r\nSaveID=1\r\nAUTHOR=Béatrice\r\nAutoLoad=-3\r\n\r\n"
                           "[Other]\r\nkeep=this\r\n\r\n[PREFS]\r\nnoJSPlan=1\r\n");
    ini.DeleteKey("general", "saveid");
    ini.DeleteKey("general", "absent");
    EXPECT_FALSE(ini.KeyExists("GENERAL", "SaveID"));
    EXPECT_EQ(ini.ReadString("GENERAL", "Author", ""), "Béatrice");
}

TEST(IniFile, DeletingARepeatedKeyRemovesEveryLineOfItInItsSection)
{
    IniFile ini = IniFile::FromBytes("[A]\r\nk=1\r\nother=2\r\n K =3\r\n[B]\r\nk=4\r\n");
    ini.DeleteKey("a", "k");
    EXPECT_FALSE(ini.KeyExists("A", "k"));
    EXPECT_EQ(ini.Bytes(), "[A]\r\nother=2\r\n[B]\r\nk=4\r\n");
}

TEST(IniFile, LoadOfAMissingFileIsEmptyAndSaveRoundTrips)
{
    TempFolder folder;
    const fs::path file = folder.path() / "settings.ini";
    IniFile ini = IniFile::Load(file);
    EXPECT_EQ(ini.Bytes(), "");
    ini.WriteString("A", "k", "v");
    ini.Save(file);
    EXPECT_EQ(ReadFileBytes(file), "[A]\r\nk=v\r\n");
    EXPECT_EQ(IniFile::Load(file).ReadString("a", "K", ""), "v");
}

// Lowers the file size limit so that writing a larger file fails, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(IniFile, FailedSaveLeavesTheOldFile)
{
    TempFolder folder;
    const fs::path file = folder.path() / "style.sprf";
    WriteBytes(file, "[STYLEPREFS]\r\nBGColor=teal\r\n");
    IniFile ini = IniFile::Load(file);
    ini.WriteString("STYLEPREFS", "BGColor", std::string(4000, 'n'));
    {
        FileSizeLimit limit(1000);
        try {
            ini.Save(file);
            ADD_FAILURE() << "saving beyond the file size limit succeeded";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file.string());
        }
    }
    EXPECT_EQ(ReadFileBytes(file), "[STYLEPREFS]\r\nBGColor=teal\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// --- the style file ---------------------------------------------------------

TStylePrefs StartUpSet()
{
    TStylePrefs prefs;
    prefs.ApplyAppStyleTable();
    return prefs;
}

TEST(StyleFile, ExportWritesTheKeysInOrder)
{
    TempFolder folder;
    const fs::path file = folder.path() / "a.sprf";
    StartUpSet().SaveToIni(file);
    const std::string bytes = ReadFileBytes(file);
    const std::string head = "[STYLEPREFS]\r\nBGColor=WHITE\r\nBodyColor=BLACK\r\nLinkColor=PURPLE\r\n"
                             "ALinkColor=RED\r\nVLinkColor=GREEN\r\nBGSysCol=16777215\r\nBodySysCol=0\r\n"
                             "LinkSysColor=8388736\r\nALinkSysColor=255\r\nVLinkSysColor=32768\r\n"
                             "DefFontFace=Arial\r\nsFileName=cStyle.css\r\nPMargin=2%,7%\r\n"
                             "StyleSpecs0=Body;WHITE;Arial;10;3;black;0;1;2%,7%;;;\r\n"
                             "StyleSpecs1=H1;white;Arial;22;2;navy;8388608;1;;;;\r\n";
    const std::string elements = "StyleSpecs2=H2;white;Arial;18;2;navy;8388608;1;;;;\r\n"
                                 "StyleSpecs3=H3;white;Arial;16;2;navy;8388608;1;;;;\r\n"
                                 "StyleSpecs4=H4;white;Arial;13;0;green;32768;1;;;;\r\n"
                                 "StyleSpecs5=H5;white;Arial;11;2;maroon;128;1;;;;\r\n"
                                 "StyleSpecs6=H6;white;Arial;9;2;teal;8421376;1;;;;\r\n"
                                 "StyleSpecs7=Blockquote;white;Arial;10;3;black;0;1;;;;\r\n"
                                 "StyleSpecs8=TD;white;Arial;10;3;black;0;1;;;;\r\n"
                                 "StyleSpecs9=TH;black;Arial;10;2;yellow;65535;0;;;;\r\n"
                                 "StyleSpecs10=.cell;white;Arial;10;0;black;0;1;;;;\r\n"
                                 "StyleSpecs11=.rev;white;Arial;9;2;black;0;1;;;;\r\n"
                                 "StyleSpecs12=.note;white;Arial;8;3;black;0;1;;;;\r\n"
                                 "StyleSpecs13=.num;white;Arial;10;0;red;255;1;;;;\r\n"
                                 "StyleSpecs14=;white;Arial;10;0;black;0;1;;;;\r\n"
                                 "StyleSpecs15=;white;Arial;10;0;black;0;1;;;;\r\n";
    // the whole file: one section, no link states
    EXPECT_EQ(bytes, head + elements);
}

TEST(StyleFile, ExportKeepsOtherSectionsOfTheFile)
{
    TempFolder folder;
    const fs::path file = folder.path() / "a.sprf";
    WriteBytes(file, "[Mine]\r\nx=1\r\n[STYLEPREFS]\r\nbgcolor=red\r\nExtra=kept\r\n");
    StartUpSet().SaveToIni(file);
    const IniFile ini = IniFile::Load(file);
    EXPECT_EQ(ini.ReadString("Mine", "x", ""), "1");
    EXPECT_EQ(ini.ReadString("STYLEPREFS", "Extra", ""), "kept");
    EXPECT_EQ(ini.ReadString("STYLEPREFS", "BGColor", ""), "WHITE");
}

TEST(StyleFile, ExportAndImportGiveBackTheSet)
{
    TempFolder folder;
    const fs::path file = folder.path() / "a.sprf";
    TStylePrefs source = StartUpSet();
    source.BGColor = "teal";
    source.BGSysCol = 0x808000;
    source.BodyColor = "#102030";
    source.LinkSysColor = -1;
    source.DefFontFace = "Times New Roman";
    source.sFileName = "autre.css";
    source.PMargin = "5%";
    source.elements[3].options = "border:1px;\r\nfont-weight:bold;\r\n";
    source.elements[3].margin = "3px";
    source.elements[4].transparent = false;
    source.elements[4].background = "lightgrey";
    source.elements[5].selector = "P.autre";
    source.links[0].colorName = "lime";
    source.SaveToIni(file);

    TStylePrefs target;
    target.LoadFromIni(file);
    EXPECT_EQ(target.BGColor, "teal");
    EXPECT_EQ(target.BGSysCol, 0x808000);
    EXPECT_EQ(target.BodyColor, "#102030");
    EXPECT_EQ(target.LinkSysColor, -1);
    EXPECT_EQ(target.DefFontFace, "Times New Roman");
    EXPECT_EQ(target.sFileName, "autre.css");
    EXPECT_EQ(target.PMargin, "5%");
    for (std::size_t i = 0; i < kStyleElementCount; ++i)
        EXPECT_EQ(target.elements[i].ToText(), source.elements[i].ToText()) << "element " << i;
    EXPECT_EQ(target.elements[3].options, "border:1px;\r\nfont-weight:bold;\r\n");
    EXPECT_EQ(target.elements[5].selector, "P.autre");
    // transparent elements take the new page background; others their web colour
    EXPECT_EQ(target.elements[1].backgroundValue, 0x808000);
    EXPECT_EQ(target.elements[4].backgroundValue, 0xD3D3D3);
    // link states are not in a style file
    EXPECT_EQ(target.links[0].colorName, "blue");
}

TEST(StyleFile, ImportOfAFileWithOnlyTheHeaderSetsDefaultsAndKeepsElements)
{
    TempFolder folder;
    const fs::path file = folder.path() / "empty.sprf";
    WriteBytes(file, "[STYLEPREFS]\r\n");
    TStylePrefs prefs = StartUpSet();
    prefs.BGColor = "navy";
    prefs.BGSysCol = 0x800000;
    prefs.ALinkSysColor = 7;
    prefs.DefFontFace = "Verdana";
    prefs.elements[2].fontFace = "Verdana";
    const TStylePrefs before = prefs;
    prefs.LoadFromIni(file);
    EXPECT_EQ(prefs.BGColor, "WHITE");
    EXPECT_EQ(prefs.BodyColor, "BLACK");
    EXPECT_EQ(prefs.LinkColor, "PURPLE");
    EXPECT_EQ(prefs.ALinkColor, "RED");
    EXPECT_EQ(prefs.VLinkColor, "GREEN");
    EXPECT_EQ(prefs.BGSysCol, 0xFFFFFF);
    EXPECT_EQ(prefs.BodySysCol, 0);
    EXPECT_EQ(prefs.LinkSysColor, 0x800080);
    EXPECT_EQ(prefs.ALinkSysColor, 0x0000FF);
    EXPECT_EQ(prefs.VLinkSysColor, 0x008000);
    EXPECT_EQ(prefs.DefFontFace, "Arial");
    EXPECT_EQ(prefs.sFileName, "cStyle.css");
    EXPECT_EQ(prefs.PMargin, "7%");
    for (std::size_t i = 0; i < kStyleElementCount; ++i)
        EXPECT_EQ(prefs.elements[i].ToText(), before.elements[i].ToText());
    EXPECT_EQ(prefs.elements[2].fontFace, "Verdana");
}

TEST(StyleFile, BadNumberStopsTheImportAndKeepsWhatWasRead)
{
    TempFolder folder;
    const fs::path file = folder.path() / "bad.sprf";
    WriteBytes(file, "[STYLEPREFS]\r\nBGColor=navy\r\nBGSysCol=oops\r\nPMargin=1em\r\n"
                     "StyleSpecs0=P;white;Courier;9;1;red;255;0;;;;\r\n"
                     "StyleSpecs1=H1;white;Courier;12;x;red;255;0;;;;\r\n"
                     "StyleSpecs2=H2;white;Courier;13;1;red;255;0;;;;\r\n");
    TStylePrefs prefs = StartUpSet();
    try {
        prefs.LoadFromIni(file);
        FAIL() << "a bad alignment was accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'x' is not a valid integer value");
    }
    EXPECT_EQ(prefs.BGColor, "navy");
    EXPECT_EQ(prefs.BGSysCol, 0xFFFFFF);  // not an integer: its default
    EXPECT_EQ(prefs.PMargin, "1em");
    EXPECT_EQ(prefs.elements[0].selector, "P");
    EXPECT_EQ(prefs.elements[0].fontFace, "Courier");
    // the failing element has its fields before the alignment, the next none
    EXPECT_EQ(prefs.elements[1].fontFace, "Courier");
    EXPECT_EQ(prefs.elements[1].colorName, "navy");
    EXPECT_EQ(prefs.elements[2].fontFace, "Arial");
}

TEST(StyleFile, LongPageMarginIsCut)
{
    TempFolder folder;
    const fs::path file = folder.path() / "long.sprf";
    WriteBytes(file, "[STYLEPREFS]\r\nPMargin=" + std::string(300, 'm') + "\r\n");
    TStylePrefs prefs;
    prefs.LoadFromIni(file);
    EXPECT_EQ(prefs.PMargin, std::string(255, 'm'));
}

// --- the style block of the project file -------------------------------------

TEST(StyleBlock, HoldsThirtyValuesInOrder)
{
    const TStylePrefs prefs = StartUpSet();
    ValueWriter writer;
    prefs.SaveToWriter(writer);
    ValueReader reader(writer.Bytes());
    EXPECT_EQ(reader.GetString(), "WHITE");
    EXPECT_EQ(reader.GetString(), "BLACK");
    EXPECT_EQ(reader.GetString(), "PURPLE");
    EXPECT_EQ(reader.GetString(), "RED");
    EXPECT_EQ(reader.GetString(), "GREEN");
    EXPECT_EQ(reader.GetInteger(), 0xFFFFFF);
    EXPECT_EQ(reader.GetInteger(), 0);
    EXPECT_EQ(reader.GetInteger(), 0x800080);
    EXPECT_EQ(reader.GetInteger(), 0xFF);
    EXPECT_EQ(reader.GetInteger(), 0x8000);
    EXPECT_EQ(reader.GetString(), "Arial");
    EXPECT_EQ(reader.GetString(), "2%,7%");
    EXPECT_EQ(reader.GetString(), "cStyle.css");
    EXPECT_EQ(reader.GetString(), "Body;WHITE;Arial;10;3;black;0;1;2%,7%;;;");
    for (int i = 1; i < kStyleElementCount; ++i)
        reader.GetString();
    EXPECT_EQ(reader.GetString(), "yellow;65535;0;red;255;0;yellow;65535;0;");
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(StyleBlock, RoundTripIncludesLinkStates)
{
    TStylePrefs source = StartUpSet();
    source.links[1].underline = true;
    source.links[2].colorName = "olive";
    source.links[2].colorValue = 0x008080;
    source.elements[7].fontFace = "Très";  // non-ASCII goes through UTF-8
    source.PMargin = "1%";
    ValueWriter writer;
    source.SaveToWriter(writer);

    TStylePrefs target;
    ValueReader reader(writer.Bytes());
    target.LoadFromReader(reader);
    EXPECT_EQ(target.LinksToText(), source.LinksToText());
    EXPECT_EQ(target.links[2].state, "visited");
    EXPECT_EQ(target.elements[7].fontFace, "Très");
    EXPECT_EQ(target.PMargin, "1%");
    EXPECT_EQ(target.BuildStyleSheet(), source.BuildStyleSheet());
}

TEST(StyleBlock, TruncatedBlockFailsInTheReader)
{
    ValueWriter writer;
    StartUpSet().SaveToWriter(writer);
    const std::string bytes = writer.Bytes();
    TStylePrefs target;
    ValueReader reader(std::string_view(bytes).substr(0, bytes.size() - 5));
    EXPECT_THROW(target.LoadFromReader(reader), Error);
}

// --- equality -------------------------------------------------------------------

std::string BlockBytes(const TStylePrefs& prefs)
{
    ValueWriter writer;
    prefs.SaveToWriter(writer);
    return writer.Bytes();
}

struct StyleChange {
    const char* what;
    void (*apply)(TStylePrefs&);
};

TEST(StyleEquality, CopyIsEqualAndGivesTheSameBlock)
{
    const TStylePrefs original = StartUpSet();
    const TStylePrefs copy = original;
    EXPECT_TRUE(copy == original);
    EXPECT_EQ(BlockBytes(copy), BlockBytes(original));
    EXPECT_FALSE(original == TStylePrefs());
}

TEST(StyleEquality, ChangeInAnySavedRecordTellsTheSetsApart)
{
    const StyleChange changes[] = {
        {"page colour name", [](TStylePrefs& p) { p.VLinkColor = "lime"; }},
        {"page colour value", [](TStylePrefs& p) { p.BodySysCol = 0x010101; }},
        {"page margin", [](TStylePrefs& p) { p.PMargin = "1%"; }},
        {"stylesheet name", [](TStylePrefs& p) { p.sFileName = "autre.css"; }},
        {"element margin", [](TStylePrefs& p) { p.elements[6].margin = "4px"; }},
        {"element options", [](TStylePrefs& p) { p.elements[2].options = "border:0;"; }},
        {"element flag", [](TStylePrefs& p) { p.elements[8].transparent = false; }},
        {"link underline", [](TStylePrefs& p) { p.links[2].underline = true; }},
        {"link colour value", [](TStylePrefs& p) { p.links[0].colorValue = 1; }},
    };
    const TStylePrefs original = StartUpSet();
    for (const StyleChange& change : changes) {
        TStylePrefs changed = original;
        change.apply(changed);
        EXPECT_FALSE(changed == original) << change.what;
        EXPECT_NE(BlockBytes(changed), BlockBytes(original)) << change.what;
    }
}

// The editor asks whether the style dialog changed what the project saves:
// what loading derives again and what the block does not hold do not count.
TEST(StyleEquality, FieldsTheBlockDoesNotHoldDoNotCount)
{
    const StyleChange changes[] = {
        {"description", [](TStylePrefs& p) { p.descriptions[3] = "autre"; }},
        {"short name", [](TStylePrefs& p) { p.shortNames[3] = "x"; }},
        {"row table", [](TStylePrefs& p) { p.fontSizes[4] = 30; }},
        {"dialog folder", [](TStylePrefs& p) { p.prefsDir = "/tmp"; }},
        {"derived size", [](TStylePrefs& p) { p.elements[1].fontSize = 99; }},
        {"derived background", [](TStylePrefs& p) { p.elements[1].backgroundValue = 0x123456; }},
        {"options stored alike", [](TStylePrefs& p) { p.elements[2].options = "a;b"; }},
    };
    TStylePrefs original = StartUpSet();
    original.elements[2].options = "a\r\nb";
    for (const StyleChange& change : changes) {
        TStylePrefs changed = original;
        change.apply(changed);
        EXPECT_TRUE(changed == original) << change.what;
        EXPECT_EQ(BlockBytes(changed), BlockBytes(original)) << change.what;
    }
}

TEST(StyleEquality, LoadedBlockEqualsTheSetItWasSavedFrom)
{
    TStylePrefs source = StartUpSet();
    source.BGSysCol = 0x808000;
    source.elements[4].fontSizeText = "14";
    source.links[1].underline = true;
    TStylePrefs target;
    ValueReader reader(BlockBytes(source));
    target.LoadFromReader(reader);
    EXPECT_TRUE(target == source);
}

} // namespace
} // namespace sw
