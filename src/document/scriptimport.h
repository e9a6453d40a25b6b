#pragma once

#include "document/projectdocument.h"
#include "screenplay/fountain.h"

namespace sw {

// A new project planned from a screenplay: its title and author, its scenes
// in order (number, heading, synopsis), and the shots of each scene with
// their names, action and dialogue, each in its scene. The style set and
// the layout are those of base, which the caller prepares as for a new
// project. Throws sw::Error when the screenplay plans more shots than a
// project holds.
ProjectDocument ProjectFromScreenplay(const Screenplay& screenplay, ProjectDocument base = ProjectDocument());

} // namespace sw
