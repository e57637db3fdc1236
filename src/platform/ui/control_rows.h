#pragma once
// Short forms for the rows both programs' control tables are made of.

#include <string>

#include "platform/ui/control_design.h"

namespace ui::rows {

inline LayoutHint At(int row, int column, int row_span = 1, int column_span = 1) {
  return LayoutHint{row, column, row_span, column_span};
}

inline ControlDesign Frame(std::string name, std::string caption, LayoutHint at) {
  return {.kind = ControlKind::kFrame, .name = std::move(name), .text = std::move(caption), .layout = at};
}

// A label standing before the control it names.
inline ControlDesign Label(std::string name, std::string parent, std::string caption, LayoutHint at) {
  return {.kind = ControlKind::kLabel,
          .name = std::move(name),
          .parent = std::move(parent),
          .text = std::move(caption),
          .layout = at};
}

}  // namespace ui::rows
