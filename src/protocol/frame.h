#pragma once
// Request and reply frames of the transmitter bus, and how callers read a result.
//
//   request: "$" + address + command text + checksum + CR
//   reply:   "*" + address + value        + checksum + CR
//
// Frames and the reply check work on ANSI bytes (GBK); a result, once the transaction has
// decoded it, is UTF-8. Only the command console produces non-ASCII requests.

#include <string>
#include <string_view>

namespace protocol {

inline constexpr char kCR = '\r';
inline constexpr std::string_view kResultNoReply = "ERR 0\r";   // five characters or fewer came back
inline constexpr std::string_view kResultBadFrame = "EER 3\r";  // not exactly one valid reply frame

// One of the two failure results: nothing valid came back.
inline bool IsFailureResult(std::string_view result) {
  return result == kResultNoReply || result == kResultBadFrame;
}

// "$" + addr + comm + PARITY_XORB(addr + comm) + CR. Taken exactly as given.
std::string BuildRequestFrame(std::string_view addr, std::string_view comm);

// "*" + body + PARITY_XORB(body) + CR: what a transmitter sends back.
std::string BuildReplyFrame(std::string_view body);

// Turns everything received during one transaction into the transaction result:
// "*" + body + CR when `received` is exactly one valid reply frame, else one of the
// two error results.
std::string CheckReply(std::string_view received);

// The value of a result (UTF-8, as a transaction returns it): without its first three
// characters ("*" and the address) and its last (the CR), counted in characters, not
// bytes. "ERR 0\r" cuts to " 0". A result shorter than four characters cuts to "".
std::string ValueCut(std::string_view result);

// The result compared whole with "*" + addr + expected_value + CR.
bool ExactMatch(std::string_view result, std::string_view addr, std::string_view expected_value);

}  // namespace protocol
