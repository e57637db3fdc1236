// The production station on the simulated bus: new transmitters come one after another
// at the factory place, and the run numbers, configures, stores and reports each, asking
// only for the next one.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string_view>

#include "config/apply_report.h"
#include "platform/text/csv_field.h"
#include "simbus/batch.h"
#include "tests/support/dravon_fixture.h"

namespace {

using testing_support::ChangesHeard;
using ui::MessageBoxAnswer;

constexpr const char* kProfile =
    "[Transmitter]\nUnit=4\nDecimalPoint=1\nRangeLow=0\nRangeHigh=250\nOutput4mA=0\nOutput20mA=200\n"
    "Store=user\n[Station]\nFirstAddress=02\nLastAddress=09\nBaud=4800\n";

// A report's row as the tests compare it.
struct Row {
  std::string address;
  std::string serial;
  std::string stored;
  std::string verdict;
  bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& r) {
  return out << r.address << " " << r.serial << " " << r.stored << " " << r.verdict;
}

std::string PassedRow(const std::string& address, const std::string& serial) {
  return "2026-12-01T08:00:00.000,1," + address + ",86000000," + serial +
         ",2.10,4,1,+000.0,+250.0,+000.0,+200.0,user,passed,\n";
}

class StationTest : public testing_support::DravonFixture {
 protected:
  StationTest() {
    char pattern[] = "/tmp/dravon-station-XXXXXX";
    dir_ = mkdtemp(pattern);
    services.files = {{"profile", dir_ + "/p.ini"}, {"report", dir_ + "/r.csv"}};
    std::ofstream(services.files["profile"]) << kProfile;
  }
  ~StationTest() override { std::filesystem::remove_all(dir_); }

  // The batch plugged in, the window started on port 1, and the station run with these
  // answers to its boxes (then Cancel).
  void Run(std::vector<simbus::BatchEntry> batch, std::vector<MessageBoxAnswer> answers) {
    simbus::ConnectOneAfterAnother(bus, std::move(batch));
    Start(1);
    services.answers.assign(answers.begin(), answers.end());
    services.answers.push_back(MessageBoxAnswer::kCancel);
    user.Click({"mnuStation", -1});
  }
  std::string Report() {
    std::stringstream text;
    text << std::ifstream(services.files["report"]).rdbuf();
    return text.str();
  }
  std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const auto& f : platform::CsvRecords(Report()))
      if (f.size() > 13 && f[0] != "time") rows.push_back({f[2], f[4], f[12], f[13]});
    return rows;
  }
  // The transmitter of the batch with this serial number.
  simbus::Transmitter* Serial(const std::string& serial) {
    for (std::size_t i = 0; i < bus.size(); ++i)
      if (bus.transmitter(i).present().serial == serial) return &bus.transmitter(i);
    return nullptr;
  }

  std::string dir_;
};

struct SequenceCase {
  const char* name;
  std::string report;  // rows before the run
  std::vector<simbus::BatchEntry> batch;
  std::vector<Row> rows;  // the run's rows; a passed one's user area took the file
};

class StationSequence : public StationTest, public testing::WithParamInterface<SequenceCase> {};

TEST_P(StationSequence, AddressesFollowOnAcrossPassedFailedAndSkippedTransmitters) {
  const SequenceCase& c = GetParam();
  if (!c.report.empty()) std::ofstream(services.files["report"]) << config::ReportHeader() << c.report;
  const std::size_t earlier = Rows().size();
  Run(c.batch, std::vector<MessageBoxAnswer>(c.batch.size() - 1, MessageBoxAnswer::kOk));
  std::vector<Row> rows = Rows();
  rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(std::min(earlier, rows.size())));
  EXPECT_EQ(rows, c.rows);
  for (const simbus::BatchEntry& e : c.batch) {
    const simbus::Transmitter* t = Serial(e.serial);
    ASSERT_NE(t, nullptr) << e.serial;
    const bool stored = std::any_of(c.rows.begin(), c.rows.end(), [&e](const Row& r) {
      return r.serial == e.serial && r.verdict == "passed";
    });
    EXPECT_EQ(t->user_area().range_high == 250.0, stored) << e.serial;
    const std::vector<std::string> changes = ChangesHeard(*t);
    EXPECT_EQ(std::count(changes.begin(), changes.end(), "WU"), stored ? 1 : 0) << e.serial;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Station, StationSequence,
    testing::Values(
        SequenceCase{"MiddleOneFailsItsReadBack",
                     "",
                     {{"08100001", ""}, {"08100002", "stale=DH"}, {"08100003", ""}},
                     {{"02", "08100001", "user", "passed"},
                      {"01", "08100002", "none", "failed"},
                      {"03", "08100003", "user", "passed"}}},
        SequenceCase{"GoesOnAfterTheHighestPassedAddressOfAnEarlierRun",
                     PassedRow("05", "08000900") + PassedRow("03", "08000901"),
                     {{"08100001", ""}, {"08100002", ""}},
                     {{"06", "08100001", "user", "passed"}, {"07", "08100002", "user", "passed"}}},
        SequenceCase{"SkipsOneDoneBefore",
                     PassedRow("02", "08100002"),
                     {{"08100001", ""}, {"08100002", ""}, {"08100003", ""}},
                     {{"03", "08100001", "user", "passed"}, {"04", "08100003", "user", "passed"}}}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  const char* command;  // the fault starts as this is sent
  bool cable_pulled;    // else the transmitter falls silent
  const char* difference;
  const char* where;  // where the box says it is left
};

class StationFailure : public StationTest, public testing::WithParamInterface<FailureCase> {};

// A step that fails leaves the transmitter unstored, reported failed where it was found;
// the box says where it answers now.
TEST_P(StationFailure, NoStoreFollowsAFailedStepAndTheRowSaysWhatFailed) {
  const FailureCase& c = GetParam();
  services.on_repaint = [this, &c] {
    if (frames.empty() || frames.back().find(c.command) != 1) return;
    if (c.cable_pulled) {
      vanish_at_us = clock.now_us();
    } else {
      bus.transmitter(0).faults().silent = true;
    }
  };
  Run({{"08100001", ""}}, {});
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (Row{"01", "08100001", "none", "failed"}));
  EXPECT_NE(Report().find(c.difference), std::string::npos) << Report();
  const std::vector<std::string> changes = ChangesHeard(bus.transmitter(0));
  const bool store_sent = std::string_view(c.command).ends_with("WU");
  EXPECT_EQ(std::count(changes.begin(), changes.end(), "WU"), store_sent ? 1 : 0);
  if (store_sent) {
    EXPECT_EQ(changes.back(), "WU") << "nothing after the store";
  }
  ASSERT_FALSE(services.boxes.empty());
  EXPECT_NE(services.boxes.back().text.find(std::string("未通过，未保存，现在地址 ") + c.where + "："),
            std::string::npos)
      << services.boxes.back().text;
}

INSTANTIATE_TEST_SUITE_P(
    Station, StationFailure,
    testing::Values(FailureCase{"AddressChangeUnanswered", "01AD02", false, "Address 02/", "01/02"},
                    FailureCase{"BaudChangeUnanswered", "02BD2", false, "Baud 4800/9600", "02"},
                    FailureCase{"StoreUnanswered", "02WU", false, "Store user/none", "02"},
                    FailureCase{"CablePulledAtTheAddressChange", "01AD02", true, "Address 02/", "01/02"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(StationTest, RefusesABusWithTwoTransmitters) {
  AddTransmitter("07", 9600, "2.10");
  AddTransmitter("09", 4800, "2.10");
  Start(1);
  user.Click({"mnuStation", -1});
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text,
            "总线上有 2 台变送器。工位一次只配置一台：请只接一台，再重新开始。工位结束。");
  EXPECT_TRUE(Rows().empty());
  for (std::size_t i = 0; i < bus.size(); ++i) EXPECT_TRUE(ChangesHeard(bus.transmitter(i)).empty());
}

}  // namespace
