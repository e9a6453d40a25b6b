#pragma once

#include <functional>

#include <QString>

#include "timeline/timelineexport.h"

class QWidget;

namespace sw {

class TEditorApp;
class TUserPrompts;

// The hand-off to the film editor and back: the timeline written for the
// editing program, with its title cards, and the cut it sends back, whose
// durations (and order, if the user wishes) the shots take in one step of
// the history after a summary.
class TTimelineExchange {
public:
    TTimelineExchange(TEditorApp& app, TUserPrompts& prompts, QWidget* dialogParent,
                      std::function<QString(const char* suffix)> suggestedFile, std::function<QString()> dialogFolder,
                      TitleCardWriter writeCard);

    // The timeline file, then the shots without an id get one (the project
    // is then modified: saving keeps them), then the cards and the timeline
    // are written with a progress box.
    void ExportTimelineClick();
    // The timeline file, its summary, then the new durations as one step.
    void ImportCutClick();

private:
    TEditorApp& app_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::function<QString(const char*)> suggestedFile_;
    std::function<QString()> dialogFolder_;
    TitleCardWriter writeCard_;
};

} // namespace sw
