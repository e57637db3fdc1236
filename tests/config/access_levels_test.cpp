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

class AccessLevelsTest : public config_test::ConfigFixture {
 protected:
  // Each switched control's state against what the view wants of it, so a control left
  // behind shows up by name.
  void ExpectView(View v) {
    std::map<std::string, bool> observed, expected;
    auto check = [&](const std::string& name, bool state, bool want) {
      observed[name] = state;
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
    EXPECT_EQ(observed, expected);
  }
  // As the user enters a code: a click on the background, then the letters.
  void Enter(const char* code) {
    user.BackgroundClick();
    user.Type({"txtPass", -1}, code);
  }
};

TEST_F(AccessLevelsTest, EachCodeInAnyLetterCaseMovesTheWindowToItsViewFromWhereverItWas) {
  Start(0);
  ExpectView(kStartUp);
  const std::pair<const char*, View> steps[] = {
      {"mordyne", kHidden},       {"MORDYNE", kHidden},       {"qarnivo", kViewLevel},
      {"QARNIVO", kViewLevel},    {"MorDyne", kHidden},       {"qarnivo", kViewLevel},
      {"TelBusK", kFactoryLevel}, {"telbusk", kFactoryLevel}, {"qarnivo", kFactoryLevel},
      {"mordyne", kHidden},       {"telbusk", kFactoryLevel},
  };
  for (const auto& [code, view] : steps) {
    SCOPED_TRACE(code);
    Enter(code);
    ExpectView(view);
  }
  EXPECT_EQ((*this)["txtPass"].text(), "telbusk") << "left as typed";
  EXPECT_TRUE(TakeCommands().empty()) << "nothing goes to a transmitter";
}

TEST_F(AccessLevelsTest, OnlyTheWholeTextCountsAndItActsOnTheCompletingKeystroke) {
  Start(0);
  for (const char* text : {" qarnivo", "qarnivo ", "xqarnivo", "qarnivox", "qarniv", "telbuskmordyne"}) {
    user.Paste({"txtPass", -1}, text);
    SCOPED_TRACE(text);
    ExpectView(kStartUp);
  }
  user.BackgroundClick();
  user.Type({"txtPass", -1}, "qarniv");
  ExpectView(kStartUp);
  user.Key({"txtPass", -1}, 'o');
  ExpectView(kViewLevel);
  user.Type({"txtPass", -1}, "mordyne");
  ExpectView(kViewLevel);  // typing on past a code changes nothing
}

TEST_F(AccessLevelsTest, TheHideCodeClearsTheSameSettingsTickSoTheNextStoreIsOnlyLocal) {
  Start(1);
  Enter("telbusk");
  ExpectView(kFactoryLevel);
  user.Click({"chkSame", -1});
  ASSERT_EQ((*this)["chkSame"].value(), 1);
  Enter("mordyne");
  Enter("telbusk");
  EXPECT_EQ((*this)["chkSame"].value(), 0);
  TakeCommands();
  user.Click({"CMD_FACT", -1});
  EXPECT_EQ(TakeCommands(), std::vector<std::string>{"WF"}) << "no copy to every transmitter";
}

}  // namespace
