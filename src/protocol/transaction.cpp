#include "protocol/transaction.h"

#include <algorithm>

#include "platform/text/ansi_codepage.h"
#include "protocol/frame.h"

namespace protocol {

std::uint32_t TimeoutForSettings(std::string_view settings_text) {
  if (settings_text == "9600,n,8,1") return 100;
  if (settings_text == "4800,n,8,1") return 150;
  if (settings_text == "2400,n,8,1") return 250;
  if (settings_text == "1200,n,8,1") return 450;
  return 0;
}

std::string Transaction::Comm_Send(std::string_view send_addr, std::string_view send_comm) {
  std::string result = Exchange(send_addr, send_comm);
  port_.RecordExchange(send_addr, send_comm, result);
  return result;
}

std::string Transaction::Exchange(std::string_view send_addr, std::string_view send_comm) {
  const std::uint32_t timeout = TimeoutForSettings(port_.settings());
  const std::string ansi_addr = platform::Utf8ToAnsi(send_addr);
  const std::string ansi_comm = platform::Utf8ToAnsi(send_comm);
  // The checksum of an empty text does not exist: such a frame is never built.
  if (ansi_addr.empty() && ansi_comm.empty()) return std::string(kResultNoReply);
  const std::string frame = BuildRequestFrame(ansi_addr, ansi_comm);

  // A late reply or noise from before this command must not be taken for its reply.
  if (port_.DiscardInput() || port_.DiscardOutput()) return std::string(kResultNoReply);

  // The time-out runs from before the write, so it also covers the frame's own wire time.
  const std::uint32_t start = clock_.tick_ms();
  if (port_.Write(frame)) return std::string(kResultNoReply);

  std::string received;
  if (!AwaitReply(start, timeout, received)) return std::string(kResultNoReply);
  return platform::AnsiToUtf8(CheckReply(received));
}

bool Transaction::AwaitReply(std::uint32_t start_tick, std::uint32_t timeout_ms, std::string& received) {
  std::string chunk;
  for (;;) {
    chunk.clear();
    if (port_.Read(chunk)) return false;
    // Past the bound the text can no longer be a reply; keep waiting out the time-out
    // (the result stays the failure) but stop growing.
    if (received.size() < kMaxReceivedBytes)
      received.append(chunk, 0, std::min(chunk.size(), kMaxReceivedBytes - received.size()));
    // Whatever followed the CR in the same read stays: the check then rejects it.
    if (received.find(kCR) != std::string::npos || chunk.find(kCR) != std::string::npos) return true;
    const std::uint32_t elapsed = platform::ElapsedMs(start_tick, clock_.tick_ms());
    if (elapsed >= timeout_ms) return true;
    // Sleep in the device until bytes arrive or the time-out is reached: the same
    // stopping points as reading in a loop, without the CPU cost.
    if (port_.WaitForInput(timeout_ms - elapsed)) return false;
  }
}

}  // namespace protocol
