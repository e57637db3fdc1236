// A settings file applied to the selected transmitter through the 选项 menu: the frames
// the window's own handlers send, the comparison, the store, the report and the one
// message box.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "config/settings_file.h"
#include "tests/config/config_fixture.h"

namespace {

using Commands = std::vector<std::string>;

constexpr const char* kReportHeader =
    "time,port,address,type,serial,version,unit,decimal_point,range_low,range_high,output_4ma,output_20ma,"
    "stored,"
    "verdict,differences";

class SettingsApplyTest : public config_test::ConfigFixture {
 protected:
  SettingsApplyTest() {
    char pattern[] = "/tmp/dravon-profile-XXXXXX";
    dir_ = mkdtemp(pattern);
    services.files = {{"profile", dir_ + "/p.ini"}, {"report", dir_ + "/r.csv"}};
  }
  ~SettingsApplyTest() override { std::filesystem::remove_all(dir_); }

  void WriteProfile(const std::string& store, const std::string& range_high = "16",
                    const std::string& decimal_point = "2", const std::string& range_low = "-5") {
    std::ofstream(services.files["profile"])
        << "[Transmitter]\nUnit=4\nDecimalPoint=" << decimal_point << "\nRangeLow=" << range_low
        << "\nRangeHigh=" << range_high << "\nOutput4mA=0\nOutput20mA=16\nStore=" << store << "\n";
  }
  std::vector<std::string> ReportLines() {
    std::ifstream in(services.files["report"]);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // The one message box of the apply: its text.
  std::string ResultBox() {
    EXPECT_EQ(services.boxes.size(), 1u);
    if (services.boxes.empty()) return "";
    const ui::MessageBoxRequest box = services.boxes.back();
    services.boxes.clear();
    EXPECT_EQ(box.title, "应用参数文件");
    return box.text;
  }
  void Apply() { user.Click({"mnuApplyProfile", -1}); }

  std::string dir_;
};

// The 17 commands of a full read of a transmitter older than "2.00".
Commands FullRead(const std::string& a) {
  return {a + "TY", a + "VR", a + "OL", a + "OH", a + "DL", a + "DH", a + "UT",  a + "DL", a + "DH",
          a + "UT", a + "TY", a + "ID", a + "DP", a + "ZF", a + "FF", a + "RP0", a + "RT0"};
}

Commands Joined(std::initializer_list<Commands> parts) {
  Commands all;
  for (const Commands& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST_F(SettingsApplyTest, APassingApplyWritesThroughTheHandlersVerifiesStoresLastAndReports) {
  simbus::Transmitter& t = StartWithSelected("07");
  t.present().trim_high = -150;
  WriteProfile("user");
  Apply();

  EXPECT_EQ(TakeCommands(), Joined({{"07UT4"},
                                    FullRead("07"),
                                    {"07UT4", "07DP2", "07DL-05.00", "07DH+16.00"},
                                    {"07OL+00.00", "07OH+16.00", "07ZF+0000", "07FF-0150"},
                                    FullRead("07"),
                                    {"07WU"}}));
  EXPECT_EQ(t.user_area(), t.present());
  EXPECT_EQ(t.present().unit, 4);
  EXPECT_EQ(t.present().range_low, -5.0);
  EXPECT_EQ(t.present().trim_high, -150) << "the trims are written back as read";
  EXPECT_EQ(ResultBox(), "参数已写入，读回校验通过。\n已保存到用户数据区。");

  const std::vector<std::string> report = ReportLines();
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0], kReportHeader);
  EXPECT_TRUE(
      std::regex_match(report[1], std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3},1,07,86000000,)"
                                             R"(08000000,1\.50,4,2,-05\.00,\+16\.00,\+00\.00,\+16\.00,)"
                                             R"(user,passed,)")))
      << report[1];

  Apply();  // the next transmitter of the batch: one more row, no second header
  EXPECT_EQ(ReportLines().size(), 3u);
}

struct FailedCase {
  simbus::Faults faults;
  std::string range_high;
  std::string difference;  // as the report writes it
  std::string line;        // as the result box names it
};
// Names the case by the setting that differs, in test listings.
void PrintTo(const FailedCase& c, std::ostream* os) { *os << c.difference.substr(0, c.difference.find(' ')); }

class FailedApplyTest : public SettingsApplyTest, public ::testing::WithParamInterface<FailedCase> {};

TEST_P(FailedApplyTest, NamesTheSettingAndStoresNothing) {
  simbus::Transmitter& t = StartWithSelected("07");
  t.faults() = GetParam().faults;
  WriteProfile("user", GetParam().range_high);
  Apply();
  const Commands commands = TakeCommands();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "07WU"), 0) << "never stored half-configured";
  EXPECT_EQ(t.user_area().unit, 0);
  const std::string box = ResultBox();
  EXPECT_NE(box.find(GetParam().line), std::string::npos) << box;
  const std::string& difference = GetParam().difference;
  const std::string row = ReportLines().back();
  EXPECT_NE(row.find(",none,failed,"), std::string::npos) << row;
  EXPECT_NE(row.find(difference), std::string::npos) << row;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedApplyTest,
    ::testing::Values(
        // The echo of a write tells the old value, though the read afterwards agrees.
        FailedCase{{.stale_echo_of = "DH"},
                   "16",
                   "RangeHigh 16/+100.00",
                   "校验未通过，未保存到数据区。以下参数与文件不符：\nRangeHigh：期望 "},
        FailedCase{{.stale_echo_of = "OH"},
                   "16",
                   "Output20mA 16/+100.00",
                   "校验未通过，未保存到数据区。以下参数与文件不符：\nOutput20mA：期望 "},
        // Silence from the start: every value read is a failed exchange, so
        // nothing goes back after the unit.
        FailedCase{{.silent = true},
                   "0",
                   "Version /ERR 0",
                   "读取变送器参数失败，未写入变送器：Version、Trim4mA、Trim20mA 没有读到有效的值"}));

struct FixedRangeCase {
  std::string range_high;
  std::string decimal_point;
  std::string verdict;
};
void PrintTo(const FixedRangeCase& c, std::ostream* os) {
  *os << "range " << c.range_high << " dp " << c.decimal_point;
}

class FixedRangeTest : public SettingsApplyTest, public ::testing::WithParamInterface<FixedRangeCase> {};

TEST_P(FixedRangeTest, AgreesOnlyWhenTheTransmitterAlreadyHoldsTheRange) {
  simbus::Transmitter& t = StartWithSelected("01", "2.00");
  WriteProfile("none", GetParam().range_high, GetParam().decimal_point, "0");
  Apply();
  const Commands commands = TakeCommands();
  EXPECT_NE(std::find(commands.begin(), commands.end(), "01DH+100.0"), commands.end())
      << "the disabled box goes back as read";
  EXPECT_EQ(t.present().range_high, 100.0);
  EXPECT_EQ(t.present().dp, 1);
  EXPECT_EQ(t.present().unit, 4) << "the unit list stays open on every version";
  ResultBox();
  EXPECT_NE(ReportLines().back().find(",none," + GetParam().verdict + ","), std::string::npos)
      << ReportLines().back();
}

INSTANTIATE_TEST_SUITE_P(Version200, FixedRangeTest,
                         ::testing::Values(FixedRangeCase{"+100.0", "1", "passed"},
                                           FixedRangeCase{"100", "1", "passed"},
                                           FixedRangeCase{"250", "1", "failed"},
                                           FixedRangeCase{"100", "2", "failed"}));

TEST_F(SettingsApplyTest, TheFactoryAreaIsStoredOnlyWhileItsAccessCodeIsOpen) {
  simbus::Transmitter& t = StartWithSelected("07");
  WriteProfile("factory");
  Apply();
  EXPECT_TRUE(TakeCommands().empty()) << "refused before anything is written";
  EXPECT_EQ(ResultBox(), "参数文件要求写入工厂数据区，但工厂数据区的写入未开放：未写入变送器。");
  EXPECT_FALSE(std::filesystem::exists(services.files["report"]));

  user.Type({"txtPass", -1}, "telbusk");
  Apply();
  EXPECT_EQ(TakeCommands().back(), "07WF");
  EXPECT_EQ(t.factory_area(), t.present());
  EXPECT_EQ(ResultBox(), "参数已写入，读回校验通过。\n已保存到工厂数据区。");
}

TEST_F(SettingsApplyTest, ARefusedFileOrAMissingChoiceWritesNothing) {
  StartWithSelected("07");
  std::ofstream(services.files["profile"]) << "[Transmitter]\nUnit=4\nDecimalPoint=9\n";
  Apply();
  EXPECT_EQ(ResultBox(), "参数文件有误，未写入变送器：\n" + services.files["profile"] +
                             "\n第 3 行：DecimalPoint 应为 0 到 4 的整数，而不是“9”");

  WriteProfile("user");
  services.files.erase("report");  // the user cancelled the report's dialog
  Apply();
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_TRUE(TakeCommands().empty());

  services.files["profile"] = dir_ + "/missing.ini";
  Apply();
  EXPECT_EQ(ResultBox(), "无法读取参数文件：" + dir_ + "/missing.ini");
  EXPECT_TRUE(TakeCommands().empty());
}

// Where a file lets the apply down, the box says which and shows no information icon.
TEST_F(SettingsApplyTest, AFileThatLetsTheApplyDownIsNamedWithAWarning) {
  StartWithSelected("07");
  WriteProfile("none");
  const std::string good_profile = services.files["profile"];
  const std::string huge = dir_ + "/huge.ini";
  std::ofstream(huge) << std::ifstream(good_profile).rdbuf() << std::string(64 * 1024, ';') << "\n";
  const struct {
    std::string profile, report;
    std::string text;  // how the box's text ends
    bool written;      // whether the transmitter was written
  } cases[] = {
      {huge, dir_ + "/r.csv", "文件太大，不是参数文件（最大 64 KiB）：" + huge, false},
      {dir_ + "/missing.ini", dir_ + "/r.csv", "无法读取参数文件：" + dir_ + "/missing.ini", false},
      // A report that takes no writes is found out before the transmitter is touched.
      {good_profile, "/dev/full", "无法写入报告文件，未写入变送器：/dev/full", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.profile + " " + c.report);
    services.files["profile"] = c.profile;
    services.files["report"] = c.report;
    Apply();
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes.back().text, c.text);
    EXPECT_EQ(services.boxes.back().icon, ui::MessageBoxIcon::kExclamation);
    services.boxes.clear();
    EXPECT_EQ(TakeCommands().empty(), !c.written);
  }
}

TEST_F(SettingsApplyTest, ABoxThatKeepsTheFocusStopsTheApplyBeforeAnyFileIsAskedFor) {
  StartWithSelected("07");
  WriteProfile("user");
  user.Paste({"TXT_ADDR", -1}, "100");
  Apply();
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes.back().text, "地址设置参数错误，请重新输入！") << "the validation's own box";
  EXPECT_TRUE(services.file_requests.empty());
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(SettingsApplyTest, WithoutASelectedTransmitterNeitherItemAsksForAFile) {
  Start(1);
  for (const char* item : {"mnuApplyProfile", "mnuSaveProfile"}) {
    user.Click({item, -1});
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes.back().text, "请先搜索并选择一台变送器。");
    services.boxes.clear();
  }
  EXPECT_TRUE(services.file_requests.empty());
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(SettingsApplyTest, SavedSettingsAreWhatTheTransmitterHoldsAndApplyBackUnchanged) {
  simbus::Transmitter& t = StartWithSelected("07");
  t.present().unit = 3;
  t.present().dp = 2;
  t.present().range_high = 16;
  user.Paste({"TXT_DAH", -1}, "99");  // typed but never written: not saved
  user.Click({"mnuSaveProfile", -1});
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes.back().text, "参数已保存到 " + services.files["profile"]);
  services.boxes.clear();
  std::ifstream in(services.files["profile"]);
  std::stringstream text;
  text << in.rdbuf();
  const config::SettingsFileRead saved = config::ReadSettingsFile(text.str());
  ASSERT_TRUE(saved.settings) << saved.error;
  EXPECT_EQ(*saved.settings, (config::TransmitterSettings{3, 2, "+00.00", "+16.00", "+00.00", "+100.00",
                                                          config::StoreArea::kUser}));
  EXPECT_EQ(store.Get("Halvora", "Files", "profile"), services.files["profile"]);

  Apply();
  EXPECT_EQ(ResultBox(), "参数已写入，读回校验通过。\n已保存到用户数据区。");
  ASSERT_EQ(services.file_requests.size(), 3u);
  EXPECT_EQ(services.file_requests[0].purpose, ui::FilePurpose::kSave);
  EXPECT_EQ(services.file_requests[1].purpose, ui::FilePurpose::kOpen);
  EXPECT_EQ(services.file_requests[1].suggested, services.files["profile"]) << "the last choice";
  EXPECT_EQ(services.file_requests[2].purpose, ui::FilePurpose::kAppend);
}

// One reply of a passing apply lost (07 at version 1.50, the file of WriteProfile("user")):
//   1 UT4 | 2-18 the unit's read (TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0)
//   19-22 UT4 DP2 DL DH | 23-26 OL OH ZF FF | 27-43 the read-back | 44 WU
struct LostApplyReply {
  const char* what;
  std::uint64_t reply;
  const char* box;         // the result box starts so
  const char* difference;  // the report row holds it; empty when passed
  std::size_t commands;    // sent by the apply
};
void PrintTo(const LostApplyReply& c, std::ostream* os) { *os << c.reply << " " << c.what; }

constexpr const char* kPassedBox = "参数已写入，读回校验通过。";
constexpr const char* kNotWrittenBox = "读取变送器参数失败，未写入变送器：";
constexpr const char* kNotStoredBox = "读取变送器参数失败，未保存：";

class LostApplyReplyTest : public SettingsApplyTest, public ::testing::WithParamInterface<LostApplyReply> {};

// The changes the file asks for, as the transmitter hears them; nothing else may change it.
const std::vector<std::string> kAskedChanges = {"UT4", "DP2", "DL-05.00", "DH+16.00", "OH+16.00", "WU"};

TEST_P(LostApplyReplyTest, WritesOnlyWhatTheFileOrAnAnswerGaveAndStoresOnlyWhatWasVerified) {
  const LostApplyReply& lost = GetParam();
  simbus::Transmitter& t = StartWithSelected("07");
  WriteProfile("user");
  t.clear_heard();
  t.reset_fault_counters();
  t.faults() = {.only_reply = lost.reply};
  Apply();

  const Commands commands = TakeCommands();
  EXPECT_EQ(commands.size(), lost.commands);
  for (const std::string& change : testing_support::ChangesHeard(t))
    EXPECT_NE(std::find(kAskedChanges.begin(), kAskedChanges.end(), change), kAskedChanges.end()) << change;
  const std::string box = ResultBox();
  EXPECT_EQ(box.rfind(lost.box, 0), 0u) << box;
  const std::string row = ReportLines().back();
  if (*lost.difference == '\0') {
    EXPECT_NE(row.find(",user,passed,"), std::string::npos) << row;
  } else {
    EXPECT_NE(row.find(",failed,"), std::string::npos) << row;
    EXPECT_NE(row.find(lost.difference), std::string::npos) << row;
  }
}

INSTANTIATE_TEST_SUITE_P(
    OneReply, LostApplyReplyTest,
    ::testing::Values(
        // Lost where a later step sets the value again: the apply still passes.
        LostApplyReply{"unit echo of the choice", 1, kPassedBox, "", 44},
        LostApplyReply{"UT of the read before the writes", 11, kPassedBox, "", 44},
        LostApplyReply{"DP of the read before the writes", 14, kPassedBox, "", 44},
        LostApplyReply{"RP0 of the read-back", 42, kPassedBox, "", 44},
        // A value that would go back as read, or the version that opens the controls:
        // nothing is written after the unit.
        LostApplyReply{"VR of the read before the writes", 3, kNotWrittenBox, "Version /ERR 0", 18},
        LostApplyReply{"ZF of the read before the writes", 15, kNotWrittenBox, "Trim4mA /ERR 0", 18},
        LostApplyReply{"FF of the read before the writes", 16, kNotWrittenBox, "Trim20mA /ERR 0", 18},
        // An echo or a read-back lost: not verified, not stored.
        LostApplyReply{"unit echo of the write", 19, kNotStoredBox, "Unit 4/none", 43},
        LostApplyReply{"DL echo", 21, kNotStoredBox, "RangeLow -5/ERR 0", 43},
        LostApplyReply{"ZF echo", 25, kNotStoredBox, "Trim4mA +0000/ERR 0", 43},
        LostApplyReply{"TY of the read-back", 27, kNotStoredBox, "Type /ERR 0", 43},
        LostApplyReply{"UT of the read-back", 36, kNotStoredBox, "Unit 4/none", 43},
        LostApplyReply{"ID of the read-back", 38, kNotStoredBox, "Serial /ERR 0", 43},
        LostApplyReply{"DP of the read-back", 39, kNotStoredBox, "DecimalPoint 2/none", 43},
        LostApplyReply{"the store's confirmation", 44, "校验未通过，未保存到数据区。", "Store user/none",
                       44}));

// Any one reply of the apply lost: whatever the transmitter holds in its user data area is
// either what it held before or the whole file, verified.
class AnyLostApplyReplyTest : public SettingsApplyTest, public ::testing::WithParamInterface<int> {};

TEST_P(AnyLostApplyReplyTest, StoresTheWholeFileOrNothing) {
  simbus::Transmitter& t = StartWithSelected("07");
  const simbus::Settings before = t.user_area();
  WriteProfile("user");
  t.clear_heard();
  t.reset_fault_counters();
  t.faults() = {.only_reply = static_cast<std::uint64_t>(GetParam())};
  Apply();
  for (const std::string& change : testing_support::ChangesHeard(t))
    EXPECT_NE(std::find(kAskedChanges.begin(), kAskedChanges.end(), change), kAskedChanges.end()) << change;
  const simbus::Settings& stored = t.user_area();
  if (stored != before) {
    EXPECT_EQ(std::tuple(stored.unit, stored.dp, stored.range_low, stored.range_high, stored.output_high),
              std::tuple(4, 2, -5.0, 16.0, 16.0));
  }
  ResultBox();
}

INSTANTIATE_TEST_SUITE_P(EachReply, AnyLostApplyReplyTest, ::testing::Range(1, 45));

}  // namespace
