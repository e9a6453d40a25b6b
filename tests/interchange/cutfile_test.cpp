// Timelines read back: each format as Shotweave writes it gives back its
// clips, names, ids and lengths; cuts as editing programs re-export them
// (other orders and lengths, ids dropped, gaps, transitions, connected
// clips, audio and background tracks, clock times) give the primary video
// track's clips; broken, hostile, huge or special files are refused with the
// file's name, never half read.

#include "interchange/cutfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "document/projectdocument.h"
#include "model/error.h"
#include "timeline/timeline.h"
#include "timeline/timelineformats.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

ProjectDocument ThreeShots()
{
    ProjectDocument project;
    project.GenInfo.title = "Court & \"noir\"";
    const char* names[] = {"Réveil", "Rue <nuit>", "Fin"};
    const char* durations[] = {"5", "12", ""};
    for (int i = 0; i < 3; ++i) {
        TEvent& shot = project.EventList.AddEvent();
        shot.name = names[i];
        shot.cam.duration = durations[i];
        shot.action = "Action " + std::to_string(i + 1);
        shot.id = "id-" + std::to_string(i + 1);
    }
    return project;
}

std::string Written(TimelineFormat format, int fps = 25)
{
    return TimelineText(MakeTimeline(ThreeShots(), fps, "/films/img", "/films/montage_media"), format);
}

std::string Seconds(const CutClip& clip)
{
    return std::to_string(clip.lengthNumerator) + "/" + std::to_string(clip.lengthDenominator);
}

void ExpectThreeShots(const std::vector<CutClip>& clips, int fps, const char* format)
{
    ASSERT_EQ(clips.size(), 3u) << format;
    EXPECT_EQ(clips[0].name, "1. Réveil") << format;
    EXPECT_EQ(clips[1].name, "2. Rue <nuit>") << format;
    EXPECT_EQ(clips[2].id, "id-3") << format;
    const int seconds[] = {5, 12, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(clips[i].id, "id-" + std::to_string(i + 1)) << format;
        EXPECT_EQ(clips[i].lengthNumerator * fps, seconds[i] * fps * clips[i].lengthDenominator)
            << format << " clip " << i << " " << Seconds(clips[i]);
    }
}

TEST(CutFile, EachFormatReadsBackWhatWasWritten)
{
    for (const int fps : {24, 25, 30}) {
        ExpectThreeShots(ReadOtioCut(Written(TimelineFormat::Otio, fps)), fps, "otio");
        ExpectThreeShots(ReadEdlCut(Written(TimelineFormat::Edl, fps), fps), fps, "edl");
        ExpectThreeShots(ReadFcpxmlCut(Written(TimelineFormat::Fcpxml, fps)), fps, "fcpxml");
        ExpectThreeShots(ReadMltCut(Written(TimelineFormat::Mlt, fps)), fps, "mlt");
    }
}

TEST(CutFile, AnOtioCutReorderedAndTrimmedWithAGapAndATransition)
{
    QJsonObject timeline = QJsonDocument::fromJson(QByteArray::fromStdString(Written(TimelineFormat::Otio))).object();
    QJsonObject stack = timeline[QStringLiteral("tracks")].toObject();
    QJsonArray tracks = stack[QStringLiteral("children")].toArray();
    QJsonObject track = tracks[0].toObject();
    QJsonArray clips = track[QStringLiteral("children")].toArray();
    QJsonObject last = clips[2].toObject();
    QJsonObject range = last[QStringLiteral("source_range")].toObject();
    range[QStringLiteral("duration")] = QJsonObject{{QStringLiteral("OTIO_SCHEMA"), QStringLiteral("RationalTime.1")},
                                                     {QStringLiteral("rate"), 23.976},
                                                     {QStringLiteral("value"), 180.0}};
    last[QStringLiteral("source_range")] = range;
    last[QStringLiteral("metadata")] = QJsonObject{};
    QJsonArray edited;
    edited.append(last);
    edited.append(QJsonObject{{QStringLiteral("OTIO_SCHEMA"), QStringLiteral("Gap.1")}, {QStringLiteral("name"), ""}});
    edited.append(QJsonObject{{QStringLiteral("OTIO_SCHEMA"), QStringLiteral("Transition.1")}});
    edited.append(clips[0]);
    track[QStringLiteral("children")] = edited;
    QJsonObject audio{{QStringLiteral("OTIO_SCHEMA"), QStringLiteral("Track.1")}, {QStringLiteral("kind"), QStringLiteral("Audio")}};
    tracks = QJsonArray{audio, track};
    stack[QStringLiteral("children")] = tracks;
    timeline[QStringLiteral("tracks")] = stack;

    const std::vector<CutClip> cut = ReadOtioCut(QJsonDocument(timeline).toJson().toStdString());
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].name, "3. Fin");
    EXPECT_EQ(cut[0].id, "");
    EXPECT_EQ(CutSeconds(cut[0]), 8);  // 180 frames at 23.976: 7.51 s
    EXPECT_EQ(cut[1].id, "id-1");
}

TEST(CutFile, AnEdlFromAnotherProgramWithAudioDissolvesAndWindowsLineEnds)
{
    const std::string edl =
        "TITLE: Montage final\r\nFCM: NON-DROP FRAME\r\n\r\n"
        "001  AX       V     C        00:00:00:00 00:00:03:00 01:00:00:00 01:00:03:00\r\n"
        "* FROM CLIP NAME: 2. Rue <nuit>\r\n"
        "002  AX       A     C        00:00:00:00 00:00:09:00 01:00:00:00 01:00:09:00\r\n"
        "* FROM CLIP NAME: musique.wav\r\n"
        "003  AX       V     C        00:00:00:00 00:00:00:00 01:00:03:00 01:00:03:00\r\n"
        "003  AX       V     D    012 00:00:01:00 00:00:07:12 01:00:03:00 01:00:09:12\r\n"
        "* FROM CLIP NAME: 1. Réveil\r\n* SHOT ID: id-1\r\n";
    const std::vector<CutClip> cut = ReadEdlCut(edl, 25);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].name, "2. Rue <nuit>");
    EXPECT_EQ(CutSeconds(cut[0]), 3);
    EXPECT_EQ(cut[1].name, "1. Réveil");
    EXPECT_EQ(cut[1].id, "id-1");
    EXPECT_EQ(cut[1].lengthNumerator, 6 * 25 + 12);
    EXPECT_THROW(ReadEdlCut("Bonjour\nceci n'est pas une liste\n", 25), Error);
}

TEST(CutFile, AnFcpxmlCutKeepsThePrimaryStorylineOnly)
{
    std::string xml = Written(TimelineFormat::Fcpxml);
    // The editor trims the first clip, puts a gap and a transition in, and
    // connects a title above the second clip.
    const auto replace = [&xml](const std::string& from, const std::string& to) {
        const std::size_t at = xml.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        xml.replace(at, from.size(), to);
    };
    replace("duration=\"125/25s\" format=\"r1\">", "duration=\"3003/1000s\" format=\"r1\">");
    replace("<spine>\n", "<spine>\n<gap name=\"Vide\" offset=\"0s\" duration=\"2s\"/>\n"
                         "<transition name=\"Fondu\" offset=\"2s\" duration=\"1s\"/>\n");
    replace("<asset-clip ref=\"a2\" name=\"2. Rue &lt;nuit&gt;\" offset=\"125/25s\" start=\"0s\" duration=\"300/25s\" "
            "format=\"r1\">\n",
            "<asset-clip ref=\"a2\" name=\"2. Rue &lt;nuit&gt;\" offset=\"125/25s\" start=\"0s\" duration=\"300/25s\" "
            "format=\"r1\">\n<title lane=\"1\" name=\"Sous-titre\" duration=\"2s\"><metadata><md "
            "key=\"com.shotweave.shot-id\" value=\"faux\"/></metadata></title>\n");
    const std::vector<CutClip> cut = ReadFcpxmlCut(xml);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[0].lengthNumerator, 3003);
    EXPECT_EQ(cut[0].lengthDenominator, 1000);
    EXPECT_EQ(CutSeconds(cut[0]), 3);
    EXPECT_EQ(cut[1].id, "id-2") << "a connected clip's metadata is its own";
    EXPECT_EQ(cut[2].name, "3. Fin");
}

TEST(CutFile, AnMltCutAsShotcutSavesItWithClockTimesChainsAndABackground)
{
    const std::string mlt = R"(<?xml version="1.0" standalone="no"?>
<mlt LC_NUMERIC="C" version="7.12.0" title="Shotcut" producer="main_bin">
  <profile frame_rate_num="30000" frame_rate_den="1001" width="1920" height="1080"/>
  <playlist id="main_bin"><property name="xml_retain">1</property></playlist>
  <producer id="black" in="00:00:00.000" out="00:00:30.000">
    <property name="mlt_service">color</property><property name="resource">0</property>
  </producer>
  <playlist id="background"><entry producer="black" in="00:00:00.000" out="00:00:30.000"/></playlist>
  <chain id="chain0" out="00:00:04.971">
    <property name="resource">/films/img/reveil.jpg</property>
    <property name="shotcut:caption">1. Réveil</property>
    <property name="shotweave:shot-id">id-1</property>
  </chain>
  <chain id="chain1" out="00:00:11.979">
    <property name="resource">/films/montage_media/carton-002.png</property>
  </chain>
  <playlist id="playlist0">
    <property name="shotcut:video">1</property>
    <entry producer="chain1" in="00:00:00.000" out="00:00:06.473"/>
    <blank length="00:00:01.001"/>
    <entry producer="chain0" in="00:00:01.001" out="00:00:02.969"/>
  </playlist>
  <playlist id="playlist1"><property name="shotcut:audio">1</property>
    <entry producer="chain0" in="00:00:00.000" out="00:00:09.000"/></playlist>
  <tractor id="tractor0" title="Shotcut" in="00:00:00.000" out="00:00:10.000">
    <track producer="background"/>
    <track producer="playlist1" hide="video"/>
    <track producer="playlist0"/>
  </tractor>
</mlt>
)";
    const std::vector<CutClip> cut = ReadMltCut(mlt);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].name, "carton-002.png") << "a producer without caption is named by its file";
    EXPECT_EQ(cut[0].id, "");
    EXPECT_EQ(CutSeconds(cut[0]), 7);  // 195 frames at 29.97: 6.5 s, halves up
    EXPECT_EQ(cut[1].name, "1. Réveil");
    EXPECT_EQ(cut[1].id, "id-1");
    EXPECT_EQ(CutSeconds(cut[1]), 2);
}

TEST(CutFile, HostileAndBrokenTimelinesAreRefusedWithTheirReason)
{
    const std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE mlt [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
                               "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><mlt><producer id=\"p\"><property "
                               "name=\"shotcut:caption\">&b;</property></producer></mlt>";
    EXPECT_THROW(ReadMltCut(laughs), Error);
    EXPECT_THROW(ReadFcpxmlCut("<!DOCTYPE fcpxml [<!ENTITY x \"y\">]><fcpxml/>"), Error);
    try {
        ReadFcpxmlCut("<fcpxml version=\"1.10\">\n<library>\n<event></library></fcpxml>");
        FAIL() << "a broken document is refused";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "XML mal formé à la ligne 3");
    }
    EXPECT_THROW(ReadMltCut("<fcpxml/>"), Error);
    EXPECT_THROW(ReadFcpxmlCut("<mlt/>"), Error);
    EXPECT_THROW(ReadOtioCut("{\"OTIO_SCHEMA\": \"Timeline.1\", \"tracks\": "), Error);
    EXPECT_THROW(ReadOtioCut("{\"OTIO_SCHEMA\": \"Clip.2\"}"), Error);
    EXPECT_THROW(ReadOtioCut("[1, 2, 3]"), Error);
    // A clip with a length of nothing, of a negative or absurd rate is left out.
    const std::string odd = R"({"OTIO_SCHEMA": "Timeline.1", "tracks": {"children": [{"OTIO_SCHEMA": "Track.1",
        "kind": "Video", "children": [
        {"OTIO_SCHEMA": "Clip.2", "name": "a", "source_range": {"duration": {"value": 0, "rate": 25}}},
        {"OTIO_SCHEMA": "Clip.2", "name": "b", "source_range": {"duration": {"value": 10, "rate": -25}}},
        {"OTIO_SCHEMA": "Clip.2", "name": "c", "source_range": {"duration": {"value": 1e300, "rate": 25}}},
        {"OTIO_SCHEMA": "Clip.2", "name": "d", "source_range": {"duration": {"value": 50, "rate": 25}}}]}]}})";
    const std::vector<CutClip> cut = ReadOtioCut(odd);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].name, "d");
    EXPECT_THROW(ReadCutBytes("{\"OTIO_SCHEMA\": \"Timeline.1\", \"tracks\": {\"children\": [{\"OTIO_SCHEMA\": "
                              "\"Track.1\", \"kind\": \"Video\", \"children\": []}]}}",
                              TimelineFormat::Otio, 25),
                 Error)
        << "a timeline without a clip says so";
}

class TempFolder {
public:
    TempFolder() : path_(fs::temp_directory_path() / ("shotweave-cut-" + std::to_string(::getpid())))
    {
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

std::string MessageOf(const fs::path& file)
{
    try {
        ReadCutFile(file, 25);
    } catch (const Error& error) {
        return error.what();
    }
    return "read";
}

TEST(CutFile, FilesThatCannotBeTimelinesAreNamedInTheMessage)
{
    TempFolder temp;
    const fs::path good = temp.Path() / "montage.mlt";
    std::ofstream(good) << Written(TimelineFormat::Mlt);
    ExpectThreeShots(ReadCutFile(good, 25), 25, "file");

    EXPECT_EQ(MessageOf(temp.Path() / "absent.otio").rfind("Le fichier « absent.otio » ne peut pas être ouvert", 0), 0u);
    const fs::path pipe = temp.Path() / "tube.edl";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(MessageOf(pipe).rfind("Le fichier « tube.edl » ne peut pas être ouvert", 0), 0u) << MessageOf(pipe);
    const fs::path huge = temp.Path() / "énorme.fcpxml";
    std::ofstream(huge) << "x";
    fs::resize_file(huge, kMaxCutFileBytes + 1);
    EXPECT_NE(MessageOf(huge).find("« énorme.fcpxml » ne peut pas être lu : il est bien trop grand"), std::string::npos);
    const fs::path broken = temp.Path() / "cassé.otio";
    std::ofstream(broken) << "{\"OTIO_SCHEMA\": ";
    EXPECT_EQ(MessageOf(broken), "Le fichier « cassé.otio » ne peut pas être lu comme une timeline (JSON invalide à "
                                 "l'octet 16).");
    EXPECT_NE(MessageOf(temp.Path() / "montage.xml").find("ni .otio"), std::string::npos);
}

} // namespace
} // namespace sw
