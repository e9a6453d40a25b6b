#pragma once

#include <QRect>

#include "model/appsettings.h"

class QWidget;

namespace sw {

// The main window's place between the settings (plain integers) and the
// screens of this session.

// Where window stands now: its normal frame, also while it is maximised, and
// tab as its current tab.
TWindowPlace CurrentWindowPlace(const QWidget& window, int tab);

// Puts a window not yet shown where place says, no smaller than its minimum;
// a frame that lies outside every screen (a screen since unplugged) comes
// back on the primary screen.
void RestoreWindowPlace(QWidget& window, const TWindowPlace& place);

// frame, or, when no screen shows enough of it to be grabbed, frame moved
// to the middle of the primary screen and made to fit there.
QRect FrameOnSomeScreen(const QRect& frame, const QSize& minimum);

// The window's size at its first start on a screen whose free area is
// available: about four fifths of it each way, never below minimum.
QSize FirstWindowSize(const QSize& available, const QSize& minimum);

// Puts window in the middle of its screen.
void CenterOnScreen(QWidget& window);

} // namespace sw
