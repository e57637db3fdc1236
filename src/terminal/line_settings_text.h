#pragma once
// The line settings text a send gives the port, built from the four lists of "端口设定":
// baud rate and stop bits as shown (picked or typed), parity and data bits by list
// position. A typed entry in a position-read list counts as no selection (-1), and the
// result goes to the serial layer as it is, which refuses what it cannot use.

#include <string>
#include <string_view>

namespace terminal {

// "E", "O", "N", "M", "S" for positions 0 to 4 of Cbo_paritybit; empty for no selection.
std::string ParityLetter(int parity_position);

// "9600,N,8,1" for the start-up selections; data bits are the list position plus 4.
std::string LineSettingsText(std::string_view baud_text, int parity_position, int data_bits_position,
                             std::string_view stop_bits_text);

}  // namespace terminal
