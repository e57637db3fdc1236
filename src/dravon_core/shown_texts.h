#pragma once
// Every text Dravon's handlers show beyond the captions, items and tool tips of its
// control table: status bar texts, captions a handler switches to, message box titles and
// texts. A text built from a fixed wording and variable parts is listed as its pattern
// (ui::FillPattern). A front-end that shows the window in another language needs a
// translation of each; a handler that shows a new text adds it here.

#include <string_view>
#include <vector>

namespace dravon {

std::vector<std::string_view> ShownTexts();

}  // namespace dravon
