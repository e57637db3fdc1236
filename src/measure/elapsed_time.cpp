#include "measure/elapsed_time.h"

#include <cstdio>

namespace measure {

std::string ElapsedText(ui::TimeOfDay start, ui::TimeOfDay now) {
  // FromSeconds wraps a negative difference into the day: 23:59:50 to 0:00:05 is 15 s.
  const ui::TimeOfDay elapsed = ui::TimeOfDay::FromSeconds(
      static_cast<long long>(now.SecondsSinceMidnight()) - start.SecondsSinceMidnight());
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", elapsed.hours, elapsed.minutes, elapsed.seconds);
  return text;
}

}  // namespace measure
