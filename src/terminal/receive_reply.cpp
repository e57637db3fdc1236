// Test mode's exchange: frame, send, wait, check, and on failure tell the user and offer
// to send the same frame again.

#include "platform/serial/reply_wait.h"
#include "platform/text/ansi_codepage.h"
#include "platform/text/utf8_text.h"
#include "platform/ui/text_pattern.h"
#include "terminal/terminal_messages.h"
#include "terminal/terminal_window.h"

namespace terminal {

std::string TerminalWindow::ReceiveReply(std::string send_string, std::int32_t timeout_ms) {
  const ChecksumKind kind = SelectedChecksumKind();
  // The checksum covers the bytes of the code page, as the transmitter receives them.
  const std::string framed = FrameRequest(platform::Utf8ToAnsi(send_string), kind);
  window_.At("Txt_sendall").set_text(platform::AnsiToUtf8(framed));
  for (;;) {
    const ReplyVerdict verdict = SendAndCheck(framed, timeout_ms, kind);
    RecordExchange(send_string, verdict);
    if (verdict.accepted) return platform::AnsiToUtf8(verdict.value);
    // An address probe ("AD"): no answer just means nobody is at that address.
    if (IsAddressRequest(framed)) return "";
    // A retry sends the very same frame again; nothing is recomputed.
    if (!UserWantsRetry(framed, verdict.reason)) return "";
  }
}

ReplyVerdict TerminalWindow::SendAndCheck(const std::string& framed, std::int32_t timeout_ms,
                                          ChecksumKind kind) {
  // Old bytes on either side must not be taken for this exchange.
  platform::PortResult failure = MSComm1.DiscardOutput();
  if (!failure) failure = MSComm1.DiscardInput();
  if (!failure) failure = MSComm1.Write(framed);
  if (failure) return ReplyVerdict::Refuse("");
  const std::uint32_t start_tick = clock_.tick_ms();
  std::string received;
  // The user sees the frame that went out while the reply is awaited.
  const auto repaint = [this] { window_.services().Repaint(); };
  // A negative time-out acts as 0.
  const std::uint32_t limit_ms = timeout_ms > 0 ? static_cast<std::uint32_t>(timeout_ms) : 0;
  if (platform::AwaitReply(MSComm1, clock_, start_tick, limit_ms, received, repaint))
    return ReplyVerdict::Refuse("");
  window_.At("Txt_receiveall").set_text(platform::AnsiToUtf8(received));
  return CheckReply(received, kind);
}

void TerminalWindow::RecordExchange(std::string_view send_string, const ReplyVerdict& verdict) {
  // A refusal no check names still failed: it gets the lead text of the box the user sees.
  const std::string_view outcome = verdict.accepted         ? std::string_view()
                                   : verdict.reason.empty() ? kLinkInterruptedText
                                                            : std::string_view(verdict.reason);
  // The typed text is the start character, two address characters and the command.
  const std::string_view after_start =
      send_string.substr(platform::utf8::FirstCharacters(send_string, 1).size());
  const std::string_view address = platform::utf8::FirstCharacters(after_start, 2);
  MSComm1.RecordExchange(address, after_start.substr(address.size()), outcome, true);
}

bool TerminalWindow::UserWantsRetry(const std::string& framed, const std::string& reason) {
  // The frame ends with its own CR.
  const std::string text = ui::FillPattern(kLinkInterruptedText, {reason, platform::AnsiToUtf8(framed)});
  const ui::MessageBoxAnswer answer = window_.services().ShowMessageBox(
      ui::MessageBoxRequest{text, std::string(kReplyErrorTitle), ui::MessageBoxButtons::kRetryCancel,
                            ui::MessageBoxIcon::kWarning});
  return answer == ui::MessageBoxAnswer::kRetry;
}

}  // namespace terminal
