#include "timeline/timelineexport.h"

#include <system_error>

#include "document/projectdocument.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/systemtext.h"
#include "timeline/timeline.h"
#include "timeline/timelineformats.h"

namespace sw {

std::size_t WriteTimelineFile(const std::filesystem::path& file, const ProjectDocument& project,
                              const std::filesystem::path& imgDir, int fps, const TitleCardWriter& writeCard)
{
    const auto format = TimelineFormatOf(file);
    if (!format)
        throw Error("Le fichier « " + file.filename().string() +
                    " » n'a pas l'extension d'une timeline : .otio, .edl, .fcpxml ou .mlt.");
    const std::filesystem::path mediaDir = TimelineMediaFolder(file);
    const Timeline timeline = MakeTimeline(project, fps, imgDir, mediaDir);
    std::size_t cards = 0;
    for (const TimelineClip& clip : timeline.clips) {
        if (!clip.card)
            continue;
        if (cards == 0) {
            std::error_code error;
            std::filesystem::create_directories(mediaDir, error);
            if (error || !std::filesystem::is_directory(mediaDir))
                throw Error("Le dossier « " + mediaDir.string() + " » des cartons de la timeline ne peut pas être créé" +
                            (error ? " : " + FrenchReason(error) : std::string(" : un fichier porte ce nom")) + ".");
        }
        writeCard(clip.media, project, clip, timeline.width, timeline.height);
        ++cards;
    }
    const std::string text = TimelineText(timeline, *format);
    if (const std::error_code error = TryWriteFileAtomically(file, text, LinkPolicy::WriteThroughLink))
        throw Error("Le fichier « " + file.filename().string() + " » ne peut pas être écrit : " +
                    FrenchReason(error));
    return cards;
}

} // namespace sw
