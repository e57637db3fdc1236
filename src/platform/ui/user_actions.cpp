#include "platform/ui/user_actions.h"

#include <algorithm>
#include <climits>

#include "platform/text/utf8_text.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 127;

std::string Because(const Control& control, const Control* culprit, const char* state) {
  std::string why = control.display_name() + " is " + state;
  if (culprit != &control) why += " (" + culprit->display_name() + " around it is " + state + ")";
  return why;
}

}  // namespace

Control* UserActions::Reach(const ControlId& id, ActionResult& error) {
  if (window_.closed()) {
    error = ActionResult::Error("the window is closed");
    return nullptr;
  }
  Control* control = window_.Find(id);
  if (control == nullptr) {
    std::string why = "unknown control: " + id.ToString();
    if (id.index < 0 && window_.IsArrayName(id.name))
      why += " (a control array: write " + id.name + "(INDEX))";
    error = ActionResult::Error(std::move(why));
  }
  return control;
}

ActionResult UserActions::CheckReachable(const Control& control) const {
  if (const Control* culprit = window_.HiddenBy(control))
    return ActionResult::Error(Because(control, culprit, "hidden"));
  if (const Control* culprit = window_.DisabledBy(control)) {
    return ActionResult::Error(Because(control, culprit, "disabled"));
  }
  return ActionResult::Done();
}

ActionResult UserActions::CheckTypable(const Control& control) const {
  if (!KindHoldsTypedText(control.kind(), control.editable())) {
    return ActionResult::Error(control.display_name() + " is a " + std::string(KindName(control.kind())) +
                               " and holds no typed text");
  }
  ActionResult reach = CheckReachable(control);
  if (reach.status != ActionStatus::kDone) return reach;
  if (control.kind() == ControlKind::kTextBox && control.read_only()) {
    return ActionResult::Error(control.display_name() + " is read-only");
  }
  return ActionResult::Done();
}

ActionResult UserActions::MoveFocusTo(Control& control) {
  switch (window_.SetFocus(control)) {
    case FocusMove::kMoved:
      return ActionResult::Done();
    case FocusMove::kRefused:
      return ActionResult::Refused();
    case FocusMove::kUnavailable:
      break;
  }
  return ActionResult::Error(control.display_name() + " cannot take the focus");
}

ActionResult UserActions::Click(const ControlId& id) {
  ActionResult result;
  Control* control = Reach(id, result);
  if (control == nullptr) return result;
  switch (control->kind()) {
    case ControlKind::kList:
      return ActionResult::Error(control->display_name() + " is a list: choose an item instead");
    case ControlKind::kScrollBar:
      return ActionResult::Error(control->display_name() + " is a scroll bar: scroll it instead");
    case ControlKind::kTimer:
      return ActionResult::Error(control->display_name() + " is a timer and cannot be clicked");
    default:
      break;
  }
  result = CheckReachable(*control);
  if (result.status != ActionStatus::kDone) return result;
  if (!KindTakesFocus(control->kind())) {
    control->RaiseClick();
    return ActionResult::Done();
  }
  result = MoveFocusTo(*control);
  if (result.status != ActionStatus::kDone) return result;
  switch (control->kind()) {
    case ControlKind::kCheckBox:
      control->set_value(control->value() == 0 ? 1 : 0);  // runs the click handler
      break;
    case ControlKind::kOption:
      if (control->selected()) {
        control->RaiseClick();
      } else {
        control->set_selected(true);  // runs the click handler
      }
      break;
    default:
      control->RaiseClick();
      break;
  }
  return ActionResult::Done();
}

ActionResult UserActions::Choose(const ControlId& id, int index) {
  ActionResult result;
  Control* control = Reach(id, result);
  if (control == nullptr) return result;
  if (control->kind() != ControlKind::kList) {
    return ActionResult::Error(control->display_name() + " is not a list");
  }
  if (index < 0 || index >= control->item_count()) {
    return ActionResult::Error(control->display_name() + " has no item " + std::to_string(index) +
                               " (it has " + std::to_string(control->item_count()) + ")");
  }
  result = CheckReachable(*control);
  if (result.status != ActionStatus::kDone) return result;
  result = MoveFocusTo(*control);
  if (result.status != ActionStatus::kDone) return result;
  if (control->list_index() == index) {
    control->RaiseClick();
  } else {
    control->set_list_index(index);  // runs the click handler
  }
  return ActionResult::Done();
}

void UserActions::PressKey(Control& control, int key_code, std::string_view typed_bytes, Where where) {
  int key = key_code;
  control.RaiseKeyPress(key);
  if (key == 0) return;  // discarded by the handler
  // The handler may have closed the window or put the box out of reach.
  if (CheckTypable(control).status != ActionStatus::kDone) return;
  const std::string& text = control.text();
  const TextSelection at = where == Where::kAtEnd ? TextSelection{INT_MAX, INT_MAX} : control.selection();
  if (key == kBackspace) {
    control.EditText(EraseBackward(text, at), EditRun::kErasingBackward);
    return;
  }
  if (key < ' ' || key == kDelete || !platform::utf8::IsCodePoint(key)) return;
  if (control.kind() == ControlKind::kTextBox && control.max_length() > 0 &&
      platform::utf8::CountCharacters(text) - static_cast<std::size_t>(ClampSelection(text, at).length()) >=
          static_cast<std::size_t>(control.max_length())) {
    return;
  }
  // A key the handler left alone goes in exactly as it came, even a stray byte.
  const std::string typed = key == key_code && !typed_bytes.empty()
                                ? std::string(typed_bytes)
                                : platform::utf8::Encode(static_cast<char32_t>(key));
  control.EditText(ReplaceSelection(text, at, typed), EditRun::kTyping);
}

Control* UserActions::ReachForTyping(const ControlId& id, ActionResult& result) {
  Control* control = Reach(id, result);
  if (control == nullptr) return nullptr;
  result = CheckTypable(*control);
  if (result.status == ActionStatus::kDone) result = MoveFocusTo(*control);
  return result.status == ActionStatus::kDone ? control : nullptr;
}

ActionResult UserActions::TypeText(const ControlId& id, std::string_view text, Where where) {
  ActionResult result;
  Control* control = ReachForTyping(id, result);
  if (control == nullptr) return result;
  for (const platform::utf8::Character& character : platform::utf8::SplitCharacters(text)) {
    result = CheckTypable(*control);
    if (result.status != ActionStatus::kDone) return result;  // put out of reach while typing
    PressKey(*control, static_cast<int>(character.code), character.bytes, where);
  }
  return ActionResult::Done();
}

ActionResult UserActions::Type(const ControlId& id, std::string_view text) {
  return TypeText(id, text, Where::kAtEnd);
}

ActionResult UserActions::TypeAtCaret(const ControlId& id, std::string_view text) {
  return TypeText(id, text, Where::kAtCaret);
}

ActionResult UserActions::PressKeyCode(const ControlId& id, int key_code, Where where) {
  ActionResult result;
  Control* control = Reach(id, result);
  if (control == nullptr) return result;
  if (!platform::utf8::IsCodePoint(key_code))
    return ActionResult::Error("no key has the code " + std::to_string(key_code));
  if (!KindTakesFocus(control->kind())) {
    return ActionResult::Error(control->display_name() + " cannot take the focus, so it gets no keys");
  }
  result = CheckReachable(*control);
  if (result.status != ActionStatus::kDone) return result;
  result = MoveFocusTo(*control);
  if (result.status != ActionStatus::kDone) return result;
  if (KindHoldsTypedText(control->kind(), control->editable())) {
    PressKey(*control, key_code, {}, where);
  } else {
    control->RaiseKeyPress(key_code);  // keys reach its handler but edit nothing
  }
  return ActionResult::Done();
}

ActionResult UserActions::Key(const ControlId& id, int key_code) {
  return PressKeyCode(id, key_code, Where::kAtEnd);
}

ActionResult UserActions::KeyAtCaret(const ControlId& id, int key_code) {
  return PressKeyCode(id, key_code, Where::kAtCaret);
}

template <typename Edit>
ActionResult UserActions::EditBox(const ControlId& id, Edit edit) {
  ActionResult result;
  Control* control = ReachForTyping(id, result);
  if (control != nullptr) edit(*control);
  return result;
}

ActionResult UserActions::Delete(const ControlId& id) {
  return EditBox(id, [](Control& box) {
    box.EditText(EraseForward(box.text(), box.selection()), EditRun::kErasingForward);
  });
}

ActionResult UserActions::Cut(const ControlId& id) {
  return EditBox(id, [](Control& box) {
    if (box.selection().length() > 0) box.EditText(EraseForward(box.text(), box.selection()));
  });
}

ActionResult UserActions::Insert(const ControlId& id, std::string_view text) {
  return EditBox(id, [text](Control& box) {
    std::string_view fitting = text;
    if (box.kind() == ControlKind::kTextBox && box.max_length() > 0) {
      const std::size_t kept = platform::utf8::CountCharacters(box.text()) - box.selection().length();
      const std::size_t room = box.max_length() > static_cast<int>(kept) ? box.max_length() - kept : 0;
      fitting = platform::utf8::FirstCharacters(text, room);
    }
    box.EditText(ReplaceSelection(box.text(), box.selection(), fitting));
  });
}

ActionResult UserActions::Undo(const ControlId& id) {
  return EditBox(id, [](Control& box) { box.UndoEdit(); });
}

ActionResult UserActions::Select(const ControlId& id, TextSelection selection) {
  ActionResult result;
  Control* control = Reach(id, result);
  if (control == nullptr) return result;
  if (!KindHoldsTypedText(control->kind(), control->editable())) {
    return ActionResult::Error(control->display_name() + " holds no typed text");
  }
  result = CheckReachable(*control);
  if (result.status == ActionStatus::kDone) control->set_selection(selection);
  return result;
}

ActionResult UserActions::Paste(const ControlId& id, std::string_view text) {
  ActionResult result;
  Control* control = ReachForTyping(id, result);
  if (control == nullptr) return result;
  if (control->kind() == ControlKind::kTextBox && control->max_length() > 0) {
    text = platform::utf8::FirstCharacters(text, static_cast<std::size_t>(control->max_length()));
  }
  const int end = static_cast<int>(platform::utf8::CountCharacters(text));
  control->EditText({std::string(text), end});
  return ActionResult::Done();
}

ActionResult UserActions::Clear(const ControlId& id) { return Paste(id, {}); }

ActionResult UserActions::Focus(const ControlId& id) {
  ActionResult result;
  Control* control = Reach(id, result);
  if (control == nullptr) return result;
  if (!KindTakesFocus(control->kind())) {
    return ActionResult::Error(control->display_name() + " is a " + std::string(KindName(control->kind())) +
                               " and cannot take the focus");
  }
  result = CheckReachable(*control);
  if (result.status != ActionStatus::kDone) return result;
  return MoveFocusTo(*control);
}

ActionResult UserActions::Scroll(const ControlId& id, int value) {
  ActionResult result;
  Control* control = Reach(id, result);
  if (control == nullptr) return result;
  if (control->kind() != ControlKind::kScrollBar) {
    return ActionResult::Error(control->display_name() + " is not a scroll bar");
  }
  const int low = std::min(control->min(), control->max());
  const int high = std::max(control->min(), control->max());
  if (value < low || value > high) {
    return ActionResult::Error(control->display_name() + " goes from " + std::to_string(low) + " to " +
                               std::to_string(high) + ", not to " + std::to_string(value));
  }
  result = CheckReachable(*control);
  if (result.status != ActionStatus::kDone) return result;
  result = MoveFocusTo(*control);
  if (result.status != ActionStatus::kDone) return result;
  control->set_value(value);  // runs the change handler when the value changes
  return ActionResult::Done();
}

ActionResult UserActions::BackgroundClick() {
  if (window_.closed()) return ActionResult::Error("the window is closed");
  window_.RaiseBackgroundClick();
  return ActionResult::Done();
}

ActionResult UserActions::Close() { return window_.Close() ? ActionResult::Done() : ActionResult::Refused(); }

}  // namespace ui
