// One reply of a full read lost: the box it fills shows the failure, a list keeps its
// selection (so no unit is written back), the status bar counts the failure, and the
// transmitter is changed by nothing, by its own record of what it heard.
#include <gtest/gtest.h>

#include "tests/support/dravon_fixture.h"

namespace {

struct LostRead {
  const char* read;     // the command whose reply is lost
  std::uint64_t reply;  // its place among the 17 replies of the read
  const char* control;
  const char* shown;  // what the control shows afterwards: the failure, or the list item kept
};
void PrintTo(const LostRead& r, std::ostream* os) { *os << r.reply << " " << r.read; }

constexpr const char* kFailure = "ERR 0\r";

// A transmitter older than "2.00" holding unit 5 (mBar) and decimal point 2.
const LostRead kLostReads[] = {
    {"TY", 1, "TXT_TYPE", kFailure},
    {"VR", 2, "TXT_VER", kFailure},
    {"OL", 3, "TXT_DAL", kFailure},
    {"OH", 4, "TXT_DAH", kFailure},
    {"DL", 5, "TXT_SCZ", kFailure},
    {"DH", 6, "TXT_SCF", kFailure},
    {"UT", 7, "TXT_FUNIT", kFailure},
    {"DL", 8, "TXT_DPL", kFailure},
    {"DH", 9, "TXT_DPH", kFailure},
    {"UT", 10, "cmbUnit", "mBar"},
    {"TY", 11, "txtType", kFailure},
    {"ID", 12, "TXT_ID", kFailure},
    {"DP", 13, "Cmb_DP", "00.00"},
    {"ZF", 14, "TXT_DAZF", kFailure},
    {"FF", 15, "TXT_DAFF", kFailure},
    {"RP0", 16, "TXT_PRESSURE", kFailure},
    {"RT0", 17, "TXT_TEMPERATURE", kFailure},
};

class LostReplyTest : public testing_support::DravonFixture,
                      public ::testing::WithParamInterface<std::tuple<const char*, LostRead>> {
 protected:
  simbus::Transmitter& SelectedTransmitter() {
    simbus::Transmitter& t = AddTransmitter("07", 9600, "1.50");
    t.present().unit = 5;
    t.present().dp = 2;
    Start(1);
    (*this)["CMB_ADDR"].add_item("07");
    main.OnlineTable = {{"07", 3}};
    user.Choose({"CMB_ADDR", -1}, 0);
    return t;
  }
};

TEST_P(LostReplyTest, ShowsTheFailureKeepsTheListsAndWritesNothing) {
  const auto& [action, lost] = GetParam();
  simbus::Transmitter& t = SelectedTransmitter();
  const simbus::Settings before = t.present();
  t.clear_heard();
  t.reset_fault_counters();
  t.faults() = {.only_reply = lost.reply};
  TakeCommands();
  if (std::string(action) == "refresh") {
    user.Click({"cmdReFresh", -1});
  } else {
    user.Choose({"CMB_ADDR", -1}, 0);
  }

  const std::vector<std::string> commands = TakeCommands();
  ASSERT_EQ(commands.size(), 17u) << "the read alone: no unit written back";
  EXPECT_EQ(commands[lost.reply - 1], std::string("07") + lost.read);
  EXPECT_EQ((*this)[lost.control].text(), lost.shown);
  EXPECT_TRUE(testing_support::ChangesHeard(t).empty());
  EXPECT_EQ(t.present(), before);
  EXPECT_EQ((*this)["StatusBar1"].panel_text(1), "读取失败 1 项");

  user.Click({"cmdReFresh", -1});  // the next read, answered whole, takes the count back
  EXPECT_EQ((*this)["StatusBar1"].panel_text(1), "参数读取完毕");
  EXPECT_NE((*this)[lost.control].text(), kFailure);
}

INSTANTIATE_TEST_SUITE_P(EachRead, LostReplyTest,
                         ::testing::Combine(::testing::Values("refresh", "selection"),
                                            ::testing::ValuesIn(kLostReads)));

}  // namespace
