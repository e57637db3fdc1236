#include "platform/serial/traffic_record.h"

namespace platform {

namespace {

// A transaction's result is a good reply frame ("*" + body + CR) or an error text
// ("ERR 0" for silence, "EER 3" for a bad frame).
bool IsFailedResult(const std::string& result) { return result.empty() || result.front() != '*'; }

}  // namespace

bool TrafficRecord::failed() const {
  switch (kind) {
    case TrafficKind::kEvent:
      return event == PortEvent::kError;
    case TrafficKind::kBytes:
      return false;
    case TrafficKind::kExchange:
      return exchange.outcome_is_verdict ? !exchange.outcome.empty() : IsFailedResult(exchange.outcome);
  }
  return false;
}

const char* PortEventName(PortEvent event) {
  switch (event) {
    case PortEvent::kOpen:
      return "open";
    case PortEvent::kClose:
      return "close";
    case PortEvent::kSettings:
      return "settings";
    case PortEvent::kDiscardIn:
      return "discard_in";
    case PortEvent::kDiscardOut:
      return "discard_out";
    case PortEvent::kError:
      return "error";
  }
  return "error";
}

const char* DirectionName(Direction dir) {
  switch (dir) {
    case Direction::kTx:
      return "tx";
    case Direction::kRx:
      return "rx";
    case Direction::kEcho:
      break;
  }
  return "echo";
}

}  // namespace platform
