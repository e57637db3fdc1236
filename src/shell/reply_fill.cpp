#include "shell/reply_fill.h"

#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"
#include "protocol/frame.h"

namespace shell {

namespace {

// The callers' length test, in characters as the value cut counts them.
bool LongerThanFour(std::string_view result) { return platform::utf8::CountCharacters(result) > 4; }

// The list's code in the result; nothing when the reply carries none that the list holds.
std::optional<int> ListCode(const ui::Control& list, std::string_view result) {
  if (!Answered(result) || !LongerThanFour(result)) return std::nullopt;
  const std::optional<int> index = platform::NumericIndex(protocol::ValueCut(result));
  if (!index || *index < 0 || *index >= list.item_count()) return std::nullopt;
  return index;
}

}  // namespace

bool Answered(std::string_view result) { return !protocol::IsFailureResult(result); }

std::string CutIfLonger(std::string_view result) {
  return LongerThanFour(result) ? protocol::ValueCut(result) : std::string(result);
}

void BoxFill(ui::Control& box, std::string_view result) {
  // Two assignments, as the box has always been filled: a change handler sees both.
  box.set_text(std::string(result));
  if (Answered(result) && LongerThanFour(box.text())) box.set_text(protocol::ValueCut(box.text()));
}

void CutFill(ui::Control& box, std::string_view result) {
  box.set_text(Answered(result) ? protocol::ValueCut(result) : std::string(result));
}

bool ShowsAnswer(const ui::Control& box) { return Answered(box.text()); }

std::optional<std::string> TemperatureReading(std::string_view result) {
  if (!LongerThanFour(result) || !Answered(result)) return std::nullopt;
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

bool ListFill(MainWindow& m, std::string_view list_name, std::string_view result) {
  ui::Control& list = m[list_name];
  const std::optional<int> code = ListCode(list, result);
  // Marked before the selection changes: the change handler already sees the list as answered.
  if (code) {
    m.unanswered_lists.erase(list.name());
  } else {
    m.unanswered_lists.insert(list.name());
    return false;
  }
  list.set_list_index(*code);
  return true;
}

bool ListAnswered(const MainWindow& m, std::string_view list) { return !m.unanswered_lists.contains(list); }

std::string IndexArgument(const ui::Control& list) { return std::to_string(list.list_index()); }

}  // namespace shell
