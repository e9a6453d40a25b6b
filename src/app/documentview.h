#pragma once

#include <QString>

namespace sw {

// What the document controller asks of the window that shows the project;
// the project itself it shows from its document's announcements.
class TDocumentView {
public:
    virtual ~TDocumentView() = default;

    // Back to the first tab, before another project is shown.
    virtual void ResetDocument() = 0;
    // The window's title, with its "[*]" marker, and the project's full path
    // (empty for a project without a file).
    virtual void ShowTitle(const QString& title, const QString& fullPath) = 0;
    // Whether the project has changes not yet saved: the title's marker.
    virtual void ShowModified(bool modified) = 0;
    // A passing note in the status bar.
    virtual void ShowNote(const QString& note) = 0;
};

} // namespace sw
