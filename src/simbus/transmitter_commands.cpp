// The bus command set as a transmitter answers it. Every write is answered with
// the value the transmitter now holds, in its own form: a valid argument is stored and
// echoed (reformatted where the value is a number), an invalid one changes nothing and
// the present value is answered.

#include <string>

#include "protocol/commands.h"
#include "simbus/transmitter.h"
#include "simbus/value_format.h"

namespace simbus {

namespace cmd = protocol::cmd;

namespace {

bool IsAddress(std::string_view a) {
  return a.size() == 2 && a[0] >= '0' && a[0] <= '9' && a[1] >= '0' && a[1] <= '9' && a != "00";
}

}  // namespace

std::string Transmitter::RangeText(double x) const { return FormatRangeValue(x, present_.dp); }

std::optional<std::string> Transmitter::WriteRangeValue(std::string_view arg, double& field) {
  if (auto x = ParseDecimal(arg)) field = *x;
  return RangeText(field);
}

std::optional<std::string> Transmitter::Execute(std::string_view command, std::uint64_t now_us,
                                                std::optional<int>* baud_after) {
  // Three-character commands first; they take no argument.
  if (command == cmd::kReadPressure) {
    if (!pressure_text_.empty()) return pressure_text_;
    return FormatPressure(PressureAt(now_us), present_.dp);
  }
  if (command == cmd::kReadTemperature) return FormatTemperature(TemperatureAt(now_us));
  if (command.size() < 2) return std::nullopt;

  const std::string_view m = command.substr(0, 2);
  const std::string_view arg = command.substr(2);
  const bool read = arg.empty();
  Settings& s = present_;

  if (m == cmd::kAddress) {
    if (!read && IsAddress(arg)) address_ = std::string(arg);
    return address_;
  }
  if (m == cmd::kBaud) {
    if (!read) {
      const auto code = arg.size() == 1 ? ParseCode(arg, 3) : std::nullopt;
      if (code) {
        *baud_after = *BaudFromCode(*code);
        return std::string(arg);
      }
    }
    return std::to_string(CodeFromBaud(baud_).value_or(3));
  }
  if (m == cmd::kType) {
    if (!read) s.type = std::string(arg);
    return s.type;
  }
  if (m == cmd::kSerial) {
    if (!read) s.serial = std::string(arg);
    return s.serial;
  }
  if (m == cmd::kUnit) {
    if (auto code = ParseCode(arg, 12); !read && code) s.unit = *code;
    return std::to_string(s.unit);
  }
  if (m == cmd::kDecimalPoint) {
    if (auto code = ParseCode(arg, 4); !read && code) s.dp = *code;
    return std::to_string(s.dp);
  }
  if (m == cmd::kRangeLow) return WriteRangeValue(arg, s.range_low);
  if (m == cmd::kRangeHigh) return WriteRangeValue(arg, s.range_high);
  if (m == cmd::kOutputLow) return WriteRangeValue(arg, s.output_low);
  if (m == cmd::kOutputHigh) return WriteRangeValue(arg, s.output_high);
  if (m == cmd::kTrimLow || m == cmd::kTrimHigh) {
    int& trim = m == cmd::kTrimLow ? s.trim_low : s.trim_high;
    if (auto t = ParseTrim(arg); !read && t) trim = *t;
    return FormatTrim(trim);
  }

  // The rest take no argument.
  if (!read) return std::nullopt;
  if (m == cmd::kVersion) return config_.version;
  // Every version answers the limits; Dravon asks only version "2.00" for them.
  if (m == cmd::kLimitLow) return RangeText(config_.limit_low);
  if (m == cmd::kLimitHigh) return RangeText(config_.limit_high);
  if (m == cmd::kLimitUnit) return std::to_string(config_.limit_unit);
  if (m == cmd::kZero) {
    s.zero_offset = RawPressureAt(now_us);
    return FormatPressure(PressureAt(now_us), s.dp);
  }
  if (m == cmd::kStoreUser) {
    user_area_ = s;
    return std::string(cmd::kOk);
  }
  if (m == cmd::kStoreFactory) {
    factory_area_ = s;
    return std::string(cmd::kOk);
  }
  if (m == cmd::kRestoreFactory) {
    present_ = factory_area_;
    return std::string(cmd::kOk);
  }
  return std::nullopt;
}

}  // namespace simbus
