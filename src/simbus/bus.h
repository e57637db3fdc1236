#pragma once
// The simulated multi-drop line: one host and any number of transmitters, driven by a
// platform::Clock. Nothing runs by itself: every call first brings the line up to the
// clock's present time, processing in time order what has happened on the wire since.
//
// - Bytes the host writes go out one after another at the host's line settings; a byte
//   takes (start + data + parity + stop bits) / baud on the wire, 10 bits at 8,n,1.
// - A request frame ("$" ... CR) is heard when its CR has left the line, by every
//   transmitter whose own baud rate equals the rate the frame was sent at (8 data bits,
//   no parity) and whose address is the frame's, or by all of them for "AA". A frame
//   that protocol's frame rules reject (checksum) is ignored by all.
// - An addressed transmitter answers after the turnaround (plus any late-reply fault);
//   each reply byte arrives at the host at its own wire time, and is received only if
//   the host's line settings match it at that moment (else it is lost as garbled).
// - With the adapter echo on, every byte the host sends comes back to it as it leaves
//   the line, before any reply.
// - Host reads return the bytes that have arrived; discarding input drops only those,
//   bytes still on the wire arrive later, as on a real line.
//
// One host at a time; not thread-safe.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <queue>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/serial/line_settings.h"
#include "simbus/transmitter.h"

namespace simbus {

struct BusOptions {
  std::uint64_t turnaround_us = 3000;  // end of request to first reply byte
  // The host's adapter hears its own transmission, as many two-wire adapters do: each
  // byte the host sends arrives in its receive buffer once it has left the line, so a
  // request comes back before its reply.
  bool adapter_echo = false;
};

struct BusStats {
  std::uint64_t frames_heard = 0;     // valid request frames at a rate some transmitter runs at
  std::uint64_t frames_rejected = 0;  // completed frames that failed the frame rules
  std::uint64_t replies = 0;          // reply transmissions put on the line
  std::uint64_t bytes_received = 0;   // reply bytes that reached the host's receive buffer
  std::uint64_t bytes_garbled = 0;    // reply bytes lost to a host line-settings mismatch
  std::uint64_t bytes_discarded_input = 0;
  std::uint64_t bytes_discarded_output = 0;
  std::uint64_t bytes_overrun = 0;  // host writes beyond what the line can queue
};

class Bus {
 public:
  explicit Bus(platform::Clock& clock, BusOptions options = {});
  Bus(const Bus&) = delete;
  Bus& operator=(const Bus&) = delete;

  platform::Clock& clock() const { return clock_; }

  // Transmitters keep their place (and references to them stay valid) as more are added.
  Transmitter& Add(TransmitterConfig config);
  std::size_t size() const { return transmitters_.size(); }
  Transmitter& transmitter(std::size_t i) { return transmitters_.at(i); }
  // The first transmitter with this address and baud rate (baud 0: any), or null.
  Transmitter* Find(std::string_view address, int baud = 0);

  void set_turnaround_ms(std::uint32_t ms) { options_.turnaround_us = std::uint64_t{ms} * 1000; }
  void set_adapter_echo(bool echo) { options_.adapter_echo = echo; }
  std::uint64_t turnaround_us() const { return options_.turnaround_us; }

  // The host's side. Each call first brings the line up to the clock's present time.
  void SetHostLine(const platform::LineSettings& line);
  const platform::LineSettings& host_line() const { return host_line_; }
  void HostWrite(std::string_view bytes);
  std::string HostRead();
  bool HostInputAvailable();
  void DiscardHostInput();
  void DiscardHostOutput();  // bytes not yet begun on the wire are gone
  void ResetHost();          // a port was opened: its buffers start empty

  // Processes everything that has happened on the line up to the clock's present time.
  void Advance();
  // The time of the next event that can change what the host sees (a request frame
  // completing, a reply byte arriving, a baud switch); nothing when the line is idle.
  std::optional<std::uint64_t> NextEventUs() const;

  const BusStats& stats() const { return stats_; }
  // Receives one human-readable line per frame heard and reply sent.
  void set_trace(std::function<void(std::string_view)> trace) { trace_ = std::move(trace); }
  // Sees every complete frame sent at 8,n,1 (with its rate) before any transmitter
  // does, whether or not one listens at that rate: what changes the bus itself (a
  // transmitter plugged in or out) happens here.
  void set_frame_hook(std::function<void(std::string_view frame, int baud)> hook) { hook_ = std::move(hook); }

  // Wire time of one byte at these settings, in microseconds (rounded up); 0 at rate 0.
  static std::uint64_t ByteTimeUs(const platform::LineSettings& line);
  static std::uint64_t ByteTimeUs(int baud);  // 8,n,1

 private:
  struct TxByte {
    char byte;
    std::uint64_t start_us, end_us;
    int baud;
    bool plain;  // 8 data bits, no parity: what a transmitter can decode
  };
  struct Event {
    enum Kind { kReplyByte, kBaudSwitch } kind;
    std::uint64_t t_us;
    std::uint64_t seq;
    char byte;
    int baud;
    std::size_t transmitter;
  };
  struct Later {
    bool operator()(const Event& a, const Event& b) const {
      return a.t_us != b.t_us ? a.t_us > b.t_us : a.seq > b.seq;
    }
  };

  void AdvanceTo(std::uint64_t now_us);
  void Push(Event e);
  void LineByteFromHost(const TxByte& b);
  void FrameComplete(std::uint64_t t_us);
  void Dispatch(std::string_view frame, int baud, std::uint64_t t_us);
  void Transmit(std::size_t index, const Outcome& outcome, std::uint64_t t_us);
  void ReplyByteArrives(const Event& e);
  void Trace(std::uint64_t t_us, const std::string& text);

  platform::Clock& clock_;
  BusOptions options_;
  std::deque<Transmitter> transmitters_;

  platform::LineSettings host_line_;
  std::deque<TxByte> host_tx_;  // written by the host, in wire order
  std::uint64_t tx_free_at_us_ = 0;
  std::string host_rx_;  // arrived, not yet read

  std::string frame_;  // the request being assembled on the line
  int frame_baud_ = 0;
  bool frame_plain_ = false;

  std::priority_queue<Event, std::vector<Event>, Later> events_;
  std::uint64_t seq_ = 0;
  BusStats stats_;
  std::function<void(std::string_view)> trace_;
  std::function<void(std::string_view, int)> hook_;
};

}  // namespace simbus
