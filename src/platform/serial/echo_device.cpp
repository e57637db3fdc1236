#include "platform/serial/echo_device.h"

#include "platform/serial/port_failure_text.h"
#include "platform/text/ansi_codepage.h"
#include "platform/ui/text_pattern.h"

namespace platform {

PortResult EchoDevice::DiscardInput() {
  expected_.clear();
  matched_ = 0;
  carry_.clear();
  return device_->DiscardInput();
}

PortResult EchoDevice::Write(std::string_view bytes) {
  if (PortResult r = device_->Write(bytes)) return r;
  waited_ = false;
  if (mode_ == EchoMode::kOn) {
    expected_.append(bytes);  // each byte comes back, in order, after the earlier ones
    return std::nullopt;
  }
  // A new request: what was held of the last one's echo was not its echo after all.
  Release(carry_);
  expected_.assign(bytes);
  return std::nullopt;
}

PortResult EchoDevice::WaitForInput(std::uint32_t max_wait_ms) {
  if (!carry_.empty()) return std::nullopt;  // there is input to read already
  PortResult r = device_->WaitForInput(max_wait_ms);
  waited_ = true;
  return r;
}

PortResult EchoDevice::Read(std::string& out) {
  out += carry_;
  carry_.clear();
  std::string& in = incoming_;  // kept, so that a read allocates nothing once warm
  in.clear();
  if (PortResult r = device_->Read(in)) {
    Release(out);
    out += in;
    return r;
  }
  if (expected_.empty()) {
    out += in;
    return std::nullopt;
  }
  if (in.empty()) {
    if (matched_ == 0 || !waited_) return std::nullopt;
    // The line fell quiet in the middle of the echo.
    const std::string sent = expected_;
    Release(out);
    if (mode_ == EchoMode::kOn) return Failure(kEchoMissingText, sent);
    return std::nullopt;
  }
  waited_ = false;
  std::size_t i = 0;
  while (i < in.size() && matched_ < expected_.size() && in[i] == expected_[matched_]) {
    ++i;
    ++matched_;
  }
  if (matched_ == expected_.size()) {
    if (listener_) listener_(expected_);
    expected_.clear();
    matched_ = 0;
    out.append(in, i);
    return std::nullopt;
  }
  if (i == in.size()) return std::nullopt;  // the echo so far: wait for the rest
  // A byte that differs from what was sent.
  const std::string sent = expected_;
  Release(out);
  out.append(in, i);
  if (mode_ == EchoMode::kOn) return Failure(kEchoCollisionText, sent);
  return std::nullopt;
}

void EchoDevice::Release(std::string& out) {
  out.append(expected_, 0, matched_);
  expected_.clear();
  matched_ = 0;
}

PortError EchoDevice::Failure(std::string_view pattern, std::string_view sent) const {
  // The frame as people read it: without its closing carriage return.
  std::string_view shown = sent;
  while (!shown.empty() && (shown.back() == '\r' || shown.back() == '\n')) shown.remove_suffix(1);
  return {kErrEchoMismatch, ui::FillPattern(pattern, {name_, AnsiToUtf8(shown)}), ""};
}

}  // namespace platform
