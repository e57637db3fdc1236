// The reply check and the value cut see whatever the line delivers.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/ansi_codepage.h"
#include "platform/text/utf8_text.h"
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
  // Callers cut the result as the transaction hands it over, in UTF-8, by characters.
  const std::string shown = platform::AnsiToUtf8(result);
  const std::string value = protocol::ValueCut(shown);
  const std::size_t characters = platform::utf8::CountCharacters(shown);
  if (characters >= 4 && platform::utf8::CountCharacters(value) + 4 != characters) __builtin_trap();
  (void)protocol::ExactMatch(shown, received.substr(0, 2), value);
  (void)protocol::PARITY_XORB(received);
  return 0;
}
