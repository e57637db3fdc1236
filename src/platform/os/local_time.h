#pragma once
// The system's local time: its time zone and summer time.

#include <cstdint>
#include <optional>

namespace platform::os {

struct LocalTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;  // 0..59: a leap second shows as 59
};

// `seconds` since 1970-01-01 UTC as local date and time; nothing when the system cannot
// tell (a time beyond what it can represent).
std::optional<LocalTime> ToLocalTime(std::int64_t seconds);

}  // namespace platform::os
