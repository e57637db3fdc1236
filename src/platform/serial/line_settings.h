#pragma once
// The line settings text "9600,N,8,1": baud rate, parity letter, data bits, stop bits.
// It is read back with a lower-case parity letter ("9600,n,8,1").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct LineSettings {
  int baud = 9600;
  char parity = 'n';  // lower case: n, e, o, m, s
  int data_bits = 8;
  std::string stop_bits = "1";  // "1", "1.5" or "2"

  std::string ToText() const;  // "9600,n,8,1"
  // Wire time of one byte, start + data + parity + stop bits, in microseconds (rounded
  // up); 0 at rate 0.
  std::uint64_t ByteTimeUs() const;
  static std::optional<LineSettings> Parse(std::string_view text);

  friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

enum class Handshake { kNone = 0, kXonXoff = 1, kRtsCts = 2 };

}  // namespace platform
