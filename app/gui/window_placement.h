// Where the windows stand on the screen. Each has its fixed place (the main window at 50, 50
// dialog units, the scratch window 70, 70 units inside the main window); on a screen too
// small for that, the window moves just enough to stand whole on it, and where even that is
// impossible its top-left corner, and so its title bar, stays on the screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kestravo::gui {

// Room kept for the frame a window manager puts round a window before it has shown one: a
// border of a few pixels and a title bar.
inline constexpr QMargins kFrameAllowance{8, 32, 8, 8};

// The top-left corner for a frame of `frame` that should stand at `wanted` within
// `available`.
QPoint placeWithin(QPoint wanted, QSize frame, const QRect& available);

// Moves top-level `window` (its frame's top-left corner) to `wanted`, or as near to it as
// the available area of the screen there allows.
void placeOnScreen(QWidget* window, QPoint wanted);

}  // namespace kestravo::gui
