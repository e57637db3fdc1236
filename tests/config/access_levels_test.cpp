// The access codes typed into txtPass and the views they switch to.
#include <gtest/gtest.h>

#include <map>

#include "tests/config/config_fixture.h"

namespace {

// What the codes switch, grouped as the user sees it.
struct View {
  bool temperature;  // lblTEMP and TXT_TEMPERATURE shown
  bool min_max;      // lblMIN, lblMAX, txtMIN, txtMAX shown
  bool console;      // Frame_Command and its five controls enabled
  bool factory;      // CMD_FACT shown and enabled, chkSame shown
};

constexpr View kStartUp{true, false, true, false};
constexpr View kViewLevel{true, true, true, false};
constexpr View kFactoryLevel{true, true, true, true};
constexpr View kHidden{false, false, false, false};

using States = std::map<std::string, bool>;

class AccessLevelsTest : public config_test::ConfigFixture {
 protected:
  // Each switched control's state against what the view wants of it, so a control left
  // behind shows up by name.
  std::pair<States, States> ObservedAndExpected(View v) {
    States observed, expected;
    auto check = [&](const char* name, bool shown_or_enabled, bool want) {
      observed[name] = shown_or_enabled;
      expected[name] = want;
    };
    for (const char* name : {"lblTEMP", "TXT_TEMPERATURE"})
      check(name, (*this)[name].visible(), v.temperature);
    for (const char* name : {"lblMIN", "lblMAX", "txtMIN", "txtMAX"})
      check(name, (*this)[name].visible(), v.min_max);
    for (const char* name : {"Frame_Command", "lblIns1", "lblIns2", "txtReturn", "Cmd_INS", "txtInsSend"})
      check(name, (*this)[name].enabled(), v.console);
    check("chkSame", (*this)["chkSame"].visible(), v.factory);
    check("CMD_FACT shown", (*this)["CMD_FACT"].visible(), v.factory);
    check("CMD_FACT enabled", (*this)["CMD_FACT"].enabled(), v.factory);
    return {observed, expected};
  }
  void ExpectView(View v, const char* why = "") {
    const auto [observed, expected] = ObservedAndExpected(v);
    EXPECT_EQ(observed, expected) << why;
  }
  // As the user enters a code: a click on the background, then the letters.
  void Enter(const char* code) {
    user.BackgroundClick();
    user.Type({"txtPass", -1}, code);
  }
};

TEST_F(AccessLevelsTest, EachCodeMovesTheWindowToItsViewFromWhereverItWas) {
  Start(0);
  ExpectView(kStartUp);
  Enter("qarnivo");
  ExpectView(kViewLevel);
  Enter("telbusk");
  ExpectView(kFactoryLevel);
  Enter("qarnivo");
  ExpectView(kFactoryLevel, "it does not hide what it does not show");
  Enter("mordyne");
  ExpectView(kHidden);
  Enter("qarnivo");
  ExpectView(kViewLevel);
  Enter("telbusk");
  Enter("telbusk");
  ExpectView(kFactoryLevel, "the same code twice, the same view");
  EXPECT_EQ((*this)["txtPass"].text(), "telbusk") << "left as typed";
  EXPECT_TRUE(TakeCommands().empty()) << "nothing goes to a transmitter";
}

TEST_F(AccessLevelsTest, TheHideCodeAtStartUpHidesTheTemperatureAndLocksTheConsole) {
  Start(0);
  Enter("mordyne");
  ExpectView(kHidden);
  EXPECT_EQ(user.Click({"Cmd_INS", -1}).status, ui::ActionStatus::kError) << "the console cannot be used";
  EXPECT_TRUE((*this)["Label4"].visible()) << "the codes leave the rest alone";
  EXPECT_TRUE((*this)["TXT_PRESSURE"].visible());
  EXPECT_FALSE((*this)["cmdReset"].visible());
}

TEST_F(AccessLevelsTest, CodesAreRecognisedInAnyLetterCase) {
  Start(0);
  Enter("QARNIVO");
  ExpectView(kViewLevel);
  Enter("TelBusK");
  ExpectView(kFactoryLevel);
  Enter("MorDyne");
  ExpectView(kHidden);
}

TEST_F(AccessLevelsTest, OnlyTheWholeTextCountsAndItActsOnTheCompletingKeystroke) {
  Start(0);
  for (const char* text : {" qarnivo", "qarnivo ", "xqarnivo", "qarnivox", "qarniv", "telbuskmordyne"}) {
    user.Paste({"txtPass", -1}, text);
    ExpectView(kStartUp, text);
  }
  user.BackgroundClick();
  user.Type({"txtPass", -1}, "telbus");
  ExpectView(kStartUp);
  user.Key({"txtPass", -1}, 'k');
  ExpectView(kFactoryLevel, "the completing keystroke");
  user.Type({"txtPass", -1}, "mordyne");
  EXPECT_EQ((*this)["txtPass"].text(), "telbuskmordyne");
  ExpectView(kFactoryLevel, "typing on past a code changes nothing");
  user.Key({"txtPass", -1}, 8);
  ExpectView(kFactoryLevel);
}

TEST_F(AccessLevelsTest, TheHideCodeClearsTheSameSettingsTickSoTheNextStoreIsOnlyLocal) {
  Start(1);
  Enter("telbusk");
  user.Click({"chkSame", -1});
  ASSERT_EQ((*this)["chkSame"].value(), 1);
  Enter("mordyne");
  EXPECT_EQ((*this)["chkSame"].value(), 0);
  Enter("telbusk");
  EXPECT_EQ((*this)["chkSame"].value(), 0) << "shown again, still clear";
  TakeCommands();
  user.Click({"CMD_FACT", -1});
  EXPECT_EQ(TakeCommands(), std::vector<std::string>{"WF"}) << "no copy to every transmitter";
}

}  // namespace
