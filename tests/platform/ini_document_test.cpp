#include "platform/text/ini_document.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using platform::IniKey;
using platform::IniSection;

constexpr std::array<IniSection, 2> kSections{{{"Main", true}, {"Extra", false}}};
constexpr std::array<IniKey, 3> kKeys{{{0, "Name", true}, {0, "Size", false}, {1, "Colour", true}}};

platform::IniLayout Layout(bool section_again) {
  return {kSections, kKeys,
          platform::IniTexts{.unknown_section = "unknown section %1",
                             .section_again = section_again ? "again [%1] from %2" : "",
                             .key_outside = "outside %1",
                             .no_section = "no [%1]",
                             .missing_key = "[%1] lacks %2",
                             .missing_key_names_section = true}};
}

TEST(IniDocument, ChecksTheStructureAndGivesTheLineOfEverySectionAndKey) {
  const struct {
    std::string text;
    bool section_again;
    std::string refusal;
    std::vector<int> key_at;  // checked when the document is read
    std::vector<int> section_at;
  } cases[] = {
      {"\xEF\xBB\xBF; note\r\n[Main]\r\nSize = 3\r\n\r\nName=a\r\n", true, "", {5, 3, 0}, {2, 0}},
      {"[Extra]\nColour=red\n[Main]\nName=a\n", true, "", {4, 0, 2}, {3, 1}},
      {"[Main]\nName=a\nColour=red\n", true, "第 3 行：未知的键“Colour”", {}, {}},
      {"[Main]\nName=a\n[Main]\n", true, "第 3 行：again [Main] from 1", {}, {}},
      {"[Main]\nName=a\n[Main]\n", false, "第 3 行：unknown section “Main”", {}, {}},
      {"[Main]\nName=a\n[Extra]\n", true, "第 3 行：[Extra] lacks Colour", {}, {}},
      {"[Main]\nSize=x\nName=a\n", true, "第 2 行：not a size", {}, {}},
      {"[Extra]\nColour=red\n", true, "no [Main]", {}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> taken;
    const platform::IniDocumentRead read = platform::ReadIniDocument(
        c.text, Layout(c.section_again), [&](std::size_t key, std::string_view value) {
          taken.push_back(std::string(kKeys[key].name) + "=" + std::string(value));
          return value == "x" ? std::string("not a size") : std::string();
        });
    EXPECT_EQ(read.refusal, c.refusal) << c.text;
    if (!c.refusal.empty()) continue;
    EXPECT_EQ(read.key_at, c.key_at) << c.text;
    EXPECT_EQ(read.section_at, c.section_at) << c.text;
    EXPECT_EQ(taken.size(), 2u) << c.text;
  }
}

}  // namespace
