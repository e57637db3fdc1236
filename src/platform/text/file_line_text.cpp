#include "platform/text/file_line_text.h"

#include "platform/text/utf8_text.h"
#include "platform/ui/text_pattern.h"

namespace platform {

namespace {

// A message quotes at most this much of a line.
constexpr std::size_t kLongestQuote = 32;

}  // namespace

std::string AtLine(int line, const std::string& what) {
  return ui::FillPattern(kAtLineText, {std::to_string(line), what});
}

std::string QuotedFileText(std::string_view text) {
  std::string shown;
  std::size_t count = 0;
  for (const utf8::Character& c : utf8::SplitCharacters(text)) {
    const bool stray_byte = c.bytes.size() == 1 && static_cast<unsigned char>(c.bytes[0]) >= 0x80;
    if (stray_byte || c.code < 0x20 || c.code == 0x7F) return std::string(kUnreadableQuoteText);
    if (++count > kLongestQuote) {
      shown += "…";
      break;
    }
    shown += c.bytes;
  }
  return "“" + shown + "”";
}

}  // namespace platform
