#pragma once
// The kinds of control a window is built from, and what each kind can do.

#include <string_view>

namespace ui {

enum class ControlKind {
  kButton,
  kTextBox,
  kLabel,
  kCheckBox,
  kList,  // drop-down list; an editable one is a combo box the user may type into
  kOption,
  kFrame,
  kScrollBar,  // vertical
  kTimer,
  kStatusBar,
  kMenu,
  kMenuItem,
};

// The kind as scripts and their output name it ("textbox", "list", ...). Menus and
// menu items are both "menu".
std::string_view KindName(ControlKind kind);

// Labels, frames, timers, the status bar and menus never hold the keyboard focus.
bool KindTakesFocus(ControlKind kind);

// Frames hold controls; menus hold menu items.
bool KindIsContainer(ControlKind kind);

// Kinds whose text the user edits: text boxes and editable lists.
bool KindHoldsTypedText(ControlKind kind, bool editable);

}  // namespace ui
