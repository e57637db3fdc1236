#pragma once
// How a control is named: its name, plus its index when it is an element of a control
// array ("optcrc(0)").

#include <optional>
#include <string>
#include <string_view>

namespace ui {

struct ControlId {
  std::string name;
  int index = -1;  // -1: not an element of a control array

  // "Txt_delay" or "optcrc(1)".
  std::string ToString() const;

  // Reads "NAME" or "NAME(INDEX)"; nullopt for anything else ("x(", "x(-1)", "(2)", ...).
  static std::optional<ControlId> Parse(std::string_view text);

  bool operator==(const ControlId&) const = default;
};

}  // namespace ui
