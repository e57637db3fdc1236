#pragma once
// Every text of a window model that the real window shows translated, as the translation
// files hold it: the window caption, the captions (a label shown in pieces, piece by
// piece), list items, tool tips and status texts of its control table, and the texts its
// handlers show beyond the table (the program's ShownTexts(), patterns included). Text
// boxes' contents are never translated. Only texts that need a translation are listed
// (see NeedsTranslation), each once, in table order.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/window.h"

namespace gui {

std::vector<std::string> WindowTexts(const ui::Window& window,
                                     const std::vector<std::string_view>& shown_texts);

}  // namespace gui
