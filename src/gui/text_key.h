#pragma once
// What a key pressed in a text box (or an editable list) means for the window model,
// which owns the text and the caret: the widget never edits itself. Keys are forwarded
// as the model's key codes (printable characters, 8 Backspace, 13 Enter, 27 Escape);
// text that is not one ASCII character is typed as UTF-8; Delete, cut, paste and undo are
// the model's edits. Keys that only move the caret, select or copy stay with the widget,
// which tells the model where its caret went; every other key (Ctrl+letters, redo) is
// dropped.

#include <string>

class QKeyEvent;

namespace gui {

struct TextKey {
  enum class Kind {
    kLeaveToWidget,  // caret movement, selection, copy, Tab
    kDrop,           // an edit the model does not know
    kKeyCode,        // one key code for UserActions::Key
    kTypeText,       // UTF-8 text for UserActions::Type
    kPaste,          // the clipboard goes in through UserActions::Insert
    kDelete,         // UserActions::Delete
    kCut,            // the selection goes to the clipboard, then UserActions::Cut
    kUndo,           // UserActions::Undo
  };
  Kind kind = Kind::kDrop;
  int code = 0;
  std::string text;
};

TextKey ReadTextKey(const QKeyEvent& event);

}  // namespace gui
