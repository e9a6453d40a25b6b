#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include <QHash>
#include <QList>
#include <QObject>
#include <QUrl>

class QWidget;

namespace sw {

// Files dragged from outside onto the main window's controls. The text
// fields take drops of their own and the picture boxes are made to; this
// filter turns those drops into the window's commands: local picture files
// dropped on a picture box go to that picture, and any drop whose first file
// is local opens that file as the project. Drops are taken only while the
// window accepts them.
class TFileDrops : public QObject {
    Q_OBJECT
public:
    using OpenFiles = std::function<void(const QList<QUrl>&)>;
    using DropPictures = std::function<void(int box, const std::vector<std::filesystem::path>& files)>;

    TFileDrops(QWidget* window, OpenFiles open, DropPictures pictures);

    // Filters the drops on widget.
    void Watch(QWidget* widget);
    // Filters the drops on a picture box, which then takes drops.
    void WatchPictureBox(QWidget* box, int k);

    // Whether the first of urls is a local file; such drops open it.
    static bool StartsWithLocalFile(const QList<QUrl>& urls);
    // The local picture files among urls, when the first one is one.
    static std::vector<std::filesystem::path> PictureFiles(const QList<QUrl>& urls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    OpenFiles open_;
    DropPictures pictures_;
    QHash<const QObject*, int> boxes_;
};

} // namespace sw
