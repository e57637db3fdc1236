#pragma once
// The local date and time in the form the programs' CSV files use:
// "2026-12-08T10:03:04.123" (ISO 8601, milliseconds, no zone).

#include <chrono>
#include <string>

namespace platform {

std::string LocalTimestamp(std::chrono::system_clock::time_point when);
inline std::string LocalTimestampNow() { return LocalTimestamp(std::chrono::system_clock::now()); }

}  // namespace platform
