// The one way the programs append lines to a file: a header for a new file only, never a
// new line glued to one that was cut short, every line on disk before the next, and a
// file that cannot take them refused when it is opened.
#include "platform/appending_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(AppendingFile, AHeaderStartsANewFileAndACutShortLineIsEndedFirst) {
  struct Case {
    const char* what;
    std::optional<std::string> before;  // none: no file yet
    std::string header;
    std::string after;  // after two appends
  };
  const Case cases[] = {
      {"a new file", std::nullopt, "h1,h2\n", "h1,h2\na,1\nb,2\n"},
      {"an empty file", "", "h1,h2\n", "h1,h2\na,1\nb,2\n"},
      {"a file with rows", "h1,h2\nx,0\n", "h1,h2\n", "h1,h2\nx,0\na,1\nb,2\n"},
      {"a row cut short", "h1,h2\nx,", "h1,h2\n", "h1,h2\nx,\na,1\nb,2\n"},
      {"a header cut short", "h1", "h1,h2\n", "h1\na,1\nb,2\n"},
      {"a row from Windows", "h1,h2\r\nx,0\r\n", "h1,h2\n", "h1,h2\r\nx,0\r\na,1\nb,2\n"},
      {"no header, a new file", std::nullopt, "", "a,1\nb,2\n"},
      {"no header, a line cut short", "{\"t\": 1", "", "{\"t\": 1\na,1\nb,2\n"},
  };
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("appending_" + std::to_string(getpid()) + ".csv");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(path);
    if (c.before) std::ofstream(path, std::ios::binary) << *c.before;
    std::string error;
    const auto file = platform::AppendingFile::Open(path.string(), c.header, error);
    ASSERT_TRUE(file) << error;
    ASSERT_TRUE(file->Append("a,1\n"));
    EXPECT_EQ(Contents(path), c.after.substr(0, c.after.size() - 4)) << "on disk while the file is open";
    ASSERT_TRUE(file->Append("b,2\n"));
    EXPECT_EQ(Contents(path), c.after);
  }
  // The one-row form, twice: one header.
  std::filesystem::remove(path);
  std::string error;
  for (const char* row : {"a,1\n", "b,2\n"})
    ASSERT_TRUE(platform::AppendToFile(path.string(), "h\n", row, error));
  EXPECT_EQ(Contents(path), "h\na,1\nb,2\n");
  std::filesystem::remove(path);
}

TEST(AppendingFile, AFileThatCannotBeWrittenIsRefusedWhenOpenedAndSaysWhichAndWhy) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  for (const std::string& path : {std::string("/nonexistent/log.csv"), folder, std::string("/dev/full")}) {
    SCOPED_TRACE(path);
    for (const std::string header : {"h\n", ""}) {
      std::string error;
      EXPECT_FALSE(platform::AppendingFile::Open(path, header, error));
      EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
      EXPECT_GT(error.size(), path.size() + 2) << "with the reason";
      EXPECT_FALSE(platform::AppendToFile(path, header, "a\n", error));
    }
  }
}

}  // namespace
