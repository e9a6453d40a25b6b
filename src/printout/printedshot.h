#pragma once

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
};

std::vector<PrintedShot> PrintedShots(const ProjectDocument& project);

} // namespace sw::printout
