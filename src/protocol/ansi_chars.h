#pragma once
// Splits ANSI (GBK) bytes into characters: a byte below 0x81 stands alone, a lead byte
// 0x81..0xFE takes the next byte with it. Lengths in the frame rules count characters.

#include <string_view>
#include <vector>

namespace protocol {

struct AnsiChar {
  unsigned code;   // one byte, or lead * 256 + trail for a double-byte character
  std::size_t pos;  // byte offset
  std::size_t len;  // 1 or 2
};

std::vector<AnsiChar> SplitAnsiChars(std::string_view bytes);

}  // namespace protocol
