#include "timeline/timelineformats.h"

#include <cstdio>

#include "model/textconv.h"
#include "timeline/shottiming.h"

namespace sw {

namespace {

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                json += escape;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

// One line of an EDL comment: line breaks become spaces.
std::string OneLine(std::string_view text)
{
    std::string line;
    for (const char c : text)
        line += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
    return Trim(line);
}

std::string RationalTime(std::int64_t frames, int fps)
{
    return "{\"OTIO_SCHEMA\": \"RationalTime.1\", \"rate\": " + std::to_string(fps) +
           ".0, \"value\": " + std::to_string(frames) + ".0}";
}

std::string TimeRange(std::int64_t start, std::int64_t frames, int fps)
{
    return "{\"OTIO_SCHEMA\": \"TimeRange.1\", \"duration\": " + RationalTime(frames, fps) +
           ", \"start_time\": " + RationalTime(start, fps) + "}";
}

std::string Otio(const Timeline& timeline)
{
    std::string otio = "{\n  \"OTIO_SCHEMA\": \"Timeline.1\",\n  \"metadata\": {},\n  \"name\": " +
                       JsonString(timeline.title) + ",\n  \"global_start_time\": " + RationalTime(0, timeline.fps) +
                       ",\n  \"tracks\": {\n    \"OTIO_SCHEMA\": \"Stack.1\",\n    \"metadata\": {},\n"
                       "    \"name\": \"tracks\",\n    \"source_range\": null,\n    \"effects\": [],\n"
                       "    \"markers\": [],\n    \"enabled\": true,\n    \"children\": [\n      {\n"
                       "        \"OTIO_SCHEMA\": \"Track.1\",\n        \"metadata\": {},\n        \"name\": \"V1\",\n"
                       "        \"source_range\": null,\n        \"effects\": [],\n        \"markers\": [],\n"
                       "        \"enabled\": true,\n        \"kind\": \"Video\",\n        \"children\": [";
    for (std::size_t i = 0; i < timeline.clips.size(); ++i) {
        const TimelineClip& clip = timeline.clips[i];
        const std::string notes = ClipNotes(clip);
        std::string markers = "[]";
        if (!notes.empty())
            markers = "[{\"OTIO_SCHEMA\": \"Marker.2\", \"metadata\": {}, \"name\": " + JsonString(clip.name) +
                      ", \"color\": \"GREEN\", \"marked_range\": " + TimeRange(0, 0, timeline.fps) +
                      ", \"comment\": " + JsonString(notes) + "}]";
        otio += std::string(i == 0 ? "" : ",") + "\n          {\n            \"OTIO_SCHEMA\": \"Clip.2\",\n" +
                "            \"metadata\": {\"shotweave\": {\"shot_id\": " + JsonString(clip.id) +
                ", \"action\": " + JsonString(clip.action) + ", \"dialogue\": " + JsonString(clip.dialogue) +
                "}},\n            \"name\": " + JsonString(clip.name) + ",\n            \"source_range\": " +
                TimeRange(0, clip.frameCount, timeline.fps) +
                ",\n            \"effects\": [],\n            \"markers\": " + markers +
                ",\n            \"enabled\": true,\n            \"media_references\": {\"DEFAULT_MEDIA\": "
                "{\"OTIO_SCHEMA\": \"ExternalReference.1\", \"metadata\": {}, \"name\": " +
                JsonString(clip.media.filename().string()) +
                ", \"available_range\": null, \"available_image_bounds\": null, \"target_url\": " +
                JsonString(FileUrl(clip.media)) + "}},\n" +
                "            \"active_media_reference_key\": \"DEFAULT_MEDIA\"\n          }";
    }
    otio += "\n        ]\n      }\n    ]\n  }\n}\n";
    return otio;
}

// Events start at one hour on the record side, as editing programs count.
std::string Edl(const Timeline& timeline)
{
    const int fps = timeline.fps;
    const std::int64_t hour = std::int64_t{3600} * fps;
    std::string edl = "TITLE: " + OneLine(timeline.title) + "\nFCM: NON-DROP FRAME\n";
    for (std::size_t i = 0; i < timeline.clips.size(); ++i) {
        const TimelineClip& clip = timeline.clips[i];
        char event[128];
        std::snprintf(event, sizeof event, "\n%03zu  AX       V     C        %s %s %s %s\n", i + 1,
                      Timecode(0, fps).c_str(), Timecode(clip.frameCount, fps).c_str(),
                      Timecode(hour + clip.firstFrame, fps).c_str(),
                      Timecode(hour + clip.firstFrame + clip.frameCount, fps).c_str());
        edl += event;
        edl += "* FROM CLIP NAME: " + OneLine(clip.name) + "\n";
        edl += "* SOURCE FILE: " + clip.media.string() + "\n";
        if (!clip.id.empty())
            edl += "* SHOT ID: " + clip.id + "\n";
        for (const std::string& note : {clip.action, clip.dialogue})
            if (const std::string line = OneLine(note); !line.empty())
                edl += "* COMMENT: " + line + "\n";
    }
    return edl;
}

std::string FcpTime(std::int64_t frames, int fps)
{
    return frames == 0 ? "0s" : std::to_string(frames) + "/" + std::to_string(fps) + "s";
}

std::string Fcpxml(const Timeline& timeline)
{
    const int fps = timeline.fps;
    const std::string format = "FFVideoFormat" + std::to_string(timeline.height) + "p" + std::to_string(fps);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE fcpxml>\n<fcpxml version=\"1.10\">\n"
                      "  <resources>\n    <format id=\"r1\" name=\"" + format + "\" frameDuration=\"1/" +
                      std::to_string(fps) + "s\" width=\"" + std::to_string(timeline.width) + "\" height=\"" +
                      std::to_string(timeline.height) + "\"/>\n";
    for (std::size_t i = 0; i < timeline.clips.size(); ++i) {
        const TimelineClip& clip = timeline.clips[i];
        xml += "    <asset id=\"a" + std::to_string(i + 1) + "\" name=\"" + XmlEscaped(clip.media.filename().string()) +
               "\" start=\"0s\" duration=\"0s\" hasVideo=\"1\" format=\"r1\" videoSources=\"1\">\n"
               "      <media-rep kind=\"original-media\" src=\"" + XmlEscaped(FileUrl(clip.media)) +
               "\"/>\n    </asset>\n";
    }
    const std::string title = XmlEscaped(timeline.title);
    xml += "  </resources>\n  <library>\n    <event name=\"" + title + "\">\n      <project name=\"" + title +
           "\">\n        <sequence format=\"r1\" duration=\"" + FcpTime(timeline.Frames(), fps) +
           "\" tcStart=\"0s\" tcFormat=\"NDF\">\n          <spine>\n";
    for (std::size_t i = 0; i < timeline.clips.size(); ++i) {
        const TimelineClip& clip = timeline.clips[i];
        xml += "            <asset-clip ref=\"a" + std::to_string(i + 1) + "\" name=\"" + XmlEscaped(clip.name) +
               "\" offset=\"" + FcpTime(clip.firstFrame, fps) + "\" start=\"0s\" duration=\"" +
               FcpTime(clip.frameCount, fps) + "\" format=\"r1\">\n";
        if (const std::string notes = ClipNotes(clip); !notes.empty())
            xml += "              <note>" + XmlEscaped(notes) + "</note>\n";
        if (!clip.id.empty())
            xml += "              <metadata>\n                <md key=\"com.shotweave.shot-id\" value=\"" +
                   XmlEscaped(clip.id) + "\"/>\n              </metadata>\n";
        xml += "            </asset-clip>\n";
    }
    xml += "          </spine>\n        </sequence>\n      </project>\n    </event>\n  </library>\n</fcpxml>\n";
    return xml;
}

std::string Property(std::string_view name, std::string_view value)
{
    return "    <property name=\"" + std::string(name) + "\">" + XmlEscaped(value) + "</property>\n";
}

// The producers hold their stills for their clip's length; the bin
// ("main_bin") lists them as Shotcut keeps its clips, and one track plays
// them in order.
std::string Mlt(const Timeline& timeline)
{
    const int fps = timeline.fps;
    const std::string title = XmlEscaped(timeline.title);
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<mlt LC_NUMERIC=\"C\" version=\"7.12.0\" title=\"" +
                      title + "\" producer=\"main_bin\">\n  <profile description=\"" +
                      std::to_string(timeline.width) + "x" + std::to_string(timeline.height) + " " +
                      std::to_string(fps) + " fps\" width=\"" + std::to_string(timeline.width) + "\" height=\"" +
                      std::to_string(timeline.height) +
                      "\" progressive=\"1\" sample_aspect_num=\"1\" sample_aspect_den=\"1\" display_aspect_num=\"" +
                      std::to_string(timeline.width) + "\" display_aspect_den=\"" + std::to_string(timeline.height) +
                      "\" frame_rate_num=\"" + std::to_string(fps) +
                      "\" frame_rate_den=\"1\" colorspace=\"709\"/>\n";
    std::string entries;
    for (std::size_t i = 0; i < timeline.clips.size(); ++i) {
        const TimelineClip& clip = timeline.clips[i];
        const std::string id = "producer" + std::to_string(i);
        const std::string out = std::to_string(clip.frameCount - 1);
        xml += "  <producer id=\"" + id + "\" in=\"0\" out=\"" + out + "\">\n";
        xml += Property("length", std::to_string(clip.frameCount));
        xml += Property("eof", "pause");
        xml += Property("resource", clip.media.string());
        xml += Property("ttl", "1");
        xml += Property("aspect_ratio", "1");
        xml += Property("shotcut:caption", clip.name);
        xml += Property("kdenlive:clipname", clip.name);
        if (!clip.id.empty())
            xml += Property("shotweave:shot-id", clip.id);
        if (const std::string notes = ClipNotes(clip); !notes.empty()) {
            xml += Property("shotweave:notes", notes);
            xml += Property("shotcut:comment", notes);
            xml += Property("kdenlive:description", notes);
        }
        xml += "  </producer>\n";
        entries += "    <entry producer=\"" + id + "\" in=\"0\" out=\"" + out + "\"/>\n";
    }
    xml += "  <playlist id=\"main_bin\">\n" + Property("xml_retain", "1") + entries + "  </playlist>\n";
    xml += "  <playlist id=\"playlist0\">\n" + Property("shotcut:video", "1") + Property("shotcut:name", "V1") +
           entries + "  </playlist>\n";
    xml += "  <tractor id=\"tractor0\" title=\"" + title + "\" in=\"0\" out=\"" +
           std::to_string(std::max<std::int64_t>(timeline.Frames() - 1, 0)) + "\">\n" + Property("shotcut", "1") +
           "    <track producer=\"playlist0\"/>\n  </tractor>\n</mlt>\n";
    return xml;
}

} // namespace

std::optional<TimelineFormat> TimelineFormatOf(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == ".otio")
        return TimelineFormat::Otio;
    if (extension == ".edl")
        return TimelineFormat::Edl;
    if (extension == ".fcpxml")
        return TimelineFormat::Fcpxml;
    if (extension == ".mlt")
        return TimelineFormat::Mlt;
    return std::nullopt;
}

std::string TimelineText(const Timeline& timeline, TimelineFormat format)
{
    switch (format) {
    case TimelineFormat::Otio: return Otio(timeline);
    case TimelineFormat::Edl: return Edl(timeline);
    case TimelineFormat::Fcpxml: return Fcpxml(timeline);
    case TimelineFormat::Mlt: return Mlt(timeline);
    }
    return {};
}

std::string FileUrl(const std::filesystem::path& file)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : file.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0xF];
        }
    }
    return url;
}

std::string ClipNotes(const TimelineClip& clip)
{
    if (clip.action.empty() || clip.dialogue.empty())
        return clip.action + clip.dialogue;
    return clip.action + "\n" + clip.dialogue;
}

} // namespace sw
