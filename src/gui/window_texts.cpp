#include "gui/window_texts.h"

#include <algorithm>

#include "gui/caption_parts.h"
#include "gui/shown_text.h"

namespace gui {

namespace {

class TextList {
 public:
  void Add(std::string_view text) {
    if (!NeedsTranslation(text) || std::find(texts_.begin(), texts_.end(), text) != texts_.end()) return;
    texts_.emplace_back(text);
  }
  std::vector<std::string> Take() { return std::move(texts_); }

 private:
  std::vector<std::string> texts_;
};

// A label's captions as the real window shows them: in pieces where it is built in pieces.
std::vector<std::string> LabelCaptions(const ui::Control& label, const ui::Window& window) {
  if (HasLinePerRow(label)) return SplitLines(label.caption(), label.layout().row_span);
  const std::vector<ColumnRun> runs = UncoveredRuns(label, window);
  if (runs.size() > 1) return SplitCaption(label.caption(), static_cast<int>(runs.size()));
  return {label.caption()};
}

}  // namespace

std::vector<std::string> WindowTexts(const ui::Window& window,
                                     const std::vector<std::string_view>& shown_texts) {
  TextList texts;
  texts.Add(window.caption());
  for (const ui::Control& control : window.controls()) {
    if (control.kind() == ui::ControlKind::kLabel) {
      for (const std::string& caption : LabelCaptions(control, window)) texts.Add(caption);
    } else if (control.kind() != ui::ControlKind::kTextBox) {
      texts.Add(control.caption());
    }
    texts.Add(control.tool_tip());
    for (const ui::ListItem& item : control.items()) texts.Add(item.text);
    if (control.kind() == ui::ControlKind::kStatusBar) {
      for (int panel = 1; panel <= ui::kStatusPanelCount; ++panel) texts.Add(control.panel_text(panel));
    }
  }
  for (std::string_view text : shown_texts) texts.Add(text);
  return texts.Take();
}

}  // namespace gui
