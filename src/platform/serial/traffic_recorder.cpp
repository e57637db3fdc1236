#include "platform/serial/traffic_recorder.h"

namespace platform {

namespace {

void AppendBounded(std::string& to, std::string_view bytes) {
  if (to.size() < kMostExchangeBytes) to.append(bytes.substr(0, kMostExchangeBytes - to.size()));
}

}  // namespace

TrafficRecorder::TrafficRecorder(const Clock& clock, DeviceNames device_names)
    : clock_(clock), device_names_(std::move(device_names)) {}

TrafficRecord TrafficRecorder::Stamped(TrafficKind kind, int port, std::string_view settings) {
  PortState& state = ports_[port];
  if (state.device.empty() && device_names_) state.device = device_names_(port);
  TrafficRecord record;
  record.kind = kind;
  record.t_us = clock_.now_us();
  record.wall_ms = clock_.wall_ms();
  record.port = port;
  record.device = state.device;
  record.settings = settings;
  return record;
}

void TrafficRecorder::Publish(const TrafficRecord& record) {
  for (TrafficSink* sink : sinks_) sink->Take(record);
}

void TrafficRecorder::Event(int port, PortEvent event, std::string_view settings, std::string_view error) {
  // A port number may stand for another device from one opening to the next.
  if (event == PortEvent::kOpen) ports_[port].device.clear();
  TrafficRecord record = Stamped(TrafficKind::kEvent, port, settings);
  record.event = event;
  record.error = error;
  Publish(record);
}

void TrafficRecorder::Bytes(int port, Direction dir, std::string_view bytes, std::string_view settings) {
  TrafficRecord record = Stamped(TrafficKind::kBytes, port, settings);
  record.dir = dir;
  record.bytes = bytes;
  Pending& pending = ports_[port].exchange;
  if (dir == Direction::kTx) {
    pending.sent.clear();
    pending.received.clear();
    pending.write_us = record.t_us;
    AppendBounded(pending.sent, bytes);
  } else if (dir == Direction::kRx) {
    AppendBounded(pending.received, bytes);
  }
  Publish(record);
}

void TrafficRecorder::Exchange(int port, std::string_view address, std::string_view command,
                               std::string_view outcome, bool outcome_is_verdict) {
  TrafficRecord record = Stamped(TrafficKind::kExchange, port, {});
  ExchangeSummary& summary = record.exchange;
  summary.address = address;
  summary.command = command;
  summary.outcome = outcome;
  summary.outcome_is_verdict = outcome_is_verdict;
  // Taken, so that an exchange that fails before its write shows nothing of the last one.
  Pending pending = std::move(ports_[port].exchange);
  ports_[port].exchange = Pending{};
  summary.sent = std::move(pending.sent);
  summary.received = std::move(pending.received);
  if (!summary.sent.empty()) summary.ms = static_cast<double>(record.t_us - pending.write_us) / 1000.0;
  Publish(record);
}

}  // namespace platform
