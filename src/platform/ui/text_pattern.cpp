#include "platform/ui/text_pattern.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kMaxSlots = 9;

// The slot number at `at` in `text` ("%3" → 3), or 0 when there is none.
int SlotAt(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size() || text[at] != '%') return 0;
  const char digit = text[at + 1];
  return digit >= '1' && digit <= '0' + kMaxSlots ? digit - '0' : 0;
}

// A pattern as alternating fixed texts and slots.
struct Piece {
  std::string_view fixed;  // empty for a slot
  int slot = 0;
};

std::vector<Piece> Pieces(std::string_view pattern) {
  std::vector<Piece> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const int slot = SlotAt(pattern, i);
    if (slot == 0) continue;
    if (i > start) pieces.push_back({pattern.substr(start, i - start), 0});
    pieces.push_back({{}, slot});
    start = i + 2;
    ++i;
  }
  if (start < pattern.size()) pieces.push_back({pattern.substr(start), 0});
  return pieces;
}

bool MatchFrom(const std::vector<Piece>& pieces, std::size_t piece, std::string_view text, std::size_t at,
               std::vector<std::string>& parts) {
  if (piece == pieces.size()) return at == text.size();
  const Piece& p = pieces[piece];
  if (p.slot == 0) {
    return text.substr(at, p.fixed.size()) == p.fixed &&
           MatchFrom(pieces, piece + 1, text, at + p.fixed.size(), parts);
  }
  // A slot ends where the next fixed text begins (the nearest place first), or at the
  // text's end when it is the last piece.
  const bool last = piece + 1 == pieces.size();
  const std::string_view next = last ? std::string_view() : pieces[piece + 1].fixed;
  for (std::size_t end = last ? text.size() : at; end <= text.size(); ++end) {
    if (!next.empty() && (end = text.find(next, end)) == std::string_view::npos) return false;
    if (MatchFrom(pieces, piece + 1, text, end, parts)) {
      parts[static_cast<std::size_t>(p.slot - 1)] = std::string(text.substr(at, end - at));
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsPattern(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (SlotAt(text, i) != 0) return true;
  }
  return false;
}

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  for (const Piece& piece : Pieces(pattern)) {
    if (piece.slot == 0) {
      text.append(piece.fixed);
    } else if (static_cast<std::size_t>(piece.slot) <= args.size()) {
      text.append(*(args.begin() + (piece.slot - 1)));
    } else {
      text.append("%").append(std::to_string(piece.slot));
    }
  }
  return text;
}

std::optional<std::vector<std::string>> MatchPattern(std::string_view pattern, std::string_view text) {
  const std::vector<Piece> pieces = Pieces(pattern);
  int slots = 0;
  for (const Piece& piece : pieces) slots = std::max(slots, piece.slot);
  std::vector<std::string> parts(static_cast<std::size_t>(slots));
  if (!MatchFrom(pieces, 0, text, 0, parts)) return std::nullopt;
  return parts;
}

}  // namespace ui
