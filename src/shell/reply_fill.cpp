#include "shell/reply_fill.h"

#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"
#include "protocol/frame.h"

namespace shell {

namespace {

// The callers' length test, in characters as the value cut counts them.
bool LongerThanFour(std::string_view result) { return platform::utf8::CountCharacters(result) > 4; }

}  // namespace

std::string CutIfLonger(std::string_view result) {
  return LongerThanFour(result) ? protocol::ValueCut(result) : std::string(result);
}

void BoxFill(ui::Control& box, std::string_view result) {
  // Two assignments, as the box has always been filled: a change handler sees both.
  box.set_text(std::string(result));
  if (LongerThanFour(box.text())) box.set_text(protocol::ValueCut(box.text()));
}

std::optional<std::string> TemperatureReading(std::string_view result) {
  if (!LongerThanFour(result) || protocol::IsFailureResult(result)) return std::nullopt;
  return platform::FormatOneDecimal(protocol::ValueCut(result));
}

bool TemperatureFill(ui::Control& box, std::string_view result) {
  box.set_text(std::string(result));
  const std::optional<std::string> reading = TemperatureReading(result);
  if (!reading) return false;
  box.set_text(protocol::ValueCut(result));
  box.set_text(*reading);
  return true;
}

bool ListFill(ui::Control& list, std::string_view result) {
  if (!LongerThanFour(result)) return false;
  const std::optional<int> index = platform::NumericIndex(protocol::ValueCut(result));
  if (!index || *index < 0 || *index >= list.item_count()) return false;
  list.set_list_index(*index);
  return true;
}

std::string IndexArgument(const ui::Control& list) { return std::to_string(list.list_index()); }

}  // namespace shell
