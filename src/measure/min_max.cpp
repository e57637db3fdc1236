#include "measure/min_max.h"

#include "platform/text/numeric_value.h"

namespace measure {

void TrackMinMax(std::string& min, std::string& max, std::string_view reading) {
  if (reading == kOverflowLow || reading == kOverflowHigh) return;
  using platform::NumericValue;
  const double v = NumericValue(reading);
  if (v > NumericValue(max)) {
    max = reading;
  } else if (v < NumericValue(min)) {
    min = reading;
  }
}

void TrackMinMax(ui::Control& min, ui::Control& max, std::string_view reading) {
  std::string low = min.text(), high = max.text();
  TrackMinMax(low, high, reading);
  if (high != max.text()) max.set_text(std::move(high));
  if (low != min.text()) min.set_text(std::move(low));
}

}  // namespace measure
