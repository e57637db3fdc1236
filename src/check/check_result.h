#pragma once
// What one check found: the transmitter as read before it, and one row per point.

#include <optional>
#include <string>
#include <vector>

#include "check/check_plan.h"

namespace check {

// The transmitter under test as a full read showed it.
struct Identity {
  std::string address;
  std::string type;
  std::string serial;
  std::string version;
  std::string range_low;  // as the transmitter wrote it ("+000.0")
  std::string range_high;
  std::string unit;  // as the unit list names it ("KPa")
  double low = 0;
  double high = 0;
  bool operator==(const Identity&) const = default;
};

struct PointResult {
  double percent = 0;
  double nominal = 0;
  std::optional<double> reference;  // averaged, or typed
  std::optional<double> reading;    // averaged; none when the transmitter gave no stable reading
  std::optional<double> error_percent;
  bool passed = false;
  std::string reason;  // why a point without a reading failed
  std::string time;    // when it was taken, local ISO 8601
  bool operator==(const PointResult&) const = default;
};

struct CheckResult {
  Identity identity;
  CheckPlan plan;
  std::string time;  // when it started
  std::vector<PointResult> points;
  int decimals = 2;      // how many decimals the pressures are written with
  bool stopped = false;  // ended before its last point (cancelled, port lost)

  bool passed() const {
    if (stopped || points.empty()) return false;
    for (const PointResult& p : points)
      if (!p.passed) return false;
    return true;
  }
};

// "passed", "failed": as the check log and the certificate write a verdict.
inline std::string_view VerdictName(bool passed) { return passed ? "passed" : "failed"; }

}  // namespace check
