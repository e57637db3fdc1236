#pragma once
// One control of a window: its identity, kind, properties and event handlers. Setting a
// property from a handler behaves as the programs expect of their window: a change is
// reported to every observer at once, and the events that a change raises (a list's
// click, a text box's change, ...) run before the setter returns.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control_design.h"
#include "platform/ui/control_id.h"
#include "platform/ui/control_kind.h"
#include "platform/ui/text_editing.h"
#include "platform/ui/ui_services.h"
#include "platform/ui/window_observer.h"

namespace ui {

class Window;

using EventHandler = std::function<void(UiServices&)>;
// Receives the key's character code; setting it to 0 discards the key, setting it to
// another code types that character instead.
using KeyPressHandler = std::function<void(UiServices&, int& key_code)>;
// Setting `cancel` refuses what is about to happen (the focus leaving, the window closing).
using CancelHandler = std::function<void(UiServices&, bool& cancel)>;

struct ListItem {
  std::string text;
  int data = 0;
  std::string tool_tip{};  // shown over the item in the opened list; not part of the text
};

inline constexpr int kStatusPanelCount = 4;

class Control {
 public:
  // Controls are made by Window::Add, which checks the design first.
  Control(Window& window, const ControlDesign& design);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // ---- Identity
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }
  ControlId id() const { return ControlId{name_, index_}; }
  std::string display_name() const { return id().ToString(); }
  const std::string& parent() const { return parent_; }
  Window& window() const { return window_; }

  // ---- Caption or text: one property, called caption on labels, buttons, frames, check
  // boxes, options and menus and text on text boxes and lists.
  const std::string& text() const { return text_; }
  const std::string& caption() const { return text_; }
  // Text box: runs the change handler when the text differs (no length limit from code).
  // Editable list: the same, and nothing stays selected, as when the user types.
  // Other lists: selects the item with exactly this text; false when there is none.
  // Every other kind: sets the caption.
  bool set_text(std::string text);
  void set_caption(std::string caption) { set_text(std::move(caption)); }

  // ---- Text box and editable list: the caret and the selection, in characters. A text
  // set by code leaves the caret at its end with nothing selected.
  const TextSelection& selection() const { return selection_; }
  std::string selected_text() const { return SelectedText(text_, selection_); }
  // Clamped to the text. Raises no event: moving the caret is no change of the text.
  void set_selection(TextSelection selection);
  // An edit by the user: the new text with one change event, as set_text, and the caret
  // where the edit left it. The text before it is kept for UndoEdit, once for a whole run
  // of edits of the same `run` kind that nothing else came between (a caret moved, a text
  // set by code, an undo).
  void EditText(EditedText edit, EditRun run = EditRun::kNone);
  // Back to the text and caret before the user's last edit (or run of edits); false when
  // there is none. Text set by code forgets the edits before it.
  bool UndoEdit();

  // ---- Common properties. A control inside a hidden or disabled frame keeps its own
  // values here; Window::IsShown and Window::IsUsable tell what the user sees.
  bool visible() const { return visible_; }
  void set_visible(bool visible);
  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled);  // a timer ticks only while enabled
  const std::string& tool_tip() const { return tool_tip_; }
  void set_tool_tip(std::string tool_tip);
  Alignment alignment() const { return alignment_; }
  void set_alignment(Alignment alignment);
  bool read_only() const { return read_only_; }
  void set_read_only(bool read_only);
  bool highlighted() const { return highlighted_; }  // fixed by the design
  int max_length() const { return max_length_; }
  void set_max_length(int max_length);  // 0 = no limit; negative values are ignored
  const LayoutHint& layout() const { return layout_; }
  void set_layout(const LayoutHint& layout);

  // ---- List
  bool editable() const { return editable_; }
  const std::vector<ListItem>& items() const { return items_; }
  int item_count() const { return static_cast<int>(items_.size()); }
  std::string item_text(int i) const;  // empty when i is out of range
  int item_data(int i) const;          // 0 when i is out of range
  void add_item(std::string text, int data = 0);
  bool set_item_text(int i, std::string text);
  bool set_item_data(int i, int data);
  bool set_item_tool_tip(int i, std::string tool_tip);
  // Removing the selected item leaves nothing selected; no click handler runs.
  bool remove_item(int i);
  void clear_items();
  int list_index() const { return list_index_; }
  // -1 clears the selection. Runs the click handler, before returning, only when the
  // selection changes. False (nothing changed) for an index outside -1..count-1.
  bool set_list_index(int i);

  // ---- Check box (0/1), option button (selected), scroll bar
  int value() const { return value_; }
  // Check box: 0 or 1, click handler when it changes. Scroll bar: within min..max,
  // change handler when it changes. Option: non-zero selects. False for a bad value.
  bool set_value(int value);
  bool selected() const { return value_ != 0; }
  // Selecting clears the other options of the same frame and runs the click handler when
  // the option was not selected before.
  void set_selected(bool selected);
  // Scroll bar range; min may lie above max (then the value grows downwards). A value left
  // outside a new range moves to its nearest end and raises the change event.
  int min() const { return min_; }
  int max() const { return max_; }
  void set_min(int min);
  void set_max(int max);
  int small_change() const { return small_change_; }
  int large_change() const { return large_change_; }
  void set_small_change(int step);
  void set_large_change(int step);

  // ---- Timer: interval in milliseconds; 0 never ticks. A change restarts the schedule.
  int interval() const { return interval_; }
  void set_interval(int interval_ms);  // negative values are ignored

  // ---- Status bar panels, numbered 1 to 4 as the user sees them.
  const std::array<std::string, kStatusPanelCount>& panels() const { return panels_; }
  std::string panel_text(int number) const;
  bool set_panel_text(int number, std::string text);

  // ---- Handlers
  void on_click(EventHandler handler) { on_click_ = std::move(handler); }
  void on_change(EventHandler handler) { on_change_ = std::move(handler); }
  void on_key_press(KeyPressHandler handler) { on_key_press_ = std::move(handler); }
  void on_validate(CancelHandler handler) { on_validate_ = std::move(handler); }
  void on_timer(EventHandler handler) { on_timer_ = std::move(handler); }

  // ---- Raising events: for the window's own rules, user actions and front-ends. Each
  // runs the attached handler, if any, with the window's services.
  void RaiseClick();
  void RaiseChange();
  void RaiseKeyPress(int& key_code);
  void RaiseValidate(bool& cancel);
  void RaiseTimer();

 private:
  friend class Window;  // settles option groups while the table is built

  void Notify(Property property);
  // Sets the text and the caret, then reports them and raises the events a new text raises.
  void ReplaceText(std::string text, int caret);
  void SetListIndexQuietly(int i);
  void ClearOtherOptionsOfGroup();
  int RangeLow() const { return min_ < max_ ? min_ : max_; }
  int RangeHigh() const { return min_ < max_ ? max_ : min_; }
  void KeepValueInRange();

  Window& window_;
  const ControlKind kind_;
  const std::string name_;
  const int index_;
  const std::string parent_;
  const bool editable_;

  std::string text_;
  TextSelection selection_;
  std::vector<EditedText> undo_;  // the user's edits, latest last
  EditRun run_ = EditRun::kNone;  // the run the latest edit belongs to, while it goes on
  bool visible_;
  bool enabled_;
  std::string tool_tip_;
  Alignment alignment_;
  bool read_only_;
  const bool highlighted_;
  int max_length_;
  LayoutHint layout_;
  std::vector<ListItem> items_;
  int list_index_ = -1;
  int value_ = 0;
  int min_;
  int max_;
  int small_change_;
  int large_change_;
  int interval_;
  std::array<std::string, kStatusPanelCount> panels_;

  EventHandler on_click_;
  EventHandler on_change_;
  KeyPressHandler on_key_press_;
  CancelHandler on_validate_;
  EventHandler on_timer_;
};

}  // namespace ui
