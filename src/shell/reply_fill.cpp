#include "shell/reply_fill.h"

#include "platform/text/numeric_value.h"
#include "protocol/frame.h"

namespace shell {

std::string CutIfLonger(std::string_view result) {
  return result.size() > 4 ? protocol::ValueCut(result) : std::string(result);
}

void BoxFill(ui::Control& box, std::string_view result) {
  // Two assignments, as the box has always been filled: a change handler sees both.
  box.set_text(std::string(result));
  if (box.text().size() > 4) box.set_text(protocol::ValueCut(box.text()));
}

bool ListFill(ui::Control& list, std::string_view result) {
  if (result.size() <= 4) return false;
  const std::optional<int> index = platform::NumericIndex(protocol::ValueCut(result));
  if (!index || *index < 0 || *index >= list.item_count()) return false;
  list.set_list_index(*index);
  return true;
}

std::string IndexArgument(const ui::Control& list) { return std::to_string(list.list_index()); }

}  // namespace shell
