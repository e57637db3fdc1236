#pragma once
// Characters of UTF-8 text, as a text box counts them: typing, backspace and the length
// limit work on characters, not bytes. Malformed input never fails: a byte that does not
// begin a well-formed sequence counts as one character of its own.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::utf8 {

struct Character {
  std::string_view bytes;
  char32_t code;  // the code point; for a stray byte, the byte's value
};

std::vector<Character> SplitCharacters(std::string_view text);
std::size_t CountCharacters(std::string_view text);
// The first `count` characters of `text` (all of it when it is shorter).
std::string_view FirstCharacters(std::string_view text, std::size_t count);
void RemoveLastCharacter(std::string& text);

bool IsCodePoint(long long code);  // 0..0x10FFFF without the surrogates
// Empty for a value that is not a code point.
std::string Encode(char32_t code);

}  // namespace platform::utf8
