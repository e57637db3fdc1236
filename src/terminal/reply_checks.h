#pragma once
// The four checks a test-mode reply goes through, in the order they are applied:
// terminator, start character, checksum, overflow marks. The first that fails gives the
// reason shown to the user; a reply that passes them all gives its value text.

#include <string>
#include <string_view>

#include "terminal/checksum_text.h"

namespace terminal {

struct ReplyVerdict {
  bool accepted = false;
  std::string value;   // accepted: the body without its two address characters (code-page bytes)
  std::string reason;  // refused: the reason shown to the user; empty when no check names the fault

  static ReplyVerdict Accept(std::string value) { return {true, std::move(value), {}}; }
  static ReplyVerdict Refuse(std::string_view reason) { return {false, {}, std::string(reason)}; }
};

// A carriage return anywhere in the received text ends the reply.
bool HasTerminator(std::string_view received);
// The reply begins with "*".
bool HasStartCharacter(std::string_view received);
// `inner` is the reply without its first and last character: the body and two checksum
// digits, compared exactly (upper case). False when there are not even two digits.
bool ChecksumMatches(std::string_view inner, ChecksumKind kind);
// The transmitter's value is one of its overflow marks "-@OVER" and "+@OVER".
bool IsOverflowMark(std::string_view value);

// Applies the checks in order. A frame too short to hold its checksum digits, or whose
// body is shorter than the two-character address, is refused with an empty reason: the
// transmitter sent something no check describes.
ReplyVerdict CheckReply(std::string_view received, ChecksumKind kind);

}  // namespace terminal
