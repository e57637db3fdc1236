#include "tests/support/manual_page.h"

#include <fstream>
#include <regex>

namespace testing_support {

std::set<std::string> ManualPageOptions(const std::string& program) {
  std::ifstream page(std::string(TT_SOURCE_DIR) + "/packaging/man/" + program + ".1.in");
  // An option's paragraph: ".TP", then its tag line ".B \-\-name", ".BI \-\-name ARG" or ".BR ...".
  // A hyphen inside the name may be written "\-" as well: groff's minus sign.
  const std::regex tag(R"(^\.B[IR]? \\-\\-((?:[a-z]|-|\\-)+))");
  std::set<std::string> names;
  std::string line, previous;
  bool in_options = false;
  while (std::getline(page, line)) {
    if (line.rfind(".SH", 0) == 0) in_options = line == ".SH OPTIONS";
    std::smatch match;
    if (in_options && previous == ".TP" && std::regex_search(line, match, tag))
      names.insert("--" + std::regex_replace(match[1].str(), std::regex(R"(\\-)"), "-"));
    previous = line;
  }
  return names;
}

}  // namespace testing_support
