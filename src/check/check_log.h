#pragma once
// The check log: one CSV row per point, appended and flushed as each check ends, with a
// header row when the file is new:
//
//   time,serial,address,stage,point_percent,nominal,reference,reading,unit,
//   error_percent_span,tolerance_percent,verdict
//
// A point without a reading has `reading` (and the error) empty and the verdict failed.

#include <string>

#include "check/check_result.h"

namespace check {

std::string CheckLogHeader();
std::string CheckLogRows(const CheckResult& result);

}  // namespace check
