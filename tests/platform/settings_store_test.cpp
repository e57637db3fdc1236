#include "platform/settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct StoreFixture : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    char tmpl[] = "/tmp/settings_test_XXXXXX";
    dir = mkdtemp(tmpl);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, ec);
    if (fs::exists(dir / "Halvora")) fs::permissions(dir / "Halvora", fs::perms::owner_all, ec);
    fs::remove_all(dir, ec);
  }
  void WriteRaw(const std::string& bytes) {
    fs::create_directories(dir / "Halvora");
    std::ofstream(dir / "Halvora" / "settings.ini", std::ios::binary) << bytes;
  }
  std::string ReadRaw() {
    std::ifstream in(dir / "Halvora" / "settings.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(StoreFixture, KeepsValuesAcrossInstancesAndKeepsOtherKeys) {
  {
    platform::IniSettingsStore store(dir);
    EXPECT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "3"));
    EXPECT_TRUE(store.Set("Halvora", "Ports", "COM3", "/dev/ttyUSB0"));
    EXPECT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "2"));
  }
  platform::IniSettingsStore again(dir);
  EXPECT_EQ(again.Get("Halvora", "Transmitter", "CommPort"), "2");
  EXPECT_EQ(again.Get("Halvora", "Ports", "COM3"), "/dev/ttyUSB0");
  EXPECT_EQ(again.Get("Halvora", "Transmitter", "Missing", "dflt"), "dflt");
  EXPECT_EQ(again.Get("Other", "Transmitter", "CommPort"), "");
}

TEST_F(StoreFixture, BadFilesReadAsEmptyAndCanBeOverwritten) {
  const std::string bad_files[] = {
      "",                                   // empty
      "[Transmitter]\nCommPo",              // truncated
      std::string("\x00\xff\xfe[\x01=\x02\n", 8),  // binary
      "CommPort=3\n[\n[]\n=5\n[Transmitter\nCommPort",  // keys outside sections, broken headers
  };
  for (const std::string& bytes : bad_files) {
    WriteRaw(bytes);
    platform::IniSettingsStore store(dir);
    EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "");
    EXPECT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "4"));
    EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "4");
  }
}

TEST_F(StoreFixture, AMissingFolderIsCreatedOnFirstWrite) {
  platform::IniSettingsStore store((dir / "deeper" / "config").string());
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "");
  EXPECT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "1"));
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "1");
}

TEST_F(StoreFixture, AFailedWriteLeavesThePreviousFileWhole) {
  platform::IniSettingsStore store(dir);
  ASSERT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "3"));
  const std::string before = ReadRaw();

  store.set_file_writer([](const std::string&, const std::string&) { return false; });  // a full disk
  EXPECT_FALSE(store.Set("Halvora", "Transmitter", "CommPort", "5"));
  EXPECT_EQ(ReadRaw(), before);
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "3");
}

TEST_F(StoreFixture, AWriteReplacesTheFileSoAReaderOfTheOldOneStillReadsItWhole) {
  platform::IniSettingsStore store(dir);
  ASSERT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "3"));
  const std::string before = ReadRaw();
  std::ifstream old_file(dir / "Halvora" / "settings.ini", std::ios::binary);  // open across the write
  ASSERT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "5"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old_file), {}), before) << "rewritten in place";
  EXPECT_NE(ReadRaw().find("CommPort=5"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Halvora"), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(StoreFixture, AReadOnlyFolderFailsTheWriteAndKeepsTheFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  platform::IniSettingsStore store(dir);
  ASSERT_TRUE(store.Set("Halvora", "Transmitter", "CommPort", "3"));
  fs::permissions(dir / "Halvora", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(store.Set("Halvora", "Transmitter", "CommPort", "5"));
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "3");
}

TEST_F(StoreFixture, AnUnusableConfigFolderFailsTheWriteWithoutCrashing) {
  // Works for root too: a folder cannot be made below a regular file.
  std::ofstream(dir / "plainfile") << "x";
  platform::IniSettingsStore store((dir / "plainfile" / "config").string());
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "");
  EXPECT_FALSE(store.Set("Halvora", "Transmitter", "CommPort", "5"));
}

TEST_F(StoreFixture, RefusesNamesAndValuesThatWouldBreakTheFile) {
  platform::IniSettingsStore store(dir);
  EXPECT_FALSE(store.Set("Halvora", "Trans]mitter", "CommPort", "3"));
  EXPECT_FALSE(store.Set("Halvora", "Transmitter", "Comm=Port", "3"));
  EXPECT_FALSE(store.Set("Halvora", "Transmitter", "CommPort", "3\n[Evil]"));
  EXPECT_FALSE(store.Set("../etc", "Transmitter", "CommPort", "3"));
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "");
}

TEST(IniFormat, NamesTheFileCouldNotGiveBackAreSkipped) {
  const platform::IniSections s = platform::ParseIni("[\r]\nk=1\n[x=2\n[T]\n\x01k=3\nok=4\n");
  EXPECT_EQ(s.size(), 1u);
  EXPECT_EQ(s.at("T").size(), 1u);
  EXPECT_EQ(s.at("T").at("ok"), "4");
  EXPECT_EQ(platform::ParseIni(platform::FormatIni(s)), s);
}

TEST(IniFormat, RoundTripsSectionsAndKeys) {
  platform::IniSections s;
  s["Transmitter"]["CommPort"] = "3";
  s["Ports"]["COM1"] = "/dev/pts/4";
  EXPECT_EQ(platform::ParseIni(platform::FormatIni(s)), s);
  EXPECT_EQ(platform::ParseIni("[A]\r\n key = v a l \r\n")["A"]["key"], "v a l");
}

}  // namespace
