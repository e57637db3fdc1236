#include "terminal/line_settings_text.h"

#include <array>

namespace terminal {

std::string ParityLetter(int parity_position) {
  static constexpr std::array<const char*, 5> kLetters = {"E", "O", "N", "M", "S"};
  if (parity_position < 0 || parity_position >= static_cast<int>(kLetters.size())) return "";
  return kLetters[static_cast<std::size_t>(parity_position)];
}

std::string LineSettingsText(std::string_view baud_text, int parity_position, int data_bits_position,
                             std::string_view stop_bits_text) {
  return std::string(baud_text) + "," + ParityLetter(parity_position) + "," +
         std::to_string(data_bits_position + 4) + "," + std::string(stop_bits_text);
}

}  // namespace terminal
