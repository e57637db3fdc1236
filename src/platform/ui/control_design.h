#pragma once
// One row of a window's control table: what a control is when the window is built.
// Every member has a default initializer, so a row names only what differs.
// Written with designated initializers, e.g.
//   window.Add({.kind = ControlKind::kButton, .name = "Cmd_send", .parent = "frm_comtrans", .text = "发送"});

#include <string>
#include <vector>

#include "platform/ui/control_kind.h"

namespace ui {

enum class Alignment { kLeft, kCentre, kRight };

// Where a front-end may place the control inside its parent (frame or window): a grid
// cell and how many rows and columns it spans. Front-ends are free to ignore it.
struct LayoutHint {
  int row = 0;
  int column = 0;
  int row_span = 1;
  int column_span = 1;

  bool operator==(const LayoutHint&) const = default;
};

struct ControlDesign {
  ControlKind kind = ControlKind::kLabel;
  std::string name{};
  int index = -1;        // element of a control array when >= 0
  std::string parent{};  // the frame holding it (a menu for a menu item); empty: the window
  std::string text{};    // caption or text
  bool visible = true;   // timers are never shown, whatever this says
  bool enabled = true;   // for a timer: whether it ticks
  std::string tool_tip{};
  Alignment alignment = Alignment::kLeft;
  bool read_only = false;            // text box: the user cannot change its text
  bool highlighted = false;          // text box: text in the desktop's highlight colour
  int max_length = 0;                // text box: most characters the user can enter; 0 = no limit
  bool editable = false;             // list: the user may type a text that is not an item
  std::vector<std::string> items{};  // list
  std::vector<int> item_data{};      // list: parallel to items; missing entries are 0
  int list_index = -1;               // list: selected item, -1 for none
  int value = 0;                     // check box 0/1, option 1 = selected, scroll bar value
  int min = 0;                       // scroll bar
  int max = 32767;
  int small_change = 1;
  int large_change = 1;
  int interval = 0;                   // timer, milliseconds; 0 never ticks
  std::vector<std::string> panels{};  // status bar: up to four panel texts
  LayoutHint layout{};
};

}  // namespace ui
