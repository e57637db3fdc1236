// Pemliq's reply checks see whatever comes back on a line the user is testing.
#include <cstdint>
#include <string_view>

#include "terminal/reply_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto kind = (data[0] & 1) ? terminal::ChecksumKind::kSum : terminal::ChecksumKind::kExclusiveOr;
  const std::string_view received(reinterpret_cast<const char*>(data + 1), size - 1);
  const terminal::ReplyVerdict v = terminal::CheckReply(received, kind);
  // An accepted reply had its terminator and start character, and is never an overflow mark.
  if (v.accepted && (!terminal::HasTerminator(received) || !terminal::HasStartCharacter(received) ||
                     terminal::IsOverflowMark(v.value)))
    __builtin_trap();
  if (v.accepted && !v.reason.empty()) __builtin_trap();
  return 0;
}
