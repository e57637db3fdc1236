#include "platform/ui/control_kind.h"

namespace ui {

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return "button";
    case ControlKind::kTextBox:
      return "textbox";
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kCheckBox:
      return "checkbox";
    case ControlKind::kList:
      return "list";
    case ControlKind::kOption:
      return "option";
    case ControlKind::kFrame:
      return "frame";
    case ControlKind::kScrollBar:
      return "scrollbar";
    case ControlKind::kTimer:
      return "timer";
    case ControlKind::kStatusBar:
      return "statusbar";
    case ControlKind::kMenu:
    case ControlKind::kMenuItem:
      return "menu";
  }
  return "unknown";
}

bool KindTakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
    case ControlKind::kTextBox:
    case ControlKind::kCheckBox:
    case ControlKind::kList:
    case ControlKind::kOption:
    case ControlKind::kScrollBar:
      return true;
    default:
      return false;
  }
}

bool KindIsContainer(ControlKind kind) { return kind == ControlKind::kFrame || kind == ControlKind::kMenu; }

bool KindHoldsTypedText(ControlKind kind, bool editable) {
  return kind == ControlKind::kTextBox || (kind == ControlKind::kList && editable);
}

}  // namespace ui
