#pragma once
// One record of a serial port's traffic: a port event (open, close, new settings, a
// discarded buffer, a failure), a chunk of bytes that went out or came in, or the summary
// of one command/reply exchange. Records are what a trace file writes and what the
// traffic monitor lists.

#include <cstdint>
#include <string>

namespace platform {

enum class TrafficKind { kEvent, kBytes, kExchange };
enum class PortEvent { kOpen, kClose, kSettings, kDiscardIn, kDiscardOut, kError };
// kEcho: received bytes discarded as the adapter's echo of what was sent.
enum class Direction { kTx, kRx, kEcho };

// What the program made of one exchange.
struct ExchangeSummary {
  std::string address;  // UTF-8, as the program asked for it
  std::string command;
  std::string sent;      // the bytes written for it, as on the wire
  std::string received;  // the bytes read after that write
  // Dravon: the result text of `Comm_Send`. Pemliq: the check's verdict, "" when the
  // reply passed.
  std::string outcome;
  bool outcome_is_verdict = false;
  double ms = 0;  // from the write to the outcome
};

struct TrafficRecord {
  TrafficKind kind = TrafficKind::kEvent;
  std::uint64_t t_us = 0;    // monotonic, since the program started
  std::int64_t wall_ms = 0;  // the wall clock, for people
  int port = 0;
  std::string device;    // what the port number stands for ("/dev/ttyUSB0", "sim")
  std::string settings;  // the line settings at that moment (events and bytes)

  // kEvent
  PortEvent event = PortEvent::kOpen;
  std::string error;  // kError only
  // kBytes
  Direction dir = Direction::kTx;
  std::string bytes;
  // kExchange
  ExchangeSummary exchange;

  // A failure that the monitor shows in its warning colour: a port failure, or an
  // exchange whose outcome is not a good reply.
  bool failed() const;
};

// "open", "close", "settings", "discard_in", "discard_out", "error".
const char* PortEventName(PortEvent event);
// "tx", "rx", "echo".
const char* DirectionName(Direction dir);

}  // namespace platform
