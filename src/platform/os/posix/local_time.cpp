#include "platform/os/local_time.h"

#include <ctime>

namespace platform::os {

std::optional<LocalTime> ToLocalTime(std::int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return std::nullopt;  // thread-safe, unlike localtime
  return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                   local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec};
}

}  // namespace platform::os
