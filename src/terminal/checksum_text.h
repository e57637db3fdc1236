#pragma once
// The two checksums a test-mode frame can carry, and the request frame built with one.
// Both work on the bytes of the system code page (GBK), so a Chinese character counts
// as its two bytes.

#include <string>
#include <string_view>

namespace terminal {

// optcrc(0) "加和校验" selects the sum; otherwise the exclusive-or is used.
enum class ChecksumKind { kSum, kExclusiveOr };

// Sum: the last two upper-case hexadecimal digits of the total (one digit below 16).
// Exclusive-or: the upper-case hexadecimal result, "0"-padded to two digits.
std::string ChecksumText(std::string_view bytes, ChecksumKind kind);

// The typed text, the checksum of everything after its first character, and a CR.
std::string FrameRequest(std::string_view typed, ChecksumKind kind);

// Characters 4 and 5 of the frame are "AD": an address probe, whose failures stay silent.
bool IsAddressRequest(std::string_view framed);

}  // namespace terminal
