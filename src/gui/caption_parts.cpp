#include "gui/caption_parts.h"

#include <algorithm>

#include "platform/ui/window.h"

namespace gui {

namespace {

// Kinds that stand in a frame's grid.
bool StandsInGrid(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::kTimer:
    case ui::ControlKind::kMenu:
    case ui::ControlKind::kMenuItem:
    case ui::ControlKind::kStatusBar:
      return false;
    default:
      return true;
  }
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<ColumnRun> UncoveredRuns(const ui::Control& label, const ui::Window& window) {
  const ui::LayoutHint& at = label.layout();
  if (at.column_span < 1) return {};
  std::vector<bool> covered(static_cast<std::size_t>(at.column_span), false);
  for (const ui::Control& other : window.controls()) {
    if (&other == &label || other.parent() != label.parent() || !StandsInGrid(other.kind())) continue;
    const ui::LayoutHint& o = other.layout();
    if (at.row < o.row || at.row >= o.row + o.row_span) continue;
    const int from = std::max(o.column, at.column);
    const int to = std::min(o.column + o.column_span, at.column + at.column_span);
    for (int c = from; c < to; ++c) covered[static_cast<std::size_t>(c - at.column)] = true;
  }
  if (std::none_of(covered.begin(), covered.end(), [](bool c) { return c; })) return {};
  std::vector<ColumnRun> runs;
  for (int c = 0; c < at.column_span; ++c) {
    if (covered[static_cast<std::size_t>(c)]) continue;
    if (!runs.empty() && runs.back().column + runs.back().span == at.column + c) {
      ++runs.back().span;
    } else {
      runs.push_back(ColumnRun{at.column + c, 1});
    }
  }
  return runs;
}

std::vector<std::string> SplitCaption(const std::string& caption, int pieces) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < caption.size()) {
    const std::size_t gap = caption.find("  ", start);
    std::string word =
        Trimmed(caption.substr(start, gap == std::string::npos ? std::string::npos : gap - start));
    if (!word.empty()) words.push_back(std::move(word));
    if (gap == std::string::npos) break;
    start = caption.find_first_not_of(' ', gap);
    if (start == std::string::npos) break;
  }
  std::vector<std::string> parts(static_cast<std::size_t>(std::max(pieces, 0)));
  for (std::size_t i = 0; i < words.size() && !parts.empty(); ++i) {
    if (i < parts.size()) {
      parts[i] = words[i];
    } else {
      parts.back() += "  " + words[i];
    }
  }
  return parts;
}

bool HasLinePerRow(const ui::Control& label) {
  return label.layout().row_span > 1 && label.text().find('\n') != std::string::npos;
}

std::vector<std::string> SplitLines(const std::string& caption, int pieces) {
  std::vector<std::string> parts(static_cast<std::size_t>(std::max(pieces, 0)));
  if (parts.empty()) return parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t end = caption.find('\n', start);
    if (end == std::string::npos || i + 1 == parts.size()) {
      parts[i] = caption.substr(start);
      break;
    }
    parts[i] = caption.substr(start, end - start);
    start = end + 1;
  }
  return parts;
}

}  // namespace gui
