#include "tests/support/comma_decimal_locale.h"

#include <stdlib.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace testing_support {

namespace {

constexpr const char* kLocale = "de_DE.UTF-8";

bool WritesDecimalComma() { return std::string_view(std::localeconv()->decimal_point) == ","; }

bool Switched() { return std::setlocale(LC_ALL, kLocale) != nullptr && WritesDecimalComma(); }

// Generates the locale under the temporary directory (once; later runs find it) and
// points the C library there. Generated beside its final place and renamed, so that test
// programs running side by side never see half of it.
std::string GenerateAndPointTo() {
  namespace fs = std::filesystem;
  const fs::path home = fs::temp_directory_path() / ("dravon-test-locales-" + std::to_string(getuid()));
  const fs::path done = home / kLocale;
  std::error_code ignored;
  if (!fs::exists(done / "LC_NUMERIC")) {
    fs::create_directories(home, ignored);
    const fs::path building = home / ("building-" + std::to_string(getpid()));
    const std::string command = "localedef -i de_DE -f UTF-8 '" + building.string() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    if (!fs::exists(building / "LC_NUMERIC"))
      return "localedef -i de_DE -f UTF-8 failed (status " + std::to_string(status) +
             "); install the Debian package locales";
    fs::rename(building, done, ignored);  // another run may have been first: either is whole
    fs::remove_all(building, ignored);
  }
  setenv("LOCPATH", home.c_str(), 1);
  return "";
}

}  // namespace

CommaDecimalLocale::CommaDecimalLocale() {
  if (Switched()) {
    active_ = true;
    return;
  }
  why_not_ = GenerateAndPointTo();
  if (why_not_.empty()) {
    active_ = Switched();
    if (!active_) why_not_ = std::string("the generated ") + kLocale + " does not write a decimal comma";
  }
}

CommaDecimalLocale::~CommaDecimalLocale() { std::setlocale(LC_ALL, "C"); }

}  // namespace testing_support
