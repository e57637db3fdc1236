#include "protocol/frame.h"

#include "platform/text/utf8_text.h"
#include "protocol/ansi_chars.h"
#include "protocol/checksum.h"

namespace protocol {

namespace {

// The reply check, as the steps the bus has always applied, in order.

// Step 1: too little came back to be a reply at all.
bool TooShortForReply(const std::vector<AnsiChar>& chars) { return chars.size() <= 5; }

// Step 2: the body is everything between the first character and the last three
// (two checksum characters and the terminator) — whatever those characters are.
std::string_view BodyOf(std::string_view received, const std::vector<AnsiChar>& chars) {
  const AnsiChar& first_body = chars[1];
  const AnsiChar& first_after_body = chars[chars.size() - 3];
  return received.substr(first_body.pos, first_after_body.pos - first_body.pos);
}

// Step 3: the received text must be exactly the frame that body would make: this one
// comparison rejects noise before "*", bytes after the CR, a missing CR and wrong or
// lower-case checksum digits alike.
bool IsExactlyOneFrame(std::string_view received, std::string_view body) {
  return received == BuildReplyFrame(body);
}

}  // namespace

std::string BuildRequestFrame(std::string_view addr, std::string_view comm) {
  std::string covered;
  covered.reserve(addr.size() + comm.size());
  covered.append(addr).append(comm);
  return "$" + covered + PARITY_XORB(covered) + kCR;
}

std::string BuildReplyFrame(std::string_view body) {
  std::string frame = "*";
  frame.append(body).append(PARITY_XORB(body)).push_back(kCR);
  return frame;
}

std::string CheckReply(std::string_view received) {
  const std::vector<AnsiChar> chars = SplitAnsiChars(received);
  if (TooShortForReply(chars)) return std::string(kResultNoReply);
  const std::string_view body = BodyOf(received, chars);
  if (!IsExactlyOneFrame(received, body)) return std::string(kResultBadFrame);
  return "*" + std::string(body) + kCR;
}

std::string ValueCut(std::string_view result) {
  // Counted in characters: a reply may hold double-byte characters anywhere, and a box
  // must never receive half of one.
  const std::size_t head = platform::utf8::FirstCharacters(result, 3).size();
  if (head == result.size()) return {};
  std::string value(result.substr(head));
  platform::utf8::RemoveLastCharacter(value);
  return value;
}

bool ExactMatch(std::string_view result, std::string_view addr, std::string_view expected_value) {
  std::string expected = "*";
  expected.append(addr).append(expected_value).push_back(kCR);
  return result == expected;
}

}  // namespace protocol
