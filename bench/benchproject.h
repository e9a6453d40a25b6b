#pragma once

#include <cstdint>
#include <string>

#include "document/projectdocument.h"

namespace sw::bench {

// A project of the given number of shots, every text several lines long with
// accents, quotes and parentheses, every other shot with a picture.
inline ProjectDocument MakeProject(std::int64_t shots)
{
    ProjectDocument project;
    project.GenInfo.title = "Le \"grand\" été";
    project.GenInfo.creator = "Anne\r\nBob";
    project.GenInfo.comment = "Tourné en juin.\r\n\r\nDeux jours.";
    project.GenInfo.idea = "Une idée";
    project.GenInfo.synopsis = "Il pleut.\r\n\r\nIl fait beau.\r\n<ul>\r\n<li>un\r\n<li>deux\r\n</ul>";
    project.Report.text = "Ligne un\r\nLigne deux\r\n\r\nLigne trois";
    for (std::int64_t i = 0; i < shots; ++i) {
        TEvent& shot = project.EventList.AddEvent();
        shot.action = "Elle entre (lentement) dans la pièce.\r\nElle regarde la fenêtre.\r\nElle sort.";
        shot.sound = "Pluie \"forte\"\r\nTonnerre au loin";
        shot.dialogue = "Elle: Il est là ?\r\nLui: Non.";
        shot.cam.duration = std::to_string(3 + i % 40);
        shot.cam.framing = static_cast<std::uint8_t>(i % 8);
        shot.cam.angle = static_cast<std::uint8_t>(i % 6);
        shot.cam.pan = static_cast<std::uint8_t>(i % 4);
        shot.cam.travel = static_cast<std::uint8_t>(i % 6);
        shot.cam.zoom = static_cast<std::uint8_t>(i % 3);
        shot.cam.effect = i % 3 == 0 ? std::string() : std::string("Lumière douce\r\nflou");
        if (i % 2 == 0)
            shot.cam.startImage = "plan" + std::to_string(i) + ".jpg";
    }
    return project;
}

} // namespace sw::bench
