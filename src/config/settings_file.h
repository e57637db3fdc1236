#pragma once
// The settings file: what one transmitter is to be set to, in an INI file a person can
// read and edit (UTF-8):
//
//   [Transmitter]
//   Unit=4             position in the unit list, 0-12
//   DecimalPoint=1     position in the decimal-point list, 0-4
//   RangeLow=+000.0    range zero and full scale, any sign and number of decimals
//   RangeHigh=+100.0
//   Output4mA=+000.0   pressures at 4 mA and 20 mA
//   Output20mA=+100.0
//   Store=user         user, factory or none: the data area stored after a passed apply
//
// A production station's file adds a section (all but the first two keys optional):
//
//   [Station]
//   FirstAddress=02    the addresses to give, 01-99, in order
//   LastAddress=99
//   Baud=9600          the rate to leave each transmitter at; absent: unchanged
//   ProbeAddress=01    where a new transmitter is looked for first (the factory place,
//   ProbeBaud=9600     01 at 9600 baud, when absent)
//
// The reader is strict: a file with a missing, unknown or repeated key, a value out of its
// range or a number that is no number is refused whole, with a message naming the line,
// so that a typing mistake never reaches a transmitter.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace config {

// The unit and decimal-point codes are positions in cmbUnit's and Cmb_DP's lists.
inline constexpr int kHighestUnitCode = 12;
inline constexpr int kHighestDecimalPointCode = 4;

enum class StoreArea { kNone, kUser, kFactory };

// "none", "user", "factory": as the file and the report write them.
std::string_view StoreAreaName(StoreArea area);

struct TransmitterSettings {
  int unit = 0;
  int decimal_point = 0;
  // Each a number as a whole, kept as written ("+000.0", "12.3").
  std::string range_low;
  std::string range_high;
  std::string output_4ma;
  std::string output_20ma;
  StoreArea store = StoreArea::kUser;

  bool operator==(const TransmitterSettings&) const = default;
};

struct StationSettings {
  int first_address = 0;
  int last_address = 0;
  std::optional<int> baud;
  int probe_address = 1;
  int probe_baud = 9600;

  bool operator==(const StationSettings&) const = default;
};

struct SettingsFileRead {
  std::optional<TransmitterSettings> settings;
  std::optional<StationSettings> station;  // when the file has the section
  std::string error;                       // why the file was refused, naming the line ("第 3 行：...")
};

SettingsFileRead ReadSettingsFile(std::string_view text);

// The texts ReadSettingsFile gives as its reason (patterns with their %N).
std::vector<std::string_view> SettingsFileFaultTexts();

// The file for `settings`; `note` becomes a comment line at its top (where the settings
// came from), line breaks in it turned into blanks.
std::string WriteSettingsFile(const TransmitterSettings& settings, std::string_view note);

// A pressure as the file takes it: a plain number ("+012.3", "-5", ".5") small enough
// for a transmitter's single-precision value.
bool IsPressureText(std::string_view text);

}  // namespace config
