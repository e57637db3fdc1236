#pragma once
// What a key pressed in a text box (or an editable list) means for the window model,
// which owns the text: the widget never edits itself. Keys are forwarded as the model's
// key codes (printable characters, 8 Backspace, 13 Enter, 27 Escape); text that is not
// one ASCII character is typed as UTF-8; Ctrl+V (and Shift+Insert) pastes. Keys that only
// move the cursor, select or copy stay with the widget, and every other editing key
// (Delete, cut, undo, Ctrl+letters) is dropped, because the model has no such edit.

#include <string>

class QKeyEvent;

namespace gui {

struct TextKey {
  enum class Kind {
    kLeaveToWidget,  // cursor movement, selection, copy, Tab
    kDrop,           // an edit the model does not know
    kKeyCode,        // one key code for UserActions::Key
    kTypeText,       // UTF-8 text for UserActions::Type
    kPaste,          // the clipboard goes in through UserActions::Paste
  };
  Kind kind = Kind::kDrop;
  int code = 0;
  std::string text;
};

TextKey ReadTextKey(const QKeyEvent& event);

}  // namespace gui
