#pragma once
// Labels that carry the captions of several controls. Some window tables give one label a
// whole row, its captions spaced apart by blanks, and lay the controls those captions name
// over the gaps ("端口号            数据位" under two lists); others give a label several
// rows and one line of caption per row ("发送字符串：" over "接收字符串："). A grid cannot
// line words or lines up with the controls beside them, so such a label is shown in
// pieces: one per stretch of its span that no other control covers, or one per row, each
// piece carrying the next of its captions.

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace gui {

struct ColumnRun {
  int column = 0;
  int span = 1;
};

// The stretches of `label`'s first row, within its span, that no other control of the
// same frame covers, left to right. Empty when nothing covers any of it: the label then
// stands whole.
std::vector<ColumnRun> UncoveredRuns(const ui::Control& label, const ui::Window& window);

// A label spanning several rows with a caption of several lines: one line per row.
bool HasLinePerRow(const ui::Control& label);

// Splits a caption into lines, at most `pieces`; further lines stay with the last piece.
std::vector<std::string> SplitLines(const std::string& caption, int pieces);

// Splits a caption at runs of two or more blanks into at most `pieces` parts; what does
// not fit stays together in the last part, and missing parts are empty.
std::vector<std::string> SplitCaption(const std::string& caption, int pieces);

}  // namespace gui
