// What the user can do, through the same actions both front-ends forward: focus and
// validation, key presses, typing limits, and the clear refusals for controls out of reach.

#include "platform/ui/user_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_window.h"

namespace ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ui::ActionStatus;
using ui::ControlId;

class CountingServices final : public ui::UiServices {
 public:
  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest& request) override {
    shown.push_back(request.text);
    return ui::FirstButton(request.buttons);
  }
  void DoEvents() override {}
  void TimerChanged(ui::Control&) override {}
  ui::TimeOfDay Now() override { return {}; }
  std::vector<std::string> shown;
};

class UserActionsTest : public ::testing::Test {
 protected:
  UserActionsTest() {
    t.window.AttachServices(services);
    t.window.Load();
  }
  std::string Text(const char* name) { return t.window.At(name).text(); }

  RecordingClock clock;
  TestWindow t{clock};
  CountingServices services;
  ui::UserActions user{t.window};
};

TEST_F(UserActionsTest, ValidationKeepsTheFocusAndSwallowsTheClick) {
  ASSERT_EQ(user.Clear({"txtDelay"}).status, ActionStatus::kDone);
  EXPECT_EQ(user.Click({"cmdSend"}).status, ActionStatus::kRefused);
  EXPECT_EQ(user.Choose({"cboPort"}, 1).status, ActionStatus::kRefused);
  EXPECT_EQ(t.window.SetFocus(t["txtSend"]), ui::FocusMove::kRefused);  // SetFocus from code too
  EXPECT_EQ(t.window.focused(), &t["txtDelay"]);
  EXPECT_THAT(services.shown, ElementsAre("Time-out cannot be empty!", "Time-out cannot be empty!",
                                          "Time-out cannot be empty!"));
  EXPECT_THAT(t.log, ElementsAre("txtDelay_Change"));  // no click, no selection
  EXPECT_EQ(t["cboPort"].list_index(), -1);

  // A menu item or a label takes no focus, so nothing validates and its click runs.
  EXPECT_EQ(user.Click({"mnuAbout"}).status, ActionStatus::kDone);
  EXPECT_EQ(user.Click({"lblCount"}).status, ActionStatus::kDone);
  EXPECT_EQ(services.shown.size(), 3u);

  ASSERT_EQ(user.Type({"txtDelay"}, "9").status, ActionStatus::kDone);
  EXPECT_EQ(user.Click({"cmdSend"}).status, ActionStatus::kDone);
  EXPECT_EQ(t.window.focused(), &t["cmdSend"]);
  EXPECT_EQ(t.log.back(), "cmdSend_Click");
}

TEST_F(UserActionsTest, UserChoiceAlwaysClicksEvenTheSameItem) {
  user.Choose({"cboPort"}, 2);
  user.Choose({"cboPort"}, 2);
  EXPECT_THAT(t.log, ElementsAre("cboPort_Click 2", "cboPort_Click 2"));
  EXPECT_THAT(user.Choose({"cboPort"}, 3).error, HasSubstr("no item 3"));
}

TEST_F(UserActionsTest, ClicksToggleCheckBoxesSelectOptionsAndScrollsChangeOnANewValue) {
  user.Click({"chkSame"});
  user.Click({"chkSame"});
  user.Click({"optCrc", 0});
  user.Click({"optCrc", 0});
  EXPECT_EQ(t["chkSame"].value(), 0);
  EXPECT_TRUE(t.window.At("optCrc", 0).selected());
  EXPECT_FALSE(t.window.At("optCrc", 1).selected());
  user.Scroll({"vsTrim"}, 1);
  user.Scroll({"vsTrim"}, 1);  // the same value: no change
  EXPECT_EQ(t.window.focused(), &t["vsTrim"]);
  EXPECT_THAT(t.log, ElementsAre("chkSame_Click", "chkSame_Click", "optCrc_Click 0", "optCrc_Click 0",
                                 "vsTrim_Change"));
}

TEST_F(UserActionsTest, KeyPressHandlerDiscardsOrReplacesKeys) {
  user.Clear({"txtDelay"});
  t.log.clear();
  user.Type({"txtDelay"}, "1a -2.3");
  EXPECT_EQ(Text("txtDelay"), "123");
  EXPECT_EQ(t.log.size(), 3u);  // one change per accepted character
  user.Key({"txtDelay"}, 8);
  EXPECT_EQ(Text("txtDelay"), "12");

  user.Type({"txtSend"}, "01rp0");
  EXPECT_EQ(Text("txtSend"), "$01RP0");
  user.Key({"txtSend"}, 13);  // Enter reaches the handler and types nothing
  EXPECT_EQ(Text("txtSend"), "$01RP0");
  EXPECT_EQ(t.log.back(), "send");
}

TEST_F(UserActionsTest, MaxLengthStopsTypingAndCutsPastingInCharacters) {
  user.Type({"txtDelay"}, "12");
  EXPECT_EQ(Text("txtDelay"), "2501");
  t["txtDelay"].set_text("温度");
  user.Type({"txtDelay"}, "123");
  EXPECT_EQ(Text("txtDelay"), "温度12");  // the limit counts characters, not bytes
  user.Paste({"txtDelay"}, "12ab5");
  EXPECT_EQ(Text("txtDelay"), "12ab");  // no key filtering, but the limit holds
  t["txtSend"].set_text("温度");
  user.Key({"txtSend"}, 8);
  EXPECT_EQ(Text("txtSend"), "温");  // backspace removes a whole character
  t.log.clear();
  user.Paste({"txtSend"}, "温");
  EXPECT_TRUE(t.log.empty());  // same text: no change
}

TEST_F(UserActionsTest, EditableListTakesTypingAndLosesItsSelection) {
  user.Type({"cboBaud"}, "1");
  EXPECT_EQ(Text("cboBaud"), "96001");
  EXPECT_EQ(t["cboBaud"].list_index(), -1);
  user.Clear({"cboBaud"});
  user.Type({"cboBaud"}, "14400");
  EXPECT_EQ(Text("cboBaud"), "14400");
  EXPECT_EQ(t.log.size(), 7u);  // one change per character and one for the clear
  EXPECT_THAT(user.Type({"cboPort"}, "x").error, HasSubstr("holds no typed text"));
}

TEST_F(UserActionsTest, ReadOnlyBoxRefusesEditsButItsKeysStillArrive) {
  int keys = 0;
  t["txtShown"].on_key_press([&](ui::UiServices&, int&) { ++keys; });
  EXPECT_THAT(user.Type({"txtShown"}, "1").error, HasSubstr("read-only"));
  EXPECT_THAT(user.Paste({"txtShown"}, "1").error, HasSubstr("read-only"));
  EXPECT_EQ(user.Key({"txtShown"}, '1').status, ActionStatus::kDone);
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(Text("txtShown"), "PRESSURE");
}

TEST_F(UserActionsTest, ControlsOutOfReachGiveClearErrors) {
  t["fraCrc"].set_enabled(false);
  t["cmdSend"].set_enabled(false);
  EXPECT_EQ(user.Click({"cmdSend"}).error, "cmdSend is disabled");
  EXPECT_EQ(user.Click({"cmdHidden"}).error, "cmdHidden is hidden");
  EXPECT_EQ(user.Click({"optCrc", 0}).error, "optCrc(0) is disabled (fraCrc around it is disabled)");
  EXPECT_EQ(user.Click({"cmdNone"}).error, "unknown control: cmdNone");
  EXPECT_THAT(user.Click({"optCrc"}).error, HasSubstr("write optCrc(INDEX)"));
  EXPECT_THAT(user.Click({"cboPort"}).error, HasSubstr("choose"));
  EXPECT_THAT(user.Focus({"lblCount"}).error, HasSubstr("cannot take the focus"));
  EXPECT_THAT(user.Scroll({"vsTrim"}, 6000).error, HasSubstr("goes from -5000 to 5000"));
  EXPECT_THAT(user.Key({"txtSend"}, -1).error, HasSubstr("no key"));
  EXPECT_TRUE(t.log.empty());
  EXPECT_FALSE(t.window.At("optCrc", 0).selected());
}

TEST_F(UserActionsTest, CloseAsksQueryUnloadAndAClosedWindowTakesNoActions) {
  t["cmdSearch"].set_caption("Stop");
  EXPECT_EQ(user.Close().status, ActionStatus::kRefused);
  EXPECT_FALSE(t.window.closed());
  t["cmdSearch"].set_caption("Search");
  EXPECT_EQ(user.Close().status, ActionStatus::kDone);
  EXPECT_EQ(user.Click({"cmdSend"}).error, "the window is closed");
  EXPECT_EQ(user.BackgroundClick().error, "the window is closed");
}

}  // namespace
// Undo takes back a run of typing (or of erasing) at once, as an ordinary text box does;
// a moved caret, a paste or a key over a selection starts a new step.
TEST_F(UserActionsTest, UndoTakesBackRunsOfTypingNotSingleCharacters) {
  struct Step {
    enum Kind { kType, kBackspace, kDelete, kCaret, kSelectAll, kPaste } kind;
    std::string text;  // typed or pasted
    int at = 0;        // kCaret: where the caret goes
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::vector<std::string> after_each_undo;  // from "$" as the box starts
  };
  using S = Step;
  const Case cases[] = {
      {"one run of typing", {{S::kType, "01RP0"}}, {"$", "$"}},
      {"typing, then erasing",
       {{S::kType, "01RP"}, {S::kBackspace, ""}, {S::kBackspace, ""}},
       {"$01RP", "$"}},
      {"a moved caret starts a new run",
       {{S::kType, "01"}, {S::kCaret, "", 1}, {S::kType, "AB"}},
       {"$01", "$"}},
      {"a paste is a step of its own between runs",
       {{S::kType, "01"}, {S::kPaste, "RP"}, {S::kType, "0"}},
       {"$01RP", "$01", "$"}},
      {"a key over a selection starts a run the next keys go on",
       {{S::kType, "01"}, {S::kSelectAll, ""}, {S::kType, "AD"}},
       {"$01", "$"}},
      {"the Delete key runs like the backspace",
       {{S::kType, "0123"}, {S::kCaret, "", 1}, {S::kDelete, ""}, {S::kDelete, ""}},
       {"$0123", "$"}},
      {"Backspace and Delete are runs of their own",
       {{S::kType, "0123"}, {S::kCaret, "", 3}, {S::kBackspace, ""}, {S::kDelete, ""}},
       {"$023", "$0123", "$"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ui::ControlId box{"txtSend", -1};
    t.window.At("txtSend").set_text("");  // text from code: no edit of the case before to undo
    t.window.At("txtSend").set_text("$");
    ASSERT_EQ(user.Select(box, {1, 1}).status, ui::ActionStatus::kDone);
    for (const Step& step : c.steps) {
      switch (step.kind) {
        case S::kType:
          for (const char ch : step.text) user.TypeAtCaret(box, std::string(1, ch));
          break;
        case S::kBackspace:
          user.KeyAtCaret(box, 8);
          break;
        case S::kDelete:
          user.Delete(box);
          break;
        case S::kCaret:
          user.Select(box, {step.at, step.at});
          break;
        case S::kSelectAll:
          user.Select(box, {0, static_cast<int>(Text("txtSend").size())});
          break;
        case S::kPaste:
          user.Insert(box, step.text);
          break;
      }
    }
    for (const std::string& expected : c.after_each_undo) {
      user.Undo(box);
      EXPECT_EQ(Text("txtSend"), expected);
    }
  }
}

}  // namespace ui_test
