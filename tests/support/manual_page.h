#pragma once
// The options a program's manual page (packaging/man/PROGRAM.1.in) describes: the tags of
// its OPTIONS section, so a test can hold the page to what the program takes.

#include <set>
#include <string>

namespace testing_support {

// "--port", "--help", ...; empty when the page cannot be read.
std::set<std::string> ManualPageOptions(const std::string& program);

}  // namespace testing_support
