#include "protocol/checksum.h"

#include <cstdio>

#include "protocol/ansi_chars.h"

namespace protocol {

std::vector<AnsiChar> SplitAnsiChars(std::string_view bytes) {
  std::vector<AnsiChar> chars;
  chars.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) {
      const auto trail = static_cast<unsigned char>(bytes[i + 1]);
      chars.push_back({lead * 256u + trail, i, 2});
      i += 2;
    } else {
      chars.push_back({lead, i, 1});
      i += 1;
    }
  }
  return chars;
}

std::string PARITY_XORB(std::string_view ansi_text) {
  if (ansi_text.empty()) return {};
  unsigned running = 0;
  for (const AnsiChar& c : SplitAnsiChars(ansi_text)) running ^= c.code;
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02X", running);
  return digits;
}

}  // namespace protocol
