#include "app/windowplace.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace sw {

namespace {

// How much of a frame a screen must show for the user to grab it.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 40;

bool SomeScreenShows(const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen* screen) {
        const QRect seen = screen->availableGeometry().intersected(frame);
        return seen.width() >= std::min(kGrabWidth, frame.width()) && seen.height() >= std::min(kGrabHeight, frame.height());
    });
}

} // namespace

TWindowPlace CurrentWindowPlace(const QWidget& window, int tab)
{
    const bool maximized = window.isMaximized() || window.isFullScreen();
    const QRect frame = maximized ? window.normalGeometry() : window.geometry();
    return TWindowPlace{frame.left(), frame.top(), frame.width(), frame.height(), maximized, tab};
}

QRect FrameOnSomeScreen(const QRect& frame, const QSize& minimum)
{
    if (SomeScreenShows(frame))
        return frame;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return frame;
    const QRect area = primary->availableGeometry();
    QRect moved(QPoint(), frame.size().boundedTo(area.size()).expandedTo(minimum));
    moved.moveCenter(area.center());
    return moved;
}

void RestoreWindowPlace(QWidget& window, const TWindowPlace& place)
{
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QRect frame(place.Left, place.Top, std::max(place.Width, minimum.width()),
                      std::max(place.Height, minimum.height()));
    window.setGeometry(FrameOnSomeScreen(frame, minimum));
    if (place.Maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

QSize FirstWindowSize(const QSize& available, const QSize& minimum)
{
    return (available * 4 / 5).expandedTo(minimum);
}

void CenterOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace sw
