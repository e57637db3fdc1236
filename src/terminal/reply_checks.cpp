#include "terminal/reply_checks.h"

#include "terminal/terminal_messages.h"

namespace terminal {

namespace {

constexpr std::size_t kChecksumDigits = 2;
constexpr std::size_t kAddressLength = 2;

}  // namespace

bool HasTerminator(std::string_view received) { return received.find('\r') != std::string_view::npos; }

bool HasStartCharacter(std::string_view received) { return !received.empty() && received.front() == '*'; }

bool ChecksumMatches(std::string_view inner, ChecksumKind kind) {
  if (inner.size() < kChecksumDigits) return false;
  const std::string_view body = inner.substr(0, inner.size() - kChecksumDigits);
  return ChecksumText(body, kind) == inner.substr(inner.size() - kChecksumDigits);
}

bool IsOverflowMark(std::string_view value) { return value == "-@OVER" || value == "+@OVER"; }

ReplyVerdict CheckReply(std::string_view received, ChecksumKind kind) {
  if (!HasTerminator(received)) return ReplyVerdict::Refuse(kNoTerminatorText);
  if (!HasStartCharacter(received)) return ReplyVerdict::Refuse(kNoStartCharacterText);
  // The last character goes whatever it is: bytes after the CR shift the checksum digits.
  const std::string_view inner = received.substr(1, received.size() - 2);
  if (inner.size() < kChecksumDigits) return ReplyVerdict::Refuse("");
  if (!ChecksumMatches(inner, kind)) return ReplyVerdict::Refuse(kChecksumErrorText);
  const std::string_view body = inner.substr(0, inner.size() - kChecksumDigits);
  if (body.size() < kAddressLength) return ReplyVerdict::Refuse("");
  const std::string_view value = body.substr(kAddressLength);
  if (IsOverflowMark(value)) return ReplyVerdict::Refuse(kOverflowText);
  return ReplyVerdict::Accept(std::string(value));
}

}  // namespace terminal
