#include "platform/ui/time_of_day.h"

#include <ctime>

namespace ui {

TimeOfDay LocalTimeOfDay() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return TimeOfDay{};
  return TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec};  // no leap second
}

}  // namespace ui
