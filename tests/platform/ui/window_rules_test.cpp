// Event rules of the window model as handlers see them: what setting a property from
// code sets off, option groups, reach through frames, and the control table.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "test_window.h"

namespace ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WindowRules : public ::testing::Test {
 protected:
  RecordingClock clock;
  TestWindow t{clock};
};

TEST_F(WindowRules, ListSelectionFromCodeRunsClickBeforeReturningAndOnlyOnChange) {
  ui::Control& port = t["cboPort"];
  EXPECT_TRUE(port.set_list_index(1));
  EXPECT_THAT(t.log, ElementsAre("cboPort_Click 1"));  // ran inside the assignment, saw the new index
  EXPECT_EQ(port.text(), "Com2");
  EXPECT_EQ(port.item_data(port.list_index()), 2);
  EXPECT_TRUE(port.set_list_index(1));
  EXPECT_THAT(t.log, ElementsAre("cboPort_Click 1"));  // unchanged selection: no click
  EXPECT_FALSE(port.set_list_index(3));                // outside the items: refused, nothing runs
  EXPECT_FALSE(port.set_text("Com9"));
  EXPECT_TRUE(port.set_text("Com3"));  // a fixed list's text selects the item
  EXPECT_THAT(t.log, ElementsAre("cboPort_Click 1", "cboPort_Click 2"));
}

TEST_F(WindowRules, SelectionSetInsideAClickHandlerRunsItsHandlerThereAndThen) {
  t["cboBaud"].on_click([&](ui::UiServices&) {
    t.log.push_back("baud begins");
    t["cboPort"].set_list_index(0);
    t.log.push_back("baud ends");
  });
  t["cboBaud"].set_list_index(1);
  EXPECT_THAT(t.log, ElementsAre("baud begins", "cboPort_Click 0", "baud ends"));
}

TEST_F(WindowRules, ListEditsKeepTheSelectionOnTheSameItem) {
  ui::Control& port = t["cboPort"];
  port.set_list_index(2);
  port.remove_item(0);
  EXPECT_EQ(port.list_index(), 1);
  EXPECT_EQ(port.text(), "Com3");
  port.remove_item(1);
  EXPECT_EQ(port.list_index(), -1);
  EXPECT_EQ(port.text(), "");
  EXPECT_THAT(t.log, ElementsAre("cboPort_Click 2"));  // none of the edits is a click
}

TEST_F(WindowRules, TextAndScrollValueFromCodeRunChangeOnlyWhenDifferent) {
  t["txtSend"].set_text("$01RP0");
  t["txtSend"].set_text("$01RP0");
  t["vsTrim"].set_value(-1);
  t["vsTrim"].set_value(-1);
  EXPECT_FALSE(t["vsTrim"].set_value(5001));
  EXPECT_THAT(t.log, ElementsAre("txtSend_Change", "vsTrim_Change"));
  t["vsTrim"].set_max(-2);  // the value moves into the new range, which is a change
  EXPECT_EQ(t["vsTrim"].value(), -2);
  EXPECT_EQ(t.log.back(), "vsTrim_Change");
}

TEST_F(WindowRules, CheckBoxAndOptionFromCodeRunClickAndOptionsClearTheirFrameOnly) {
  EXPECT_TRUE(t["chkSame"].set_value(1));
  EXPECT_FALSE(t["chkSame"].set_value(2));
  t.window.At("optCrc", 0).set_selected(true);
  EXPECT_THAT(t.log, ElementsAre("chkSame_Click", "optCrc_Click 0"));
  EXPECT_FALSE(t.window.At("optCrc", 1).selected());
  EXPECT_TRUE(t["optMode"].selected());  // in another container, so another group
  t.window.At("optCrc", 0).set_selected(true);
  EXPECT_EQ(t.log.size(), 2u);  // already selected: no click
}

TEST_F(WindowRules, ReachFollowsFramesButOwnPropertiesStay) {
  ui::Control& option = t.window.At("optCrc", 0);
  t["fraCrc"].set_enabled(false);
  EXPECT_TRUE(option.enabled());
  EXPECT_FALSE(t.window.IsUsable(option));
  EXPECT_EQ(t.window.DisabledBy(option), &t["fraCrc"]);
  t["fraLine"].set_visible(false);
  EXPECT_FALSE(t.window.IsShown(t["cboPort"]));
  EXPECT_EQ(t.window.HiddenBy(t["cboPort"]), &t["fraLine"]);
}

TEST_F(WindowRules, FocusedControlGoingOutOfReachLosesTheFocusWithoutValidation) {
  t["txtDelay"].set_text("");
  ASSERT_EQ(t.window.SetFocus(t["txtDelay"]), ui::FocusMove::kMoved);
  t["txtDelay"].set_visible(false);
  EXPECT_EQ(t.window.focused(), nullptr);
}

TEST_F(WindowRules, LoadRunsOnceAndFocusesTheFirstControlThatCanTakeIt) {
  int loads = 0;
  t.window.on_load([&](ui::UiServices&) { ++loads; });
  t.window.Load();
  t.window.Load();
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(t.window.focused(), &t["cboPort"]);  // the frame before it never takes the focus
}

TEST_F(WindowRules, TheTableRefusesControlsItCouldNotHold) {
  using K = ControlKind;
  for (const ui::ControlDesign& design : std::initializer_list<ui::ControlDesign>{
           {.kind = K::kButton, .name = "cmdSend"},
           {.kind = K::kButton, .name = "optCrc"},
           {.kind = K::kButton, .name = "cmd go"},
           {.kind = K::kButton, .name = "cmdX", .parent = "fraNone"},
           {.kind = K::kButton, .name = "cmdX", .parent = "cmdSend"},
           {.kind = K::kMenuItem, .name = "mnuX", .parent = "fraCrc"},
           {.kind = K::kList, .name = "cboX", .items = {"a"}, .list_index = 1}}) {
    EXPECT_THROW(t.window.Add(design), std::invalid_argument) << design.name;
  }
  EXPECT_THROW(t.window.At("cmdNone"), std::out_of_range);
}

}  // namespace
}  // namespace ui_test
