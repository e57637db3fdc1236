#include "platform/ui/control.h"

#include <utility>

#include "platform/text/utf8_text.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

// Enough for any edit a user remembers, and a bound on what a long session keeps.
constexpr std::size_t kUndoDepth = 100;

int EndOf(const std::string& text) { return static_cast<int>(platform::utf8::CountCharacters(text)); }

}  // namespace

Control::Control(Window& window, const ControlDesign& design)
    : window_(window),
      kind_(design.kind),
      name_(design.name),
      index_(design.index),
      parent_(design.parent),
      editable_(design.kind == ControlKind::kList && design.editable),
      text_(design.text),
      visible_(design.kind != ControlKind::kTimer && design.visible),
      enabled_(design.enabled),
      tool_tip_(design.tool_tip),
      alignment_(design.alignment),
      read_only_(design.read_only),
      highlighted_(design.highlighted),
      max_length_(design.max_length > 0 ? design.max_length : 0),
      layout_(design.layout),
      value_(design.value),
      min_(design.min),
      max_(design.max),
      small_change_(design.small_change),
      large_change_(design.large_change),
      interval_(design.interval > 0 ? design.interval : 0) {
  for (std::size_t i = 0; i < design.items.size(); ++i) {
    items_.push_back(ListItem{design.items[i], i < design.item_data.size() ? design.item_data[i] : 0});
  }
  for (std::size_t i = 0; i < panels_.size() && i < design.panels.size(); ++i) panels_[i] = design.panels[i];
  if (kind_ == ControlKind::kList && design.list_index >= 0 && design.list_index < item_count()) {
    list_index_ = design.list_index;
    text_ = items_[list_index_].text;
  }
  if (kind_ == ControlKind::kOption) value_ = design.value != 0 ? 1 : 0;
  selection_ = {EndOf(text_), EndOf(text_)};
}

bool Control::set_text(std::string text) {
  if (kind_ == ControlKind::kList && !editable_) {
    for (int i = 0; i < item_count(); ++i) {
      if (items_[i].text == text) return set_list_index(i);
    }
    return false;
  }
  if (text == text_) return true;
  undo_.clear();
  run_ = EditRun::kNone;
  const int end = EndOf(text);
  ReplaceText(std::move(text), end);
  return true;
}

void Control::set_selection(TextSelection selection) {
  selection = ClampSelection(text_, selection);
  if (selection == selection_) return;
  selection_ = selection;
  run_ = EditRun::kNone;  // typing elsewhere starts a run of its own
  Notify(Property::kSelection);
}

void Control::EditText(EditedText edit, EditRun run) {
  if (edit.text == text_) {
    set_selection({edit.caret, edit.caret});
    return;
  }
  // An edit over a selection starts a step of its own, which later keys then go on.
  const bool goes_on = run != EditRun::kNone && run == run_ && !undo_.empty() && selection_.length() == 0;
  if (!goes_on) {
    if (undo_.size() == kUndoDepth) undo_.erase(undo_.begin());
    undo_.push_back({text_, selection_.caret});
  }
  ReplaceText(std::move(edit.text), edit.caret);
  // Set after the change event: a handler that set the text from code ended the run.
  run_ = undo_.empty() ? EditRun::kNone : run;
}

bool Control::UndoEdit() {
  run_ = EditRun::kNone;
  if (undo_.empty()) return false;
  EditedText before = std::move(undo_.back());
  undo_.pop_back();
  ReplaceText(std::move(before.text), before.caret);
  return true;
}

void Control::ReplaceText(std::string text, int caret) {
  const TextSelection before = selection_;
  text_ = std::move(text);
  selection_ = ClampSelection(text_, {caret, caret});
  Notify(Property::kText);
  if (selection_ != before) Notify(Property::kSelection);
  if (kind_ == ControlKind::kList) {
    if (list_index_ != -1) {
      list_index_ = -1;
      Notify(Property::kListIndex);
    }
    RaiseChange();
  } else if (kind_ == ControlKind::kTextBox) {
    RaiseChange();
  }
}

void Control::set_visible(bool visible) {
  if (kind_ == ControlKind::kTimer || visible == visible_) return;
  visible_ = visible;
  Notify(Property::kVisible);
  window_.AvailabilityChanged();
}

void Control::set_enabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Property::kEnabled);
  if (kind_ == ControlKind::kTimer) {
    window_.services().TimerChanged(*this);
  } else {
    window_.AvailabilityChanged();
  }
}

void Control::set_tool_tip(std::string tool_tip) {
  if (tool_tip == tool_tip_) return;
  tool_tip_ = std::move(tool_tip);
  Notify(Property::kToolTip);
}

void Control::set_alignment(Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Property::kAlignment);
}

void Control::set_read_only(bool read_only) {
  if (read_only == read_only_) return;
  read_only_ = read_only;
  Notify(Property::kReadOnly);
}

void Control::set_max_length(int max_length) {
  if (max_length < 0 || max_length == max_length_) return;
  max_length_ = max_length;
  Notify(Property::kMaxLength);
}

void Control::set_layout(const LayoutHint& layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Notify(Property::kLayout);
}

// ---- List

std::string Control::item_text(int i) const { return i >= 0 && i < item_count() ? items_[i].text : ""; }

int Control::item_data(int i) const { return i >= 0 && i < item_count() ? items_[i].data : 0; }

void Control::add_item(std::string text, int data) {
  if (kind_ != ControlKind::kList) return;
  items_.push_back(ListItem{std::move(text), data});
  Notify(Property::kItems);
}

bool Control::set_item_text(int i, std::string text) {
  if (i < 0 || i >= item_count()) return false;
  items_[i].text = std::move(text);
  Notify(Property::kItems);
  if (i == list_index_ && text_ != items_[i].text) {
    text_ = items_[i].text;
    selection_ = {EndOf(text_), EndOf(text_)};
    Notify(Property::kText);
  }
  return true;
}

bool Control::set_item_data(int i, int data) {
  if (i < 0 || i >= item_count()) return false;
  items_[i].data = data;
  Notify(Property::kItems);
  return true;
}

bool Control::set_item_tool_tip(int i, std::string tool_tip) {
  if (i < 0 || i >= item_count()) return false;
  if (items_[i].tool_tip == tool_tip) return true;
  items_[i].tool_tip = std::move(tool_tip);
  Notify(Property::kItems);
  return true;
}

bool Control::remove_item(int i) {
  if (i < 0 || i >= item_count()) return false;
  items_.erase(items_.begin() + i);
  Notify(Property::kItems);
  if (i == list_index_) {
    SetListIndexQuietly(-1);
  } else if (i < list_index_) {
    --list_index_;  // the same item stays selected
    Notify(Property::kListIndex);
  }
  return true;
}

void Control::clear_items() {
  if (kind_ != ControlKind::kList) return;
  const bool had_items = !items_.empty();
  items_.clear();
  if (had_items) Notify(Property::kItems);
  SetListIndexQuietly(-1);
}

bool Control::set_list_index(int i) {
  if (kind_ != ControlKind::kList || i < -1 || i >= item_count()) return false;
  if (i == list_index_) return true;
  SetListIndexQuietly(i);
  RaiseClick();
  return true;
}

void Control::SetListIndexQuietly(int i) {
  const bool index_changed = i != list_index_;
  list_index_ = i;
  std::string shown = i >= 0 ? items_[i].text : std::string();
  const bool text_changed = shown != text_;
  text_ = std::move(shown);
  if (text_changed) {
    undo_.clear();
    run_ = EditRun::kNone;
    selection_ = {EndOf(text_), EndOf(text_)};
  }
  if (index_changed) Notify(Property::kListIndex);
  if (text_changed) Notify(Property::kText);
}

// ---- Check box, option button, scroll bar

bool Control::set_value(int value) {
  switch (kind_) {
    case ControlKind::kCheckBox:
      if (value != 0 && value != 1) return false;
      if (value == value_) return true;
      value_ = value;
      Notify(Property::kValue);
      RaiseClick();
      return true;
    case ControlKind::kScrollBar:
      if (value < RangeLow() || value > RangeHigh()) return false;
      if (value == value_) return true;
      value_ = value;
      Notify(Property::kValue);
      RaiseChange();
      return true;
    case ControlKind::kOption:
      set_selected(value != 0);
      return true;
    default:
      return false;
  }
}

void Control::set_selected(bool selected) {
  if (kind_ != ControlKind::kOption || selected == this->selected()) return;
  if (selected) ClearOtherOptionsOfGroup();
  value_ = selected ? 1 : 0;
  Notify(Property::kValue);
  if (selected) RaiseClick();
}

void Control::ClearOtherOptionsOfGroup() {
  for (Control& other : window_.controls()) {
    if (&other == this || other.kind_ != ControlKind::kOption || other.parent_ != parent_) continue;
    if (other.value_ != 0) {
      other.value_ = 0;
      other.Notify(Property::kValue);
    }
  }
}

void Control::set_min(int min) {
  if (kind_ != ControlKind::kScrollBar || min == min_) return;
  min_ = min;
  Notify(Property::kRange);
  KeepValueInRange();
}

void Control::set_max(int max) {
  if (kind_ != ControlKind::kScrollBar || max == max_) return;
  max_ = max;
  Notify(Property::kRange);
  KeepValueInRange();
}

void Control::KeepValueInRange() {
  const int kept = value_ < RangeLow() ? RangeLow() : (value_ > RangeHigh() ? RangeHigh() : value_);
  if (kept == value_) return;
  value_ = kept;
  Notify(Property::kValue);
  RaiseChange();
}

void Control::set_small_change(int step) {
  if (step < 0 || step == small_change_) return;
  small_change_ = step;
  Notify(Property::kRange);
}

void Control::set_large_change(int step) {
  if (step < 0 || step == large_change_) return;
  large_change_ = step;
  Notify(Property::kRange);
}

// ---- Timer

void Control::set_interval(int interval_ms) {
  if (interval_ms < 0 || interval_ms == interval_) return;
  interval_ = interval_ms;
  Notify(Property::kInterval);
  if (kind_ == ControlKind::kTimer) window_.services().TimerChanged(*this);
}

// ---- Status bar

std::string Control::panel_text(int number) const {
  return number >= 1 && number <= kStatusPanelCount ? panels_[number - 1] : std::string();
}

bool Control::set_panel_text(int number, std::string text) {
  if (kind_ != ControlKind::kStatusBar || number < 1 || number > kStatusPanelCount) return false;
  if (panels_[number - 1] == text) return true;
  panels_[number - 1] = std::move(text);
  Notify(Property::kPanels);
  return true;
}

// ---- Events. Each handler is copied before it runs, so that a handler replacing
// itself does not pull the function out from under its own call.

void Control::RaiseClick() {
  if (EventHandler handler = on_click_) handler(window_.services());
}

void Control::RaiseChange() {
  if (EventHandler handler = on_change_) handler(window_.services());
}

void Control::RaiseKeyPress(int& key_code) {
  if (KeyPressHandler handler = on_key_press_) handler(window_.services(), key_code);
}

void Control::RaiseValidate(bool& cancel) {
  if (CancelHandler handler = on_validate_) handler(window_.services(), cancel);
}

void Control::RaiseTimer() {
  if (EventHandler handler = on_timer_) handler(window_.services());
}

void Control::Notify(Property property) { window_.NotifyControlChanged(*this, property); }

}  // namespace ui
