#pragma once
// The maximum time-out as Txt_delay holds it. Typing lets only digits in, but a paste can
// bring any text of up to four characters, so the send reads it here first.

#include <cstdint>
#include <optional>
#include <string_view>

namespace terminal {

// A whole number in milliseconds: blanks around it and a sign allowed ("250", " 80",
// "+5", "-3"). Anything else — empty, letters, a decimal point, a number beyond 32 bits —
// is no time-out at all (nullopt). A negative time-out waits no more than 0: one read.
std::optional<std::int32_t> TimeoutFromText(std::string_view text);

}  // namespace terminal
