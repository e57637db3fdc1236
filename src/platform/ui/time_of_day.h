#pragma once
// The time of day with one-second resolution, as the window system reports it.

namespace ui {

struct TimeOfDay {
  int hours = 0;    // 0..23
  int minutes = 0;  // 0..59
  int seconds = 0;  // 0..59

  int SecondsSinceMidnight() const { return (hours * 60 + minutes) * 60 + seconds; }

  // Any count of seconds, wrapped into one day (negative counts wrap backwards).
  static TimeOfDay FromSeconds(long long seconds_since_midnight) {
    constexpr long long kDay = 24 * 60 * 60;
    long long s = seconds_since_midnight % kDay;
    if (s < 0) s += kDay;
    return TimeOfDay{static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
  }

  bool operator==(const TimeOfDay&) const = default;
};

// The system's local time of day now.
TimeOfDay LocalTimeOfDay();

}  // namespace ui
