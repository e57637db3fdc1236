#pragma once
// Blanks around a text that people typed or edited: they never count.

#include <string_view>

namespace platform {

// `text` without the spaces and tabs around it, nor the carriage return that a file
// from Windows leaves at the end of each line.
std::string_view TrimBlanks(std::string_view text);

}  // namespace platform
