#pragma once
// How a front-end follows the window model: every property change is reported as it
// happens, so the display can follow at once.

#include <string>

namespace ui {

class Control;

enum class Property {
  kText,       // caption or text (for a list also its shown text)
  kSelection,  // caret and selection of a text box or editable list
  kVisible,
  kEnabled,
  kToolTip,
  kAlignment,
  kReadOnly,
  kMaxLength,
  kLayout,
  kItems,  // list items (texts or data) were added, removed or changed
  kListIndex,
  kValue,  // check box value, option selection, scroll bar value
  kRange,  // scroll bar min, max, small or large change
  kInterval,
  kPanels,
};

class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void OnControlChanged(const Control& control, Property property) = 0;
  virtual void OnWindowCaptionChanged(const std::string& /*caption*/) {}
  virtual void OnFocusChanged(const Control* /*focused: null for none*/) {}
  virtual void OnWindowClosed() {}
  // A close was asked for (by the user, a script or a handler) and the window refused it.
  virtual void OnCloseRefused() {}
};

}  // namespace ui
