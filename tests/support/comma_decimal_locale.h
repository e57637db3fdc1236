#pragma once
// A real comma-decimal locale (de_DE.UTF-8) switched on in the C library for the life of
// the object, as Qt switches the user's locale on at start-up. A std::locale of the C++
// streams would not reach snprintf; this one does. Where the system has no such locale,
// it is generated once with localedef into a folder under the temporary directory that
// later runs reuse.

#include <string>

namespace testing_support {

class CommaDecimalLocale {
 public:
  CommaDecimalLocale();
  ~CommaDecimalLocale();
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

  // True while printf writes a decimal comma; else why_not() says what failed.
  bool active() const { return active_; }
  const std::string& why_not() const { return why_not_; }

 private:
  bool active_ = false;
  std::string why_not_;
};

}  // namespace testing_support
