#include "protocol/transaction.h"

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
  if (platform::AwaitReply(port_, clock_, start, timeout, received, on_waiting_))
    return std::string(kResultNoReply);
  return platform::AnsiToUtf8(CheckReply(received));
}

}  // namespace protocol
