#pragma once
// One field of the programs' CSV files (measurement log, apply report), as spreadsheet
// programs read it: quoted when it holds a comma, a quote or a line break, or begins or
// ends with a blank that a reader would trim; a quote inside is doubled.

#include <string>
#include <string_view>

namespace platform {

std::string CsvField(std::string_view text);

}  // namespace platform
