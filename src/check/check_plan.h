#pragma once
// The check plan: how a transmitter is checked against a reference, in an INI file a
// person can read and edit (UTF-8):
//
//   [Check]
//   Points=0,25,50,75,100   percentages of the range, 0-100 (default: these five)
//   Direction=up            up, or updown: the points rising, then falling (default up)
//   TolerancePercent=0.25   the largest error that passes, in percent of span
//   Readings=5              how many stable readings are averaged, 2-50 (default 5)
//   StableSpread=0.05       the largest spread of those readings, in the pressure unit
//   Reference=02            the reference transmitter's address, or typed
//   Stage=as_found          as_found or as_left
//   Operator=Bench 3        a name for the certificate (default none)
//
// The reader is as strict as the settings file's: a repeated or unknown key, a value out
// of its range or a number that is no number refuses the whole file, naming the line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace check {

enum class Stage { kAsFound, kAsLeft };

// "as_found", "as_left": as the plan and the check log write them.
std::string_view StageName(Stage stage);

struct CheckPlan {
  std::vector<double> points{0, 25, 50, 75, 100};  // percent of the range, as given
  bool up_and_down = false;
  double tolerance_percent = 0;
  int readings = 5;
  double stable_spread = 0;
  std::string reference;  // a bus address ("02"); empty: the user types each reference
  Stage stage = Stage::kAsFound;
  std::string operator_name;

  bool typed_reference() const { return reference.empty(); }
  // The points in the order they are checked: rising, and for updown falling again
  // without the top point twice.
  std::vector<double> Sequence() const;
  bool operator==(const CheckPlan&) const = default;
};

struct CheckPlanRead {
  std::optional<CheckPlan> plan;
  std::string error;  // why the file was refused, naming the line ("第 3 行：...")
};

CheckPlanRead ReadCheckPlan(std::string_view text);

// The texts ReadCheckPlan gives as its reason (patterns with their %N).
std::vector<std::string_view> CheckPlanFaultTexts();

}  // namespace check
