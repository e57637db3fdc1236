#pragma once
// One field of the programs' CSV files (measurement log, apply report), as spreadsheet
// programs read it: quoted when it holds a comma, a quote or a line break, or begins or
// ends with a blank that a reader would trim; a quote inside is doubled.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::string CsvField(std::string_view text);

// The records of a CSV text as CsvField writes them: fields split at commas outside
// quotes, quotes undone, records at line breaks outside quotes (a CR before the LF
// dropped). A quote left open runs to the end of the text; nothing is refused.
std::vector<std::vector<std::string>> CsvRecords(std::string_view text);

}  // namespace platform
