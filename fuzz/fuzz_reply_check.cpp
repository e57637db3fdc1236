// The reply check and the value cut see whatever the line delivers.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/ansi_codepage.h"
#include "protocol/checksum.h"
#include "protocol/frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view received(reinterpret_cast<const char*>(data), size);
  const std::string result = protocol::CheckReply(received);
  // Every result is one of the three forms and ends with a CR.
  if (result.empty() || result.back() != '\r') __builtin_trap();
  if (result != protocol::kResultNoReply && result != protocol::kResultBadFrame) {
    if (result.front() != '*') __builtin_trap();
    // An accepted reply is exactly the frame its body makes.
    const std::string_view body(result.data() + 1, result.size() - 2);
    if (protocol::BuildReplyFrame(body) != received) __builtin_trap();
  }
  const std::string value = protocol::ValueCut(result);
  if (value.size() + 4 != result.size() && result.size() >= 4) __builtin_trap();
  (void)protocol::ExactMatch(result, received.substr(0, 2), value);
  (void)platform::AnsiToUtf8(result);
  (void)protocol::PARITY_XORB(received);
  return 0;
}
