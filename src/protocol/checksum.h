#pragma once
// The checksum that guards request and reply frames.

#include <string>
#include <string_view>

namespace protocol {

// XOR of the character codes of `ansi_text` (bytes in the ANSI code page, GBK here),
// written in upper-case hexadecimal, at least two digits, never cut. A double-byte
// character counts as one 16-bit value, so non-ASCII text gives three or four digits.
// The checksum of an empty text is not defined: callers must not ask for it (returns "").
std::string PARITY_XORB(std::string_view ansi_text);

}  // namespace protocol
