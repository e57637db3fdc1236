#pragma once
// A model message box as a modal QMessageBox.

#include <QMessageBox>

#include "platform/ui/message_box.h"

namespace gui {

// Exclamation and warning look the same on this desktop: both are Qt's warning icon.
QMessageBox::Icon ToQtIcon(ui::MessageBoxIcon icon);

// Shows the box over `parent` (may be null) and waits for the answer. Closing the box
// without a button (Escape, the title bar) answers Cancel where it has one, else OK.
ui::MessageBoxAnswer AskWithQMessageBox(const ui::MessageBoxRequest& request, QWidget* parent);

}  // namespace gui
