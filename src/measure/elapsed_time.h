#pragma once
// How long polling has been running, as the status bar shows it.

#include <string>

#include "platform/ui/time_of_day.h"

namespace measure {

// The time from `start` to `now` written as a time of day, "H:MM:SS" ("0:01:05").
// It is a duration: when `now` lies past midnight it still counts on from `start`
// instead of going negative. Only the two times of day are known, so a run of a whole
// day or more shows the remainder after whole days.
std::string ElapsedText(ui::TimeOfDay start, ui::TimeOfDay now);

}  // namespace measure
