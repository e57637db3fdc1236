#pragma once
// The small JSON the programs write (the headless mode's answers, the trace file): one
// object a line, written with ": " and ", " between the parts, texts in UTF-8.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Appends `text` as a JSON string, quotes included. Quotes and backslashes are escaped,
// control characters too (\r, \n, \t, \b, \f by name, the rest as \u00XX); well-formed
// UTF-8 passes through; a stray byte that is not UTF-8 becomes \u00XX of its value, so
// the line stays valid JSON without losing which byte it was.
void AppendJsonString(std::string& out, std::string_view text);

class JsonObject {
 public:
  JsonObject& AddText(std::string_view key, std::string_view text);
  // The text, or null when there is none.
  JsonObject& AddTextOrNull(std::string_view key, const std::optional<std::string>& text);
  JsonObject& AddNumber(std::string_view key, long long number);
  // With `decimals` digits after the point ("17.2"); a value that is no finite number
  // is written as 0.
  JsonObject& AddDecimal(std::string_view key, double number, int decimals);
  JsonObject& AddBool(std::string_view key, bool value);
  JsonObject& AddTexts(std::string_view key, const std::vector<std::string>& texts);
  JsonObject& AddObject(std::string_view key, const JsonObject& object);

  std::string ToString() const { return "{" + members_ + "}"; }

 private:
  void AddKey(std::string_view key);

  std::string members_;
};

// Writes the object as one line and flushes, so a script driving the program through a
// pipe sees each answer at once.
void WriteJsonLine(std::ostream& out, const JsonObject& object);

}  // namespace platform
