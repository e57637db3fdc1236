#pragma once
// Fault injection for one simulated transmitter, set in one line in a test:
//
//   bus.transmitter(0).faults() = {.bad_checksum = true};
//   bus.transmitter(1).faults() = {.late_ms = 200, .every = 10};
//
// Faults act on replies only: a transmitter always hears and applies its commands.
// Every reply (never a broadcast, which is not answered) counts in `replies`. With
// `every` = 0 each reply gets the faults that are set; with `every` = N only replies
// N, 2N, 3N, ... do (for soak tests), and when no fault kind is set those replies are
// lost: {.every = 3} drops one reply in three. With `only_reply` = N just reply N (counted
// since the counters were last reset) does, `every` aside: {.only_reply = 15} loses the
// 15th reply alone. FaultCounters says what was actually injected.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simbus {

enum class Overflow { kNone, kNegative, kPositive };  // "-@OVER" / "+@OVER"

struct Faults {
  bool silent = false;                  // hears and applies, never answers
  std::uint32_t late_ms = 0;            // extra delay before the reply's first byte
  bool bad_checksum = false;            // last checksum digit replaced by another digit
  bool lower_case_checksum = false;     // checksum letters A-F in lower case (no effect on "33")
  std::string noise_before{};           // bytes sent before the "*"
  std::string trailing{};               // bytes sent after the carriage return
  int split_pieces = 0;                 // 2 or more: reply cut into that many pieces ...
  std::uint32_t split_gap_ms = 0;       // ... with this silence between them
  Overflow overflow = Overflow::kNone;  // the "RP0" value becomes "-@OVER" / "+@OVER"
  bool no_temperature = false;          // the "RT0" reply has no value: "*" + address + checksum + CR
  std::uint32_t every = 0;              // 0: every reply faulted; N: only every Nth reply
  std::uint64_t only_reply = 0;         // N: reply N alone is faulted (over `every`)
  // A mnemonic ("DH") whose writes are applied but answered with the value held before,
  // as firmware that echoes too early does; independent of `every`.
  std::string stale_echo_of{};

  bool AnyKind() const {
    return silent || late_ms > 0 || bad_checksum || lower_case_checksum || !noise_before.empty() ||
           !trailing.empty() || split_pieces >= 2 || overflow != Overflow::kNone || no_temperature;
  }
};

struct FaultCounters {
  std::uint64_t replies = 0;  // replies the transmitter produced (faulted or not)
  std::uint64_t faulted = 0;  // replies that were due a fault (by `every`)
  std::uint64_t silent = 0;
  std::uint64_t late = 0;
  std::uint64_t bad_checksum = 0;
  std::uint64_t lower_case_checksum = 0;  // only when a letter was actually lowered
  std::uint64_t noise = 0;
  std::uint64_t trailing = 0;
  std::uint64_t split = 0;
  std::uint64_t overflow = 0;        // only on "RP0" replies
  std::uint64_t no_temperature = 0;  // only on "RT0" replies

  friend bool operator==(const FaultCounters&, const FaultCounters&) = default;
};

// One stretch of reply bytes, sent after `gap_before_us` of silence on the line.
struct Piece {
  std::string bytes;
  std::uint64_t gap_before_us = 0;
};

// What a transmitter puts on the line for one reply.
struct Transmission {
  std::uint64_t delay_us = 0;  // on top of the bus turnaround
  std::vector<Piece> pieces;
};

// Counts the reply and tells whether it is due a fault. Call once per reply.
bool NextReplyFaulted(const Faults& faults, FaultCounters& counters);

// The reply frame for `body` ("*" + body + checksum + CR, built by protocol), shaped by
// the faults when `faulted`. Nothing for a silent reply.
std::optional<Transmission> ShapeReply(std::string_view body, const Faults& faults, bool faulted,
                                       FaultCounters& counters);

}  // namespace simbus
