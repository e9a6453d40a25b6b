#include "interchange/cutfile.h"


#include "model/error.h"
#include "model/filebytes.h"

namespace sw {

std::vector<CutClip> ReadCutBytes(std::string_view bytes, TimelineFormat format, int edlFps)
{
    std::vector<CutClip> clips;
    switch (format) {
    case TimelineFormat::Otio: clips = ReadOtioCut(bytes); break;
    case TimelineFormat::Edl: clips = ReadEdlCut(bytes, edlFps); break;
    case TimelineFormat::Fcpxml: clips = ReadFcpxmlCut(bytes); break;
    case TimelineFormat::Mlt: clips = ReadMltCut(bytes); break;
    }
    if (clips.empty())
        throw Error("aucun clip vidéo");
    return clips;
}

std::vector<CutClip> ReadCutFile(const std::filesystem::path& file, int edlFps)
{
    const std::string name = "Le fichier « " + file.filename().string() + " »";
    const auto format = TimelineFormatOf(file);
    if (!format)
        throw Error(name + " n'est pas une timeline : son extension n'est ni .otio, ni .edl, ni .fcpxml, ni .mlt.");
    const std::string bytes = ReadFileNoLargerThan(file, kMaxCutFileBytes, "une timeline");
    try {
        return ReadCutBytes(bytes, *format, edlFps);
    } catch (const std::exception& failure) {
        throw Error(name + " ne peut pas être lu comme une timeline (" + failure.what() + ").");
    }
}

} // namespace sw
