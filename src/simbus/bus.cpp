#include "simbus/bus.h"

#include <algorithm>
#include <cstdio>

#include "platform/text/decimal_text.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "simbus/request_frame.h"

namespace simbus {
namespace {

// The milliseconds of a trace line, right-aligned so that the texts line up.
constexpr std::size_t kStampWidth = 10;

constexpr std::size_t kMaxFrame = 512;             // a longer run without CR is line noise
constexpr std::size_t kMaxPendingWrite = 1 << 16;  // bytes the host may have queued for the wire

bool Plain(const platform::LineSettings& line) { return line.data_bits == 8 && line.parity == 'n'; }

std::string Printable(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c >= 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

Bus::Bus(platform::Clock& clock, BusOptions options) : clock_(clock), options_(options) {}

Transmitter& Bus::Add(TransmitterConfig config) { return transmitters_.emplace_back(std::move(config)); }

Transmitter* Bus::Find(std::string_view address, int baud) {
  for (auto& t : transmitters_) {
    if (t.address() == address && (baud == 0 || t.baud() == baud)) return &t;
  }
  return nullptr;
}

std::uint64_t Bus::ByteTimeUs(const platform::LineSettings& line) {
  // At rate 0 (a tty at B0) the bytes are lost at once; no transmitter runs at rate 0,
  // so none hears them.
  return line.ByteTimeUs();
}

std::uint64_t Bus::ByteTimeUs(int baud) {
  platform::LineSettings line;
  line.baud = baud;
  return ByteTimeUs(line);
}

// ---- the host's side -------------------------------------------------------------

void Bus::SetHostLine(const platform::LineSettings& line) {
  Advance();
  host_line_ = line;
}

void Bus::HostWrite(std::string_view bytes) {
  const std::uint64_t now = clock_.now_us();
  AdvanceTo(now);
  const std::uint64_t byte_us = ByteTimeUs(host_line_);
  std::uint64_t start = std::max(now, tx_free_at_us_);
  for (char c : bytes) {
    // A writer far ahead of the line loses bytes, as a full transmit buffer would.
    if (host_tx_.size() >= kMaxPendingWrite) {
      ++stats_.bytes_overrun;
      continue;
    }
    host_tx_.push_back(TxByte{c, start, start + byte_us, host_line_.baud, Plain(host_line_)});
    start += byte_us;
  }
  tx_free_at_us_ = start;
}

std::string Bus::HostRead() {
  Advance();
  std::string out;
  out.swap(host_rx_);
  return out;
}

bool Bus::HostInputAvailable() {
  Advance();
  return !host_rx_.empty();
}

void Bus::DiscardHostInput() {
  Advance();
  stats_.bytes_discarded_input += host_rx_.size();
  host_rx_.clear();
}

void Bus::DiscardHostOutput() {
  const std::uint64_t now = clock_.now_us();
  AdvanceTo(now);
  while (!host_tx_.empty() && host_tx_.back().start_us >= now) {
    host_tx_.pop_back();
    ++stats_.bytes_discarded_output;
  }
  tx_free_at_us_ = host_tx_.empty() ? now : host_tx_.back().end_us;
}

void Bus::ResetHost() {
  Advance();
  host_rx_.clear();
}

// ---- time ------------------------------------------------------------------------

void Bus::Advance() { AdvanceTo(clock_.now_us()); }

void Bus::AdvanceTo(std::uint64_t now_us) {
  for (;;) {
    const bool have_tx = !host_tx_.empty() && host_tx_.front().end_us <= now_us;
    const bool have_event = !events_.empty() && events_.top().t_us <= now_us;
    if (!have_tx && !have_event) return;
    // Host bytes first on a tie: a request ending as a reply byte lands is heard first.
    if (have_tx && (!have_event || host_tx_.front().end_us <= events_.top().t_us)) {
      const TxByte b = host_tx_.front();
      host_tx_.pop_front();
      LineByteFromHost(b);
      continue;
    }
    const Event e = events_.top();
    events_.pop();
    if (e.kind == Event::kReplyByte) {
      ReplyByteArrives(e);
    } else {
      transmitters_[e.transmitter].set_baud(e.baud);
      Trace(e.t_us, transmitters_[e.transmitter].address() + " now at " + std::to_string(e.baud) + " baud");
    }
  }
}

std::optional<std::uint64_t> Bus::NextEventUs() const {
  std::optional<std::uint64_t> next;
  if (!events_.empty()) next = events_.top().t_us;
  // The adapter's echo brings each byte back as it leaves the line.
  if (options_.adapter_echo && !host_tx_.empty() && (!next || host_tx_.front().end_us < *next))
    return host_tx_.front().end_us;
  // Otherwise of the host's bytes only a carriage return can make something happen.
  for (const TxByte& b : host_tx_) {
    if (b.byte == protocol::kCR) {
      if (!next || b.end_us < *next) next = b.end_us;
      break;
    }
  }
  return next;
}

void Bus::Push(Event e) {
  e.seq = seq_++;
  events_.push(e);
}

// ---- the transmitters' side -----------------------------------------------------

void Bus::LineByteFromHost(const TxByte& b) {
  if (options_.adapter_echo) host_rx_ += b.byte;
  if (b.byte == '$') {
    frame_.assign(1, '$');
    frame_baud_ = b.baud;
    frame_plain_ = b.plain;
    return;
  }
  if (frame_.empty()) return;  // between frames: nobody listens
  frame_ += b.byte;
  if (b.baud != frame_baud_ || !b.plain) frame_plain_ = false;
  if (b.byte == protocol::kCR) {
    FrameComplete(b.end_us);
  } else if (frame_.size() > kMaxFrame) {
    frame_.clear();
  }
}

void Bus::FrameComplete(std::uint64_t t_us) {
  const std::string frame = std::move(frame_);
  frame_.clear();
  if (!frame_plain_) return;  // sent at mixed rates or with parity: unreadable for all
  if (hook_) hook_(frame, frame_baud_);
  const bool anyone_listens = std::any_of(transmitters_.begin(), transmitters_.end(),
                                          [&](const Transmitter& t) { return t.baud() == frame_baud_; });
  if (!anyone_listens) return;
  Dispatch(frame, frame_baud_, t_us);
}

void Bus::Dispatch(std::string_view frame, int baud, std::uint64_t t_us) {
  const std::optional<Request> request = ParseRequestFrame(frame);
  if (!request) {
    ++stats_.frames_rejected;
    Trace(t_us, "rejected at " + std::to_string(baud) + ": " + Printable(frame));
    return;
  }
  ++stats_.frames_heard;
  Trace(t_us, "heard at " + std::to_string(baud) + ": " + Printable(frame));
  const bool broadcast = request->address == protocol::cmd::kBroadcastAddress;
  for (std::size_t i = 0; i < transmitters_.size(); ++i) {
    Transmitter& t = transmitters_[i];
    if (t.baud() != baud || (!broadcast && t.address() != request->address)) continue;
    Transmit(i, t.Handle(request->command, t_us, broadcast), t_us);
  }
}

void Bus::Transmit(std::size_t index, const Outcome& outcome, std::uint64_t t_us) {
  Transmitter& t = transmitters_[index];
  std::uint64_t cursor = t_us + options_.turnaround_us;
  if (outcome.reply) {
    ++stats_.replies;
    const std::uint64_t byte_us = ByteTimeUs(t.baud());
    cursor += outcome.reply->delay_us;
    std::string sent;
    for (const Piece& piece : outcome.reply->pieces) {
      cursor += piece.gap_before_us;
      for (char c : piece.bytes) {
        cursor += byte_us;
        Push(Event{Event::kReplyByte, cursor, 0, c, t.baud(), index});
      }
      sent += piece.bytes;
    }
    Trace(t_us, t.address() + " answers: " + Printable(sent));
  } else {
    Trace(t_us, t.address() + " does not answer");
  }
  // A new baud rate takes effect once the reply has left the line.
  if (outcome.baud_after) Push(Event{Event::kBaudSwitch, cursor, 0, 0, *outcome.baud_after, index});
}

void Bus::ReplyByteArrives(const Event& e) {
  if (host_line_.baud == e.baud && Plain(host_line_)) {
    host_rx_ += e.byte;
    ++stats_.bytes_received;
  } else {
    ++stats_.bytes_garbled;
  }
}

void Bus::Trace(std::uint64_t t_us, const std::string& text) {
  if (!trace_) return;
  std::string stamp = platform::DecimalText(static_cast<double>(t_us) / 1000.0, 3);
  if (stamp.size() < kStampWidth) stamp.insert(0, kStampWidth - stamp.size(), ' ');
  trace_(stamp + " ms  " + text);
}

}  // namespace simbus
