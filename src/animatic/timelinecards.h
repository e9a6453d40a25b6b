#pragma once

#include "timeline/timelineexport.h"

namespace sw::animatic {

// The title cards of the timelines' media folder as the animatic draws
// them (WriteTitleCardPng), at the timeline's size, each telling a shot
// played for the project's default duration.
TitleCardWriter TimelineCardWriter();

} // namespace sw::animatic
