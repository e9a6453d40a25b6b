#pragma once

#include <string>

#include <QString>

namespace sw {

// What the document controller asks of the window that shows the project.
class TDocumentView {
public:
    virtual ~TDocumentView() = default;

    // Empties every control, the shots and the project's texts.
    virtual void ResetDocument() = 0;
    // Fills the controls from the project just read.
    virtual void ShowLoadedProject() = 0;
    // Copies the shown shot's controls into the project, before it is saved.
    virtual void StoreEditedShot() = 0;
    // The first shot of a new project: named by the user when askName is
    // true, "plan 1" without asking otherwise.
    virtual void AddFirstShot(bool askName) = 0;
    // The author of a new project, from the settings.
    virtual void ShowCreator(const std::string& creator) = 0;
    // The window's title, with its "[*]" marker, and the project's full path
    // (empty for a project without a file).
    virtual void ShowTitle(const QString& title, const QString& fullPath) = 0;
    // Whether the project has changes not yet saved: the title's marker.
    virtual void ShowModified(bool modified) = 0;
    // A passing note in the status bar.
    virtual void ShowNote(const QString& note) = 0;
};

} // namespace sw
