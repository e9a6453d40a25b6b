#include "export/shotrows.h"

#include "document/projectdocument.h"

namespace sw {

std::vector<ShotRow> ShotRows(const ProjectDocument& project)
{
    const TEventList& list = project.EventList;
    std::vector<ShotRow> rows;
    rows.reserve(list.Count());
    RunningTime total;
    for (std::size_t index = 0; index < list.Count(); ++index) {
        const TEvent& event = list.Event(index);
        ShotRow& row = rows.emplace_back();
        row.number = index + 1;
        for (const ShotFieldInfo& field : ShotFields())
            row.texts[static_cast<std::size_t>(field.field)] = FieldText(event, field.field);
        row.durationSeconds = CountedSeconds(event.cam.duration);
        total.Add(event.cam.duration);
        row.cumulatedSeconds = total.Seconds();
        row.cumulatedText = total.Text();
        row.framingWord = std::string(PublishedWord(event, ShotField::Framing));
        if (const std::size_t scene = SceneIndex(project.Scenes, event.scene); scene < project.Scenes.size()) {
            row.sceneNumber = project.Scenes[scene].number;
            row.sceneHeading = project.Scenes[scene].heading;
        }
    }
    return rows;
}

} // namespace sw
