#pragma once
// What a user can do to a window, as both front-ends forward it: the real window from
// its widgets, the headless mode from script lines. Each action follows the window's
// rules (the focus moves first and validation may refuse it; a key press handler may
// discard a key) and reports a clear result instead of acting on a control the user
// cannot reach.

#include <string>
#include <string_view>

#include "platform/ui/control_id.h"

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
  // One key by its character code: the key press handler sees it first and may discard or
  // replace it; 8 removes the last character, other codes below 32 type nothing, and the
  // rest type their character unless the text box's length limit is reached.
  ActionResult Key(const ControlId& id, int key_code);
  // Replaces the whole text in one change, past the key press handler; cut to the length limit.
  ActionResult Paste(const ControlId& id, std::string_view text);
  ActionResult Clear(const ControlId& id);
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
  void PressKey(Control& control, int key_code, std::string_view typed_bytes);

  Window& window_;
};

}  // namespace ui
