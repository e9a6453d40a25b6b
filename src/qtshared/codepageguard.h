#pragma once

#include <utility>

#include <QObject>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace sw {

// Keeps a field of the style set to the characters a style file can hold
// (Windows-1252): a character typed or pasted beyond them is taken out at
// once, and the field says why in a tip beside it. Texts filled in by the
// program are left alone.
class TCodePageGuard : public QObject {
    Q_OBJECT
public:
    // Guards the edit; the object lives as long as the edit.
    static TCodePageGuard* Guard(QLineEdit* edit);
    static TCodePageGuard* Guard(QPlainTextEdit* memo);

    // The sentence shown for the last character taken out, or empty.
    QString LastRefusal() const { return lastRefusal_; }

signals:
    // A character was taken out of the field; message says which and why.
    void refused(const QString& message);

private:
    explicit TCodePageGuard(QWidget* field);
    // text without the characters the code page cannot hold, and the message
    // for the first of them; text as it is when every character fits.
    QString Kept(const QString& text);
    void Tell(QWidget* field);

    QString lastRefusal_;
    bool changing_ = false;
    // The memo's characters added by the change being made, start and end.
    std::pair<int, int> added_{0, 0};
};

} // namespace sw
