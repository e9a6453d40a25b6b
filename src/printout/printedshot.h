#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <QString>

namespace sw {
struct ProjectDocument;
}

namespace sw::printout {

// One shot as the printed parts show it: the core's row, its texts ready for Qt. Pictures
// keep their model names, by which they are found in the image folder.
struct PrintedShot {
    QString number;
    QString name;
    QString action;
    QString sound;
    QString dialogue;
    QString duration;
    QString cumulated;
    QString framing;
    // Framing, angle and the movements, one to a line.
    QString cameraWords;
    QString effect;
    std::string startPicture;
    std::string endPicture;
    // The number of the shot's scene ("12A"); empty for a shot of no scene.
    QString scene;
};

std::vector<PrintedShot> PrintedShots(const ProjectDocument& project);

// A run of shots of one scene as the tables head it: the scene's title
// ("12. INT. CUISINE - JOUR", "Sans scène") and its running time ("1m.
// 15s.").
struct PrintedScene {
    std::size_t first = 0;
    std::size_t count = 0;
    QString title;
    QString runningTime;
};

// One per run of shots (SceneGroups), in the shot order; none for a project
// without scenes.
std::vector<PrintedScene> PrintedScenes(const ProjectDocument& project);

} // namespace sw::printout
