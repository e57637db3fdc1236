#pragma once
// The widgets that show each control of a window, looked up by control when the model
// changes and by widget when the user acts on one.

#include <array>
#include <deque>
#include <unordered_map>
#include <vector>

#include "platform/ui/control.h"

class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QObject;
class QWidget;

namespace gui {

struct BoundControl {
  ui::Control* control = nullptr;
  QWidget* widget = nullptr;         // null for menus, menu items and timers
  QAction* action = nullptr;         // menus and menu items
  QMenu* menu = nullptr;             // a menu's drop-down
  QGridLayout* container = nullptr;  // the grid the widget stands in; null outside any grid
  QGridLayout* grid = nullptr;       // a frame's own grid, which holds its controls
  std::array<QLabel*, ui::kStatusPanelCount> panels{};  // a status bar's panels
  // A label laid under other controls, shown in pieces (see caption_parts.h); the first
  // piece is `widget`. Empty for every other control.
  std::vector<QLabel*> label_pieces{};
  bool pieces_are_lines = false;  // one line of caption per piece, else blank-separated words

  // The widget and any further pieces of it: what visibility, enabling and tool tips apply to.
  std::vector<QWidget*> Widgets() const;
};

class WidgetTable {
 public:
  WidgetTable() = default;
  WidgetTable(const WidgetTable&) = delete;
  WidgetTable& operator=(const WidgetTable&) = delete;

  // Stored in table order; the reference stays valid while more are added.
  BoundControl& Add(const BoundControl& bound);
  // Lets the user's input on `part` (such as an editable list's line edit) reach the
  // control that `bound` shows.
  void AddPart(const QObject* part, BoundControl& bound);

  BoundControl* Find(const ui::Control& control);
  // The control shown by a widget or by a part of one; null for any other object.
  BoundControl* FindByObject(const QObject* object);

  std::deque<BoundControl>& all() { return bound_; }

 private:
  std::deque<BoundControl> bound_;
  std::unordered_map<const ui::Control*, BoundControl*> by_control_;
  std::unordered_map<const QObject*, BoundControl*> by_object_;
};

}  // namespace gui
