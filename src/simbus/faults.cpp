#include "simbus/faults.h"

#include <algorithm>

#include "protocol/frame.h"

namespace simbus {

bool NextReplyFaulted(const Faults& faults, FaultCounters& counters) {
  ++counters.replies;
  bool due = faults.every == 0 ? faults.AnyKind() : counters.replies % faults.every == 0;
  if (faults.only_reply != 0) due = counters.replies == faults.only_reply;
  if (due) ++counters.faulted;
  return due;
}

std::optional<Transmission> ShapeReply(std::string_view body, const Faults& faults, bool faulted,
                                       FaultCounters& counters) {
  std::string frame = protocol::BuildReplyFrame(body);
  if (!faulted) return Transmission{0, {Piece{std::move(frame), 0}}};
  // A soak fault with no kind chosen, or the silent kind: nothing goes on the line.
  if (faults.silent || !faults.AnyKind()) {
    ++counters.silent;
    return std::nullopt;
  }

  // The checksum sits between the body and the final CR (two digits for ASCII bodies,
  // up to four for double-byte text).
  const std::size_t sum_pos = 1 + body.size();
  const std::size_t sum_len = frame.size() - 2 - body.size();
  if (faults.bad_checksum && sum_len > 0) {
    char& last = frame[sum_pos + sum_len - 1];
    last = last == '0' ? '1' : '0';
    ++counters.bad_checksum;
  }
  if (faults.lower_case_checksum) {
    bool lowered = false;
    for (std::size_t i = sum_pos; i < sum_pos + sum_len; ++i) {
      if (frame[i] >= 'A' && frame[i] <= 'F') {
        frame[i] = static_cast<char>(frame[i] - 'A' + 'a');
        lowered = true;
      }
    }
    if (lowered) ++counters.lower_case_checksum;
  }
  if (!faults.noise_before.empty()) {
    frame.insert(0, faults.noise_before);
    ++counters.noise;
  }
  if (!faults.trailing.empty()) {
    frame += faults.trailing;
    ++counters.trailing;
  }

  Transmission out;
  if (faults.late_ms > 0) {
    out.delay_us = std::uint64_t{faults.late_ms} * 1000;
    ++counters.late;
  }
  const std::size_t pieces =
      std::min<std::size_t>(faults.split_pieces >= 2 ? faults.split_pieces : 1, frame.size());
  if (pieces >= 2) ++counters.split;
  const std::uint64_t gap_us = std::uint64_t{faults.split_gap_ms} * 1000;
  for (std::size_t k = 0, start = 0; k < pieces; ++k) {
    const std::size_t end = frame.size() * (k + 1) / pieces;
    out.pieces.push_back(Piece{frame.substr(start, end - start), k == 0 ? 0 : gap_us});
    start = end;
  }
  return out;
}

}  // namespace simbus
