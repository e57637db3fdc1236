#pragma once
// A model message box as a modal QMessageBox.

#include <QMessageBox>
#include <string>

#include "platform/ui/message_box.h"

namespace gui {

// A carriage return in a message starts a new line, as it did on the desktop the
// programs were written for; Qt breaks lines only at a line feed.
QString MessageBoxText(const std::string& text);

// Exclamation and warning look the same on this desktop: both are Qt's warning icon.
QMessageBox::Icon ToQtIcon(ui::MessageBoxIcon icon);

// How wide a box must be for a window manager to show `title` whole in its title bar: the
// title in a bold face a little larger than the window's, beside the room the manager
// takes for its icon and buttons. A short message under a long title ("User data
// written!" under "Write user data") would otherwise have its title cut.
int TitleBarWidth(const QString& title);

// Shows the box over `parent` (may be null) and waits for the answer. Closing the box
// without a button (Escape, the title bar) answers Cancel where it has one, else OK.
ui::MessageBoxAnswer AskWithQMessageBox(const ui::MessageBoxRequest& request, QWidget* parent);

}  // namespace gui
