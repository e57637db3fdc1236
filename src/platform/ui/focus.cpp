#include "platform/ui/focus.h"

#include "platform/ui/control.h"
#include "platform/ui/flag_while.h"
#include "platform/ui/window.h"

namespace ui {

FocusMove FocusTracker::MoveTo(Control& target) {
  if (!window_.CanTakeFocus(target)) return FocusMove::kUnavailable;
  if (focused_ == &target) return FocusMove::kMoved;
  if (focused_ != nullptr && !validating_) {
    bool cancel = false;
    {
      const FlagWhile validating(validating_);
      focused_->RaiseValidate(cancel);
    }
    if (cancel) return FocusMove::kRefused;
    // The validate handler may have hidden or disabled the target meanwhile.
    if (!window_.CanTakeFocus(target)) return FocusMove::kUnavailable;
  }
  Set(&target);
  return FocusMove::kMoved;
}

void FocusTracker::Drop() { Set(nullptr); }

void FocusTracker::DropIfOutOfReach() {
  if (focused_ != nullptr && !window_.CanTakeFocus(*focused_)) Set(nullptr);
}

void FocusTracker::Set(Control* control) {
  if (control == focused_) return;
  focused_ = control;
  window_.NotifyFocusChanged();
}

}  // namespace ui
