#include "app/filedrops.h"

#include <utility>

#include <QDropEvent>
#include <QEvent>
#include <QMimeData>
#include <QWidget>

#include "model/picturename.h"
#include "qtshared/uitext.h"

namespace sw {

TFileDrops::TFileDrops(QWidget* window, OpenFiles open, DropPictures pictures)
    : QObject(window), window_(window), open_(std::move(open)), pictures_(std::move(pictures))
{
}

void TFileDrops::Watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

void TFileDrops::WatchPictureBox(QWidget* box, int k)
{
    boxes_.insert(box, k);
    box->setAcceptDrops(true);
    box->installEventFilter(this);
}

bool TFileDrops::StartsWithLocalFile(const QList<QUrl>& urls)
{
    return !urls.isEmpty() && urls.first().isLocalFile();
}

std::vector<std::filesystem::path> TFileDrops::PictureFiles(const QList<QUrl>& urls)
{
    std::vector<std::filesystem::path> files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const std::filesystem::path file = uitext::QStringToPath(url.toLocalFile());
        if (IsPictureFileName(file.filename().string()))
            files.push_back(file);
        else if (files.empty())
            break;
    }
    return files;
}

bool TFileDrops::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drag = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drag->mimeData()->urls();
    if (!window_->acceptDrops() || !StartsWithLocalFile(urls))
        return QObject::eventFilter(watched, event);
    drag->acceptProposedAction();
    if (type != QEvent::Drop)
        return true;
    const auto box = boxes_.constFind(watched);
    std::vector<std::filesystem::path> pictures;
    if (box != boxes_.constEnd())
        pictures = PictureFiles(urls);
    if (!pictures.empty())
        pictures_(box.value(), pictures);
    else
        open_(urls);
    return true;
}

} // namespace sw
