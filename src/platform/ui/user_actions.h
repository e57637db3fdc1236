#pragma once
// What a user can do to a window, as both front-ends forward it: the real window from
// its widgets, the headless mode from script lines. Each action follows the window's
// rules (the focus moves first and validation may refuse it; a key press handler may
// discard a key) and reports a clear result instead of acting on a control the user
// cannot reach.

#include <string>
#include <string_view>

#include "platform/ui/control_id.h"
#include "platform/ui/text_editing.h"

namespace ui {

class Control;
class Window;

enum class ActionStatus {
  kDone,
  kRefused,  // validation kept the focus (so nothing else happened), or the close was refused
  kError,    // the action cannot be done at all; `error` says why
};

struct ActionResult {
  ActionStatus status = ActionStatus::kDone;
  std::string error;

  static ActionResult Done() { return {}; }
  static ActionResult Refused() { return {ActionStatus::kRefused, {}}; }
  static ActionResult Error(std::string why) { return {ActionStatus::kError, std::move(why)}; }
};

class UserActions {
 public:
  explicit UserActions(Window& window) : window_(window) {}

  // A button, check box (toggles), option button (selects; its click runs even when it
  // was selected already), text box, or a control that never takes the focus (label,
  // frame, status bar, menu item: their click runs, the focus stays and no validation).
  ActionResult Click(const ControlId& id);
  // Picks item `index` of a list; its click handler runs even for the item already chosen.
  ActionResult Choose(const ControlId& id, int index);
  // Each character is one key press at the end of the text (see Key).
  ActionResult Type(const ControlId& id, std::string_view text);
  // One key by its character code, at the end of the text: the key press handler sees it
  // first and may discard or replace it; 8 removes the last character, other codes below
  // 32 type nothing, and the rest type their character unless the text box's length
  // limit is reached.
  ActionResult Key(const ControlId& id, int key_code);
  // Replaces the whole text in one change, past the key press handler; cut to the length limit.
  ActionResult Paste(const ControlId& id, std::string_view text);
  ActionResult Clear(const ControlId& id);

  // ---- Editing where the caret stands, as in the real window. The same rules as above,
  // but a character replaces the selection or goes in at the caret, and 8 erases the
  // selection or the character before the caret.
  ActionResult TypeAtCaret(const ControlId& id, std::string_view text);
  ActionResult KeyAtCaret(const ControlId& id, int key_code);
  // The Delete key: erases the selection or the character after the caret. It is no
  // character, so the key press handler does not see it.
  ActionResult Delete(const ControlId& id);
  // Erases the selection (the front-end has copied it); nothing when none is selected.
  ActionResult Cut(const ControlId& id);
  // A paste at the caret: `text` replaces the selection in one change, past the key press
  // handler, cut to what the length limit leaves room for.
  ActionResult Insert(const ControlId& id, std::string_view text);
  // Back to the text before the user's last edit of this box.
  ActionResult Undo(const ControlId& id);
  // Moves the caret or selects, as the arrow keys and the mouse do; no event.
  ActionResult Select(const ControlId& id, TextSelection selection);
  ActionResult Focus(const ControlId& id);
  ActionResult Scroll(const ControlId& id, int value);
  ActionResult BackgroundClick();
  // The window's own close command; refused when the query-unload handler cancels it.
  ActionResult Close();

 private:
  // The control if the user can act on it now; otherwise null, with `error` set.
  Control* Reach(const ControlId& id, ActionResult& error);
  ActionResult CheckReachable(const Control& control) const;
  ActionResult CheckTypable(const Control& control) const;
  // The control if the user can type into it now, with the focus moved there; otherwise
  // null, with `result` saying why (unreachable, not typable, or validation refused).
  Control* ReachForTyping(const ControlId& id, ActionResult& result);
  ActionResult MoveFocusTo(Control& control);
  enum class Where { kAtEnd, kAtCaret };
  ActionResult TypeText(const ControlId& id, std::string_view text, Where where);
  ActionResult PressKeyCode(const ControlId& id, int key_code, Where where);
  void PressKey(Control& control, int key_code, std::string_view typed_bytes, Where where);
  // Reaches a box for typing and applies `edit` to it.
  template <typename Edit>
  ActionResult EditBox(const ControlId& id, Edit edit);

  Window& window_;
};

}  // namespace ui
