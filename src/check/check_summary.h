#pragma once
// What the box at the end of a check says: the verdict with the stage, how many points
// failed and which, or that the check ended early.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "check/check_result.h"

namespace check {

// `planned` is the number of points of the plan's sequence.
std::string SummaryText(const CheckResult& result, std::size_t planned);

// The texts SummaryText gives (patterns with their %N).
std::vector<std::string_view> SummaryTexts();

}  // namespace check
