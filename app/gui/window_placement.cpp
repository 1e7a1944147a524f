#include "app/gui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kestravo::gui {

namespace {

int placeAlong(int wanted, int length, int start, int room) {
  const int last = start + room - length;  // the last start that keeps the whole on screen
  return std::max(start, std::min(wanted, last));
}

}  // namespace

QPoint placeWithin(QPoint wanted, QSize frame, const QRect& available) {
  return {placeAlong(wanted.x(), frame.width(), available.x(), available.width()),
          placeAlong(wanted.y(), frame.height(), available.y(), available.height())};
}

void placeOnScreen(QWidget* window, QPoint wanted) {
  const QScreen* screen = QGuiApplication::screenAt(wanted);
  if (!screen) screen = window->screen();
  if (!screen) {
    window->move(wanted);
    return;
  }
  // The frame is known only once the window has been shown with one.
  const QRect frame = window->frameGeometry();
  const QSize outside =
      frame.size() != window->size() ? frame.size() : window->size().grownBy(kFrameAllowance);
  window->move(placeWithin(wanted, outside, screen->availableGeometry()));
}

}  // namespace kestravo::gui
