#include "gui/tab_order.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

namespace gui {

namespace {

class Reader {
 public:
  Reader(const ui::Window& window, WidgetTable& table) : table_(table) {
    for (const ui::Control& control : window.controls()) {
      if (control.kind() != ui::ControlKind::kMenuItem && control.kind() != ui::ControlKind::kMenu)
        children_[control.parent()].push_back(&control);
    }
    // Stable: controls sharing a cell keep their creation order.
    for (auto& [parent, controls] : children_) {
      std::stable_sort(controls.begin(), controls.end(), [](const ui::Control* a, const ui::Control* b) {
        return std::tie(a->layout().row, a->layout().column) < std::tie(b->layout().row, b->layout().column);
      });
    }
  }

  void Read(const std::string& container, std::vector<QWidget*>& order) {
    for (const ui::Control* control : children_[container]) {
      if (control->kind() == ui::ControlKind::kFrame) {
        Read(control->name(), order);
      } else if (ui::KindTakesFocus(control->kind())) {
        if (const BoundControl* bound = table_.Find(*control); bound != nullptr && bound->widget != nullptr)
          order.push_back(bound->widget);
      }
    }
  }

 private:
  WidgetTable& table_;
  std::map<std::string, std::vector<const ui::Control*>> children_;
};

}  // namespace

std::vector<QWidget*> ReadingOrder(const ui::Window& window, WidgetTable& table) {
  std::vector<QWidget*> order;
  Reader(window, table).Read("", order);
  return order;
}

void SetTabOrder(const ui::Window& window, WidgetTable& table) {
  const std::vector<QWidget*> order = ReadingOrder(window, table);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace gui
