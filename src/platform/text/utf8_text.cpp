#include "platform/text/utf8_text.h"

namespace platform::utf8 {

namespace {

// Length and value of the well-formed sequence at the start of `text`, or length 0.
std::size_t DecodeOne(std::string_view text, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, smallest = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < smallest || !IsCodePoint(value)) return 0;  // overlong, surrogate or too large
  code = value;
  return length;
}

}  // namespace

std::vector<Character> SplitCharacters(std::string_view text) {
  std::vector<Character> characters;
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t code = 0;
    std::size_t length = DecodeOne(text.substr(at), code);
    if (length == 0) {
      length = 1;
      code = static_cast<unsigned char>(text[at]);
    }
    characters.push_back(Character{text.substr(at, length), code});
    at += length;
  }
  return characters;
}

std::size_t CountCharacters(std::string_view text) { return SplitCharacters(text).size(); }

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  const std::vector<Character> characters = SplitCharacters(text);
  if (characters.size() <= count) return text;
  return text.substr(0, static_cast<std::size_t>(characters[count].bytes.data() - text.data()));
}

void RemoveLastCharacter(std::string& text) {
  const std::vector<Character> characters = SplitCharacters(text);
  if (characters.empty()) return;
  text.resize(text.size() - characters.back().bytes.size());
}

bool IsCodePoint(long long code) { return code >= 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

std::string Encode(char32_t code) {
  std::string out;
  if (!IsCodePoint(code)) return out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

}  // namespace platform::utf8
