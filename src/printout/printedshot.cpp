#include "printout/printedshot.h"

#include <QStringList>

#include "document/projectdocument.h"
#include "export/shotrows.h"
#include "model/scene.h"
#include "qtshared/uitext.h"

namespace sw::printout {

namespace {

// The choices (framing, angle and the movements), one to a line after their
// prefix; the framing reads as the site publishes it, the other words are
// the editor's entries.
QString CameraWordsOf(const ShotRow& row)
{
    QStringList lines;
    for (const ShotFieldInfo& field : ShotFields()) {
        if (field.kind != FieldKind::Choice)
            continue;
        const std::string& word = field.field == ShotField::Framing ? row.framingWord : row.Text(field.field);
        if (!word.empty())
            lines << uitext::ToQString(field.printPrefix) + uitext::ToQString(word);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::vector<PrintedShot> PrintedShots(const ProjectDocument& project)
{
    std::vector<PrintedShot> shots;
    const std::vector<ShotRow> rows = ShotRows(project);
    shots.reserve(rows.size());
    for (const ShotRow& row : rows) {
        PrintedShot shot;
        shot.number = QString::number(row.number);
        shot.name = uitext::ToQString(row.Text(ShotField::Name));
        shot.action = uitext::ToQString(row.Text(ShotField::Action));
        shot.sound = uitext::ToQString(row.Text(ShotField::Sound));
        shot.dialogue = uitext::ToQString(row.Text(ShotField::Dialogue));
        shot.duration = QStringLiteral("%1 s").arg(row.durationSeconds);
        shot.cumulated = uitext::ToQString(row.cumulatedText);
        shot.framing = uitext::ToQString(row.framingWord);
        shot.cameraWords = CameraWordsOf(row);
        shot.effect = uitext::ToQString(row.Text(ShotField::Effect));
        shot.startPicture = row.Text(ShotField::StartPicture);
        shot.endPicture = row.Text(ShotField::EndPicture);
        shot.scene = uitext::ToQString(row.sceneNumber);
        shots.push_back(std::move(shot));
    }
    return shots;
}

std::vector<PrintedScene> PrintedScenes(const ProjectDocument& project)
{
    std::vector<PrintedScene> scenes;
    if (project.Scenes.empty())
        return scenes;
    for (const SceneGroup& group : SceneGroups(project.EventList, project.Scenes)) {
        scenes.push_back({group.first, group.count, uitext::ToQString(SceneTitle(group.scene)),
                          uitext::ToQString(ElapsedTextOf(static_cast<long long>(group.seconds)))});
    }
    return scenes;
}

} // namespace sw::printout
