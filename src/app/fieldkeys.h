#pragma once

#include <QObject>

class QWidget;

namespace sw {

class TDocument;

// The window's text fields and the document's history: Ctrl+Z, Ctrl+Maj+Z
// and Ctrl+Y in a field are the "Édition" menu's, which undo and redo the
// document's steps (a field's typing is one of them), and leaving a field
// ends its typing step.
class TFieldKeys : public QObject {
    Q_OBJECT
public:
    TFieldKeys(TDocument& document, QObject* parent);
    // Every one-line field and memo of window, and their own undo turned off.
    void WatchFieldsOf(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDocument& document_;
};

} // namespace sw
