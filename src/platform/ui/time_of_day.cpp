#include "platform/ui/time_of_day.h"

#include <ctime>

#include "platform/os/local_time.h"

namespace ui {

TimeOfDay LocalTimeOfDay() {
  const std::optional<platform::os::LocalTime> local = platform::os::ToLocalTime(std::time(nullptr));
  if (!local) return TimeOfDay{};
  return TimeOfDay{local->hour, local->minute, local->second};
}

}  // namespace ui
