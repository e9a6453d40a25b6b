#include "printout/printedshot.h"

#include <QStringList>

#include "document/projectdocument.h"
#include "model/camerawords.h"
#include "qtshared/uitext.h"

namespace sw::printout {

namespace {

// The words of the editor's lists, which have their accents; a movement value
// v > 0 is entry v - 1, 0 is no movement.
QString MovementWords(const TCam& cam)
{
    QStringList words;
    if (cam.pan > 0 && cam.pan <= PanEntries.size())
        words << QStringLiteral("panoramique ") + uitext::ToQString(PanEntries[cam.pan - 1]);
    if (cam.travel > 0 && cam.travel <= TravelEntries.size())
        words << QStringLiteral("travelling ") + uitext::ToQString(TravelEntries[cam.travel - 1]);
    if (cam.zoom > 0 && cam.zoom <= ZoomEntries.size())
        words << QStringLiteral("zoom ") + uitext::ToQString(ZoomEntries[cam.zoom - 1]);
    return words.join(QLatin1Char('\n'));
}

QString CameraWordsOf(const TCam& cam)
{
    QStringList lines;
    if (cam.framing < FramingEntries.size())
        lines << QStringLiteral("cadrage : ") + uitext::ToQString(FramingEntries[cam.framing]);
    if (cam.angle < AngleEntries.size())
        lines << QStringLiteral("angle : ") + uitext::ToQString(AngleEntries[cam.angle]);
    const QString movements = MovementWords(cam);
    if (!movements.isEmpty())
        lines << movements;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::vector<PrintedShot> PrintedShots(const ProjectDocument& project)
{
    std::vector<PrintedShot> shots;
    const TEventList& list = project.EventList;
    shots.reserve(list.Count());
    for (std::size_t index = 0; index < list.Count(); ++index) {
        const TEvent& event = list.Event(index);
        PrintedShot shot;
        shot.number = QString::number(index + 1);
        shot.name = uitext::ToQString(event.name);
        shot.action = uitext::ToQString(event.action);
        shot.sound = uitext::ToQString(event.sound);
        shot.dialogue = uitext::ToQString(event.dialogue);
        shot.duration = QStringLiteral("%1 s").arg(DurationSeconds(event.cam.duration));
        shot.cumulated = uitext::ToQString(list.CumulText(index));
        shot.framing = event.cam.framing < FramingEntries.size()
                           ? uitext::ToQString(FramingEntries[event.cam.framing])
                           : QString();
        shot.cameraWords = CameraWordsOf(event.cam);
        shot.effect = uitext::ToQString(event.cam.effect);
        shot.startPicture = event.cam.startImage;
        shot.endPicture = event.cam.endImage;
        shots.push_back(std::move(shot));
    }
    return shots;
}

} // namespace sw::printout
