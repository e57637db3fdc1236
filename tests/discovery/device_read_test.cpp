#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text/ansi_codepage.h"
#include "tests/support/dravon_fixture.h"

namespace {

class DeviceReadTest : public testing_support::DravonFixture {
 protected:
  // A finished search that found `transmitters` (address, band index), without running one.
  void Found(std::vector<shell::OnlineEntry> entries) {
    for (const auto& e : entries) (*this)["CMB_ADDR"].add_item(e.Addr);
    main.OnlineTable = std::move(entries);
  }
  std::string Text(std::string_view name) { return (*this)[name].text(); }
};

TEST_F(DeviceReadTest, AVersion200TransmitterShowsItsLimitsAndFixesTheRange) {
  simbus::Transmitter& t = AddTransmitter("01", 9600, "2.00");
  t.present().unit = 4;
  t.present().dp = 1;
  Start(1);
  Found({{"01", 3}});
  port.set_settings("1200,N,8,1");
  TakeCommands();

  user.Choose({"CMB_ADDR", -1}, 0);

  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"01TY", "01VR", "01OL", "01OH", "01SL", "01SH", "01FU",
                                                      "01DL", "01DH", "01UT", "01UT4", "01TY", "01ID", "01DP",
                                                      "01ZF", "01FF", "01RP0", "01RT0"}))
      << "17 reads in order; the unit just read differs from the empty list and is written back once";
  EXPECT_EQ(port.settings(), "9600,n,8,1");
  EXPECT_EQ(Text("TXT_ADDR"), "01");
  EXPECT_EQ(Text("TXT_BAND"), "9600");
  EXPECT_EQ(Text("TXT_VER"), "2.00");
  EXPECT_EQ(Text("TXT_TYPE"), "86000000");
  EXPECT_EQ(Text("TXT_SCZ"), "+000.0");
  EXPECT_EQ(Text("TXT_SCF"), "+250.0");
  EXPECT_EQ(Text("TXT_FUNIT"), "kPa") << "the limit unit, not the range unit";
  EXPECT_EQ(Text("TXT_DPL"), "+000.0");
  EXPECT_EQ(Text("TXT_DPH"), "+100.0");
  EXPECT_EQ((*this)["cmbUnit"].text(), "psi");
  EXPECT_EQ((*this)["Label3"].caption(), "psi");
  EXPECT_FALSE((*this)["TXT_DPL"].enabled());
  EXPECT_FALSE((*this)["TXT_DPH"].enabled());
  EXPECT_FALSE((*this)["Cmb_DP"].enabled());
  EXPECT_TRUE((*this)["cmbUnit"].enabled()) << "enabled again after the read";
  EXPECT_EQ((*this)["Cmb_DP"].text(), "000.0");
  EXPECT_EQ(Text("TXT_DAZF"), "+0000");
  EXPECT_EQ(Text("txtID"), Text("TXT_ID"));
  EXPECT_EQ(Text("txtMAX"), Text("TXT_PRESSURE"));
  EXPECT_EQ(Text("txtMIN"), Text("TXT_PRESSURE"));
  EXPECT_GT(Text("TXT_PRESSURE").size(), 5u);
  EXPECT_EQ(Text("TXT_TEMPERATURE").find('.'), Text("TXT_TEMPERATURE").size() - 2) << "one decimal";
}

// The window repaints in every wait of the read: nobody looks at a frozen window for the
// seconds seventeen exchanges take at 1200 baud, and the boxes fill as the replies come.
TEST_F(DeviceReadTest, TheWindowRepaintsInEveryWaitOfTheReadShowingTheValuesSoFar) {
  AddTransmitter("01", 1200, "2.00");
  Start(1);
  Found({{"01", 0}});
  TakeCommands();
  std::vector<std::size_t> frames_at_repaint;
  std::vector<std::string> version_at_repaint;
  services.on_repaint = [&] {
    frames_at_repaint.push_back(frames.size());
    version_at_repaint.push_back(Text("TXT_VER"));
  };
  const std::uint64_t start_ms = now_ms();
  user.Choose({"CMB_ADDR", -1}, 0);
  const std::size_t exchanges = TakeCommands().size();
  ASSERT_GE(exchanges, 17u);
  EXPECT_GT(now_ms() - start_ms, 1000u) << "the read takes a while at 1200 baud";
  // Every exchange waited at least once with the window repainting.
  for (std::size_t n = 1; n <= exchanges; ++n) {
    EXPECT_NE(std::find(frames_at_repaint.begin(), frames_at_repaint.end(), n), frames_at_repaint.end())
        << "no repaint while exchange " << n << " waited";
  }
  EXPECT_NE(version_at_repaint.front(), "2.00") << "nothing read yet at the first wait";
  EXPECT_EQ(version_at_repaint.back(), "2.00") << "the version shows while later exchanges wait";
}

TEST_F(DeviceReadTest, AnOlderTransmitterShowsItsRangeAndUnitAndKeepsTheBoxesEditable) {
  simbus::Transmitter& t = AddTransmitter("05", 4800, "1.50");
  t.present().unit = 1;
  Start(1);
  Found({{"05", 2}});
  user.Choose({"CMB_ADDR", -1}, 0);
  const std::vector<std::string> commands = TakeCommands();
  ASSERT_GE(commands.size(), 8u);
  EXPECT_EQ(commands[4], "05DL");
  EXPECT_EQ(commands[5], "05DH");
  EXPECT_EQ(commands[6], "05UT");
  EXPECT_EQ(Text("TXT_FUNIT"), "MPa") << "UnitNames spells it MPa";
  EXPECT_EQ((*this)["Label3"].caption(), "Mpa") << "the list spells it Mpa";
  EXPECT_TRUE((*this)["TXT_DPL"].enabled());
  EXPECT_TRUE((*this)["Cmb_DP"].enabled());
  EXPECT_EQ(port.settings(), "4800,n,8,1");
}

TEST_F(DeviceReadTest, AnAbsentTransmitterShowsTheFailureInEveryFieldAndWritesNothing) {
  Start(1);
  Found({{"09", 3}});
  user.Choose({"CMB_ADDR", -1}, 0);
  for (const char* box : {"TXT_TYPE", "TXT_VER", "TXT_DAL", "TXT_DAH", "TXT_SCZ", "TXT_SCF", "TXT_FUNIT",
                          "TXT_DPL", "TXT_DPH", "txtType", "TXT_ID", "txtID", "TXT_DAZF", "TXT_DAFF",
                          "TXT_PRESSURE", "txtMIN", "txtMAX", "TXT_TEMPERATURE"})
    EXPECT_EQ(Text(box), "ERR 0\r") << box << ": a failed read is no value of 0";
  EXPECT_EQ((*this)["cmbUnit"].list_index(), -1) << "no code came, so none is chosen";
  EXPECT_EQ((*this)["Cmb_DP"].list_index(), -1);
  EXPECT_EQ((*this)["StatusBar1"].panel_text(1), "读取失败 17 项");
  EXPECT_TRUE((*this)["TXT_DPL"].enabled());
  EXPECT_EQ(TakeCommands().size(), 17u) << "no unit written back";
  EXPECT_EQ(now_ms(), 17u * 100u) << "17 reads, each waiting out its time-out";
}

TEST_F(DeviceReadTest, AnEntryFoundAtAnotherRateSwitchesThePortFirst) {
  AddTransmitter("12", 1200);
  Start(1);
  Found({{"03", 3}, {"12", 0}});
  user.Choose({"CMB_ADDR", -1}, 1);
  EXPECT_EQ(port.settings(), "1200,n,8,1");
  EXPECT_EQ((*this)["CMB_BAND"].text(), "1200");
  EXPECT_EQ(Text("TXT_ADDR"), "12");
  EXPECT_EQ(Text("TXT_VER"), "1.50");
}

TEST_F(DeviceReadTest, UnitAndDecimalCodesOutsideTheTablesNeverIndexPastThem) {
  simbus::Transmitter& t = AddTransmitter("01", 9600, "1.50");
  Start(1);
  Found({{"01", 3}});
  user.Choose({"CMB_ADDR", -1}, 0);
  ASSERT_EQ((*this)["cmbUnit"].text(), "kPa");
  t.present().unit = 40;  // firmware fault: no such unit
  t.present().dp = 9;
  user.Choose({"CMB_ADDR", -1}, 0);
  EXPECT_EQ(Text("TXT_FUNIT"), "40") << "shown as it came";
  EXPECT_EQ((*this)["cmbUnit"].text(), "kPa") << "the list keeps its selection";
  EXPECT_EQ((*this)["Cmb_DP"].text(), "000.0");
}

TEST_F(DeviceReadTest, AReplyWithDoubleByteCharactersIsCutByCharacters) {
  // A transmitter at the address "啊" whose type code is "阿XY" answers "*啊阿XY" + checksum + CR
  // (two lead bytes that cancel in the XOR, so the checksum has the two digits the check expects).
  AddTransmitter(platform::Utf8ToAnsi("啊"), 9600).present().type = platform::Utf8ToAnsi("阿XY");
  Start(1);
  Found({{"啊", 3}});
  user.Choose({"CMB_ADDR", -1}, 0);
  EXPECT_EQ(Text("TXT_TYPE"), "XY");
}

TEST_F(DeviceReadTest, NoSelectedEntryMeansNoRead) {
  Start(1);
  user.Click({"cmdReFresh", -1});
  (*this)["CMB_ADDR"].add_item("01");  // an entry without its table row
  user.Choose({"CMB_ADDR", -1}, 0);
  EXPECT_TRUE(TakeCommands().empty());
}

}  // namespace
