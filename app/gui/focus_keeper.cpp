#include "app/gui/focus_keeper.h"

#include <QEvent>

namespace kestravo::gui {

FocusKeeper::FocusKeeper(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::ActivationChange) {
    if (!window_->isActiveWindow()) {
      saved_ = window_->focusWidget();
    } else if (saved_) {
      saved_->setFocus(Qt::ActiveWindowFocusReason);
      saved_.clear();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestravo::gui
