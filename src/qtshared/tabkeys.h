#pragma once

#include <QObject>

class QEvent;
class QPlainTextEdit;

namespace sw {

// Tab in a memo moves to the next field, as in a one-line edit, and
// Ctrl+Tab types the tab character that Tab no longer types.
class TTabKeys : public QObject {
    Q_OBJECT
public:
    // Gives memo these keys; the object lives as long as the memo.
    static void MoveFocusOnTab(QPlainTextEdit* memo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TTabKeys(QPlainTextEdit* memo);

    QPlainTextEdit* memo_;
};

} // namespace sw
