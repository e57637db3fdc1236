#include "measure/min_max.h"

#include <string>

#include "platform/text/numeric_value.h"

namespace measure {

void TrackMinMax(ui::Control& min, ui::Control& max, std::string_view reading) {
  if (reading == kOverflowLow || reading == kOverflowHigh) return;
  using platform::NumericValue;
  const double v = NumericValue(reading);
  if (v > NumericValue(max.text())) {
    max.set_text(std::string(reading));
  } else if (v < NumericValue(min.text())) {
    min.set_text(std::string(reading));
  }
}

}  // namespace measure
