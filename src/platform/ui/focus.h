#pragma once
// The keyboard focus: which control holds it, and the rule for moving it. Before the
// focus leaves a control, that control's validate handler runs and may cancel the move;
// the focus then stays where it was.

namespace ui {

class Control;
class Window;

enum class FocusMove {
  kMoved,        // the target holds the focus (also when it already did)
  kRefused,      // the focused control's validation kept the focus
  kUnavailable,  // the target cannot take the focus: its kind, or hidden or disabled
};

class FocusTracker {
 public:
  explicit FocusTracker(Window& window) : window_(window) {}

  Control* focused() const { return focused_; }

  FocusMove MoveTo(Control& target);

  // Takes the focus away without validation: the focused control went out of reach
  // (hidden or disabled, itself or through its frame), or the window closed.
  void Drop();
  void DropIfOutOfReach();

 private:
  void Set(Control* control);

  Window& window_;
  Control* focused_ = nullptr;
  // A validate handler that moves the focus itself does so without a second validation,
  // which could otherwise recurse without end.
  bool validating_ = false;
};

}  // namespace ui
