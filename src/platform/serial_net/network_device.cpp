#include "platform/serial_net/network_device.h"

#include "platform/serial/port_failure_text.h"
#include "platform/ui/text_pattern.h"

namespace platform {

namespace {

// How long a connect, a write and each answer of the server to a line setting may take.
// A server on the local network answers in milliseconds; beyond these the link is dead.
constexpr std::uint32_t kConnectWaitMs = 5000;
constexpr std::uint32_t kWriteWaitMs = 2000;
constexpr std::uint32_t kSettingWaitMs = 2000;

class NetworkDevice final : public SerialDevice {
 public:
  NetworkDevice(std::unique_ptr<GensioLink> link, std::string name, std::optional<int> fixed_baud)
      : link_(std::move(link)), name_(std::move(name)), fixed_baud_(fixed_baud) {}

  PortResult Configure(const LineSettings& s) override {
    if (failed_) return failed_;
    // A raw stream carries no settings: the line runs at the server's speed whatever is
    // asked, and the programs ask only for that speed where it matters (FixedBaud).
    if (link_->kind() == GensioLink::Kind::kRawTcp) return std::nullopt;
    const std::optional<RemoteLine> line = ToRemoteLine(s);
    if (!line) return SettingsNotSupported(name_, ui::FillPattern(kLineSetting, {s.ToText()}));
    switch (link_->SetLine(*line, kSettingWaitMs)) {
      case LinkResult::kOk:
        return std::nullopt;
      case LinkResult::kLost:
        return Lost(kErrWriteFailed);
      case LinkResult::kRefused:
        break;
    }
    return SettingsNotSupported(name_, ui::FillPattern(kLineSetting, {s.ToText()}));
  }

  // The bus protocol uses no handshake, and a server's port may have no modem lines to
  // answer for: nothing is asked of the server.
  PortResult SetHandshake(Handshake) override { return failed_; }

  PortResult DiscardInput() override {
    if (failed_) return failed_;
    pending_.clear();
    std::string dropped;
    if (auto r = Checked(kErrReadFailed, link_->Read(dropped, 0))) return r;
    // Bytes already on their way from the server may still come; the next discard of
    // the transaction that follows takes them.
    return Checked(kErrReadFailed, link_->Purge(true, false));
  }

  PortResult DiscardOutput() override {
    if (failed_) return failed_;
    return Checked(kErrWriteFailed, link_->Purge(false, true));
  }

  PortResult Write(std::string_view bytes) override {
    if (failed_) return failed_;
    return Checked(kErrWriteFailed, link_->Write(bytes, kWriteWaitMs));
  }

  PortResult Read(std::string& out) override {
    if (failed_) return failed_;
    out += pending_;
    pending_.clear();
    return Checked(kErrReadFailed, link_->Read(out, 0));
  }

  PortResult WaitForInput(std::uint32_t max_wait_ms) override {
    if (failed_) return failed_;
    if (!pending_.empty()) return std::nullopt;
    return Checked(kErrReadFailed, link_->Read(pending_, max_wait_ms));
  }

  std::optional<int> FixedBaud() const override { return fixed_baud_; }

 private:
  PortResult Lost(int number) {
    failed_ = ConnectionLost(number, name_);
    return failed_;
  }

  PortResult Checked(int number, LinkResult result) {
    return result == LinkResult::kOk ? std::nullopt : Lost(number);
  }

  std::unique_ptr<GensioLink> link_;
  std::string name_;
  std::optional<int> fixed_baud_;
  std::string pending_;  // what a wait brought in, for the next read
  PortResult failed_;
};

}  // namespace

std::optional<RemoteLine> ToRemoteLine(const LineSettings& s) {
  RemoteLine line;
  line.baud = s.baud;
  if (s.baud <= 0 || s.data_bits < 5 || s.data_bits > 8) return std::nullopt;
  line.data_bits = s.data_bits;
  switch (s.parity) {
    case 'n':
      line.parity = 1;
      break;
    case 'o':
      line.parity = 2;
      break;
    case 'e':
      line.parity = 3;
      break;
    case 'm':
      line.parity = 4;
      break;
    case 's':
      line.parity = 5;
      break;
    default:
      return std::nullopt;
  }
  if (s.stop_bits == "1")
    line.stop_bits = 1;
  else if (s.stop_bits == "2")
    line.stop_bits = 2;
  else if (s.stop_bits == "1.5")
    line.stop_bits = 3;
  else
    return std::nullopt;
  return line;
}

std::unique_ptr<SerialDevice> OpenNetworkDevice(const PortTarget& target, PortError& error) {
  if (target.kind != DeviceKind::kTcp && target.kind != DeviceKind::kRfc2217) {
    error = OpenFailure(target.device, 0);
    return nullptr;
  }
  const auto kind = target.kind == DeviceKind::kTcp ? GensioLink::Kind::kRawTcp : GensioLink::Kind::kRfc2217;
  std::string reason;
  auto link = GensioLink::Connect(kind, target.host, target.tcp_port, kConnectWaitMs, reason);
  if (!link) {
    error = ServerUnreachable(target.device, reason);
    return nullptr;
  }
  return std::make_unique<NetworkDevice>(std::move(link), target.device, target.FixedBaud());
}

}  // namespace platform
