#include "config/trim_text.h"

#include <cstdio>
#include <cstdlib>

namespace config {

std::string TrimText(int value) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04lld", std::llabs(static_cast<long long>(value)));
  return (value < 0 ? "-" : "+") + std::string(digits);
}

}  // namespace config
