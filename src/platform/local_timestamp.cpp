#include "platform/local_timestamp.h"

#include <cstdio>
#include <ctime>

namespace platform {

std::string LocalTimestamp(std::chrono::system_clock::time_point when) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
  long long seconds = ms / 1000;
  int millis = static_cast<int>(ms % 1000);
  if (millis < 0) {  // before 1970: the division rounds towards zero
    millis += 1000;
    --seconds;
  }
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&t, &local);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, millis);
  return text;
}

}  // namespace platform
