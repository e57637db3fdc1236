#include "terminal/checksum_text.h"

#include <cstdint>

namespace terminal {

namespace {

std::string UpperHex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return text;
}

}  // namespace

std::string ChecksumText(std::string_view bytes, ChecksumKind kind) {
  std::uint64_t accumulator = 0;
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    accumulator = kind == ChecksumKind::kSum ? accumulator + code : accumulator ^ code;
  }
  std::string text = UpperHex(accumulator);
  if (kind == ChecksumKind::kSum) return text.size() > 2 ? text.substr(text.size() - 2) : text;
  return text.size() < 2 ? "0" + text : text;
}

std::string FrameRequest(std::string_view typed, ChecksumKind kind) {
  // The first character is the start character, whatever the user typed there.
  const std::string_view covered = typed.size() > 1 ? typed.substr(1) : std::string_view();
  return std::string(typed) + ChecksumText(covered, kind) + '\r';
}

bool IsAddressRequest(std::string_view framed) { return framed.size() >= 5 && framed.substr(3, 2) == "AD"; }

}  // namespace terminal
