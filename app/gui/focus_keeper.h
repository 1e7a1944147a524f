// Keeps a window's keyboard focus across a switch to another application: the control
// that had the focus when the window was left gets it back when the window is active
// again, even if something moved the window's focus meanwhile.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kestravo::gui {

class FocusKeeper : public QObject {
  Q_OBJECT

 public:
  // Watches `window`; the keeper is owned by it.
  explicit FocusKeeper(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QPointer<QWidget> saved_;
};

}  // namespace kestravo::gui
