#include "platform/serial/line_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "platform/text/trim.h"

namespace platform {

namespace {

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ',') {
      fields.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return fields;
}

std::optional<int> ParseWholeNumber(std::string_view s) {
  s = TrimBlanks(s);
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string LineSettings::ToText() const {
  return std::to_string(baud) + "," + parity + "," + std::to_string(data_bits) + "," + stop_bits;
}

std::optional<LineSettings> LineSettings::Parse(std::string_view text) {
  const std::vector<std::string_view> fields = SplitFields(text);
  if (fields.size() != 4) return std::nullopt;

  LineSettings s;
  const auto baud = ParseWholeNumber(fields[0]);
  if (!baud || *baud <= 0) return std::nullopt;
  s.baud = *baud;

  const std::string_view parity = TrimBlanks(fields[1]);
  if (parity.size() != 1) return std::nullopt;
  s.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(parity[0])));
  if (std::string_view("neoms").find(s.parity) == std::string_view::npos) return std::nullopt;

  const auto bits = ParseWholeNumber(fields[2]);
  if (!bits || *bits < 4 || *bits > 8) return std::nullopt;
  s.data_bits = *bits;

  const std::string_view stop = TrimBlanks(fields[3]);
  if (stop != "1" && stop != "1.5" && stop != "2") return std::nullopt;
  s.stop_bits = std::string(stop);
  return s;
}

std::uint64_t LineSettings::ByteTimeUs() const {
  // No rate at all (a tty at B0): the bytes are lost at once rather than holding up the
  // line for ever.
  if (baud <= 0) return 0;
  const std::uint64_t stop_halves = stop_bits == "2" ? 4 : stop_bits == "1.5" ? 3 : 2;
  const std::uint64_t half_bits =
      2 * (1 + static_cast<std::uint64_t>(std::max(data_bits, 0)) + (parity == 'n' ? 0 : 1)) + stop_halves;
  const std::uint64_t denominator = 2 * static_cast<std::uint64_t>(baud);
  return (half_bits * 1'000'000 + denominator - 1) / denominator;
}

}  // namespace platform
