// The check plan a person edited: refused with a reason, or accepted with every value in
// its range.
#include <cstdint>
#include <string_view>

#include "check/check_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const check::CheckPlanRead read = check::ReadCheckPlan(text);
  if (!read.plan) {
    if (read.error.empty()) __builtin_trap();
    return 0;
  }
  const check::CheckPlan& plan = *read.plan;
  if (plan.points.empty() || plan.tolerance_percent <= 0 || plan.stable_spread <= 0 || plan.readings < 2 ||
      plan.readings > 50)
    __builtin_trap();
  for (double x : plan.Sequence())
    if (!(x >= 0 && x <= 100)) __builtin_trap();
  return 0;
}
