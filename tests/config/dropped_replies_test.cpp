// A bus that loses one reply in N (N from 3 to 60): whatever the user reads and whichever
// file is applied, no transmitter is changed beyond what the file asks for, by the
// transmitters' own record of what they heard, and a data area holds either what it held
// or the whole file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/config/config_fixture.h"

namespace {

// What the file below asks for, as a transmitter hears it (decimal point 2).
const std::vector<std::string> kAskedChanges = {"UT4",      "DP2",      "DL-05.00", "DH+16.00",
                                                "OL+00.00", "OH+16.00", "WU"};

class DroppedRepliesTest : public config_test::ConfigFixture, public ::testing::WithParamInterface<int> {
 protected:
  DroppedRepliesTest() {
    char pattern[] = "/tmp/dravon-dropped-XXXXXX";
    dir_ = mkdtemp(pattern);
    services.files = {{"profile", dir_ + "/p.ini"}, {"report", dir_ + "/r.csv"}};
    std::ofstream(services.files["profile"])
        << "[Transmitter]\nUnit=4\nDecimalPoint=2\nRangeLow=-5\nRangeHigh=16\n"
           "Output4mA=0\nOutput20mA=16\nStore=user\n";
  }
  ~DroppedRepliesTest() override { std::filesystem::remove_all(dir_); }

  simbus::Transmitter& Add(const char* address, const char* version) {
    simbus::TransmitterConfig config;
    config.address = address;
    config.version = version;
    config.settings = {.unit = 3, .dp = 2, .output_low = 1, .trim_low = 12, .trim_high = -150};
    config.faults = {.every = static_cast<std::uint32_t>(GetParam())};
    return bus.Add(config);
  }

  // Every field of `now` is the one it had or the one the file asks for.
  static void ExpectBeforeOrFile(const simbus::Settings& now, const simbus::Settings& before) {
    EXPECT_TRUE(now.unit == before.unit || now.unit == 4) << now.unit;
    EXPECT_TRUE(now.dp == before.dp || now.dp == 2) << now.dp;
    EXPECT_TRUE(now.range_low == before.range_low || now.range_low == -5) << now.range_low;
    EXPECT_TRUE(now.range_high == before.range_high || now.range_high == 16) << now.range_high;
    EXPECT_TRUE(now.output_low == before.output_low || now.output_low == 0) << now.output_low;
    EXPECT_TRUE(now.output_high == before.output_high || now.output_high == 16) << now.output_high;
    EXPECT_EQ(std::tie(now.type, now.serial, now.trim_low, now.trim_high),
              std::tie(before.type, before.serial, before.trim_low, before.trim_high));
  }

  std::string dir_;
};

TEST_P(DroppedRepliesTest, NoReadChangesATransmitterAndAnApplyChangesOnlyWhatTheFileAsks) {
  simbus::Transmitter& older = Add("07", "1.50");
  simbus::Transmitter& fixed = Add("01", "2.00");
  const simbus::Settings before = older.present();
  Start(1);
  Found({{"07", 3}, {"01", 3}});
  for (int entry : {0, 1, 0}) {
    SCOPED_TRACE(entry);
    simbus::Transmitter& t = entry == 0 ? older : fixed;
    const simbus::Settings settings_before = t.present();
    older.clear_heard();
    fixed.clear_heard();
    user.Choose({"CMB_ADDR", -1}, entry);
    for (const char* button : {"cmdReFresh", "cmdSCALE_Read", "cmdDA_Read", "cmdReFresh"})
      user.Click({button, -1});
    EXPECT_TRUE(testing_support::ChangesHeard(older).empty());
    EXPECT_TRUE(testing_support::ChangesHeard(fixed).empty());
    EXPECT_EQ(t.present(), settings_before);

    user.Click({"mnuApplyProfile", -1});
    for (const std::string& change : testing_support::ChangesHeard(t))
      EXPECT_NE(std::find(kAskedChanges.begin(), kAskedChanges.end(), change), kAskedChanges.end()) << change;
    ExpectBeforeOrFile(t.present(), before);
    ExpectBeforeOrFile(t.user_area(), before);
    const simbus::Settings& stored = t.user_area();
    if (stored != before) {
      EXPECT_EQ(std::tuple(stored.unit, stored.dp, stored.range_low, stored.range_high, stored.output_low,
                           stored.output_high),
                std::tuple(4, 2, -5.0, 16.0, 0.0, 16.0))
          << "stored whole or not at all";
    }
  }
  EXPECT_EQ(fixed.present().range_high, 100.0) << "its range is fixed: never the file's";
}

INSTANTIATE_TEST_SUITE_P(OneInN, DroppedRepliesTest, ::testing::Range(3, 61));

}  // namespace
