#pragma once
// Numbers as the programs write them to a file, onto the wire or into a simulated reply:
// always with a decimal point, whatever locale the process runs in. The window system
// sets the user's locale for the C library, and printf's "%f" then writes "19,8" on a
// German desktop, which no JSON reader, CSV reader or transmitter takes.

#include <string>

namespace platform {

// `value` with exactly `decimals` digits after the point (0 to 30; none and no point for
// 0), rounded as printf rounds: "19.8", "-0.5", "12". Empty for a value that is not finite.
std::string DecimalText(double value, int decimals);

// `value` in the fewest digits that read back as the same double ("12.34", "1e+21").
// Empty for a value that is not finite.
std::string ShortestDecimalText(double value);

}  // namespace platform
