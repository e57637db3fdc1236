#pragma once
// Reading a request frame the way a transmitter does: "$" + address + command +
// checksum + CR, where the checksum is two digits for ASCII text and up to four for
// double-byte text. A frame counts only if protocol::BuildRequestFrame gives it back
// byte for byte, so the frame rules stay in one place.

#include <optional>
#include <string>
#include <string_view>

namespace simbus {

struct Request {
  std::string address;  // two characters
  std::string command;  // mnemonic + argument, possibly empty
};

// Nothing when `frame` is not exactly one valid request frame (wrong checksum,
// lower-case checksum digits, missing "$" or CR, too short).
std::optional<Request> ParseRequestFrame(std::string_view frame);

}  // namespace simbus
