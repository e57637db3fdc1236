#pragma once
// One line of an INI file, read as the settings store and the transmitter settings files
// read it: blanks around the line, a section's name, a key and a value do not count, and
// a line that begins with ';' or '#' is a comment.
//
//   [Section]
//   Key = value

#include <string_view>

#include "platform/text/trim.h"

namespace platform {

struct IniLine {
  enum class Kind {
    kNothing,          // blank, or a comment
    kSection,          // "[name]"
    kUnclosedSection,  // "[name" with no "]" at its end
    kKeyValue,         // "key=value"
    kNoKeyValue,       // anything else
  };
  Kind kind = Kind::kNothing;
  std::string_view text;   // the whole line, trimmed
  std::string_view name;   // the section's name or the key, trimmed
  std::string_view value;  // the key's value, trimmed
};

IniLine ReadIniLine(std::string_view line);

}  // namespace platform
