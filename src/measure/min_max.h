#pragma once
// The lowest and highest pressure seen while polling. The boxes hold the readings as
// the transmitter wrote them ("+0012.50" stays so); they are compared by their numeric
// value.

#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace measure {

// The transmitter's marks for a pressure beyond what it can measure.
inline constexpr std::string_view kOverflowLow = "-@OVER";
inline constexpr std::string_view kOverflowHigh = "+@OVER";

// A reading above the maximum becomes the maximum; otherwise one below the minimum
// becomes the minimum. Both comparisons are strict, so an equal reading changes
// nothing. An overflow mark has no number to compare: read as 0 it would turn up as a
// "lowest pressure" of "+@OVER", so it leaves both alone.
void TrackMinMax(ui::Control& min, ui::Control& max, std::string_view reading);
// The same rule on texts kept elsewhere (the bus poll's per-transmitter record).
void TrackMinMax(std::string& min, std::string& max, std::string_view reading);

}  // namespace measure
