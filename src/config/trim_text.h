#pragma once
// The form a current trim travels in: a sign and at least four digits.

#include <string>

namespace config {

// "+0000", "+0025", "+5000" for zero and up; "-0003", "-5000" below zero.
std::string TrimText(int value);

}  // namespace config
