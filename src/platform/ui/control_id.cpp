#include "platform/ui/control_id.h"

#include <charconv>

namespace ui {

std::string ControlId::ToString() const {
  if (index < 0) return name;
  return name + "(" + std::to_string(index) + ")";
}

std::optional<ControlId> ControlId::Parse(std::string_view text) {
  const std::size_t open = text.find('(');
  if (open == std::string_view::npos) {
    if (text.empty() || text.find(')') != std::string_view::npos) return std::nullopt;
    return ControlId{std::string(text), -1};
  }
  if (open == 0 || text.back() != ')') return std::nullopt;
  const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int index = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return ControlId{std::string(text.substr(0, open)), index};
}

}  // namespace ui
