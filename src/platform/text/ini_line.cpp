#include "platform/text/ini_line.h"

namespace platform {

IniLine ReadIniLine(std::string_view line) {
  IniLine read;
  read.text = TrimBlanks(line);
  const std::string_view text = read.text;
  if (text.empty() || text.front() == ';' || text.front() == '#') return read;
  if (text.front() == '[') {
    if (text.size() < 2 || text.back() != ']') {
      read.kind = IniLine::Kind::kUnclosedSection;
      return read;
    }
    read.kind = IniLine::Kind::kSection;
    read.name = TrimBlanks(text.substr(1, text.size() - 2));
    return read;
  }
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) {
    read.kind = IniLine::Kind::kNoKeyValue;
    return read;
  }
  read.kind = IniLine::Kind::kKeyValue;
  read.name = TrimBlanks(text.substr(0, eq));
  read.value = TrimBlanks(text.substr(eq + 1));
  return read;
}

}  // namespace platform
