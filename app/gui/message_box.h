// The message boxes of the main and scratch windows: the text, the caption
// "KESTRAVO ODDS LINE" and an OK button, in a box wide enough for its caption to stand whole
// in the title bar beside the window manager's buttons.
#pragma once

#include <QString>

class QWidget;

namespace kestravo::gui {

// The width a box needs for `caption` in its title bar.
int captionRoom(const QString& caption);

// Shows a modal message box over `owner` and returns when it is closed.
void showMessageBox(QWidget* owner, const QString& caption, const QString& text);

}  // namespace kestravo::gui
