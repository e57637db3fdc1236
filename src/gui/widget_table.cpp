#include "gui/widget_table.h"

#include <QLabel>

namespace gui {

std::vector<QWidget*> BoundControl::Widgets() const {
  std::vector<QWidget*> widgets;
  if (widget != nullptr) widgets.push_back(widget);
  for (std::size_t i = 1; i < label_pieces.size(); ++i) widgets.push_back(label_pieces[i]);
  return widgets;
}

BoundControl& WidgetTable::Add(const BoundControl& bound) {
  BoundControl& stored = bound_.emplace_back(bound);
  by_control_[stored.control] = &stored;
  if (stored.widget != nullptr) by_object_[stored.widget] = &stored;
  return stored;
}

void WidgetTable::AddPart(const QObject* part, BoundControl& bound) {
  if (part != nullptr) by_object_[part] = &bound;
}

BoundControl* WidgetTable::Find(const ui::Control& control) {
  const auto it = by_control_.find(&control);
  return it == by_control_.end() ? nullptr : it->second;
}

BoundControl* WidgetTable::FindByObject(const QObject* object) {
  const auto it = by_object_.find(object);
  return it == by_object_.end() ? nullptr : it->second;
}

}  // namespace gui
