#pragma once
// The caret and selection of a line edit in the model's terms and back: the model counts
// characters, Qt counts UTF-16 units (two for a character beyond the BMP).

#include "platform/ui/text_editing.h"

class QLineEdit;
class QObject;

namespace gui {

// The line edit a user types into: a text box's, or an editable list's; else null.
QLineEdit* LineEditOf(QObject* widget);

ui::TextSelection SelectionOf(const QLineEdit& edit);
// Leaves the edit alone when it shows this selection already.
void ShowSelection(QLineEdit& edit, ui::TextSelection selection);

}  // namespace gui
