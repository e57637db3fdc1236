// Scripts end to end: what the headless mode prints for state, message boxes, refusals
// and errors, and how scheduled commands arrive inside a handler's DoEvents and during waits.

#include "platform/ui/headless/headless_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <stdexcept>

#include "test_window.h"

namespace ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class HeadlessRun : public ::testing::Test {
 protected:
  // Runs `script`; returns the printed lines.
  std::vector<std::string> Run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    EXPECT_EQ(ui::headless::HeadlessDriver(t.window, clock, in, out, ui::TimeOfDay{23, 59, 58}).Run(), 0);
    std::vector<std::string> lines;
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) lines.push_back(line);
    return lines;
  }
  RecordingClock clock;
  TestWindow t{clock};
};

TEST_F(HeadlessRun, ShowPrintsEachKindWithItsOwnKeys) {
  t["fraCrc"].set_enabled(false);
  EXPECT_THAT(
      Run("show Form1\nshow cboBaud\nshow txtShown\nshow chkSame\nshow optCrc(1)\nshow fraCrc\n"
          "show vsTrim\nshow tmrPoll\nshow sbInfo\nshow mnuAbout\nshow cmdHidden\n"),
      ElementsAre(
          R"j({"control": "Form1", "kind": "window", "visible": true, "enabled": true, "caption": "Test \"window\""})j",
          R"j({"control": "cboBaud", "kind": "list", "visible": true, "enabled": true, "items": ["9600", "4800"], "index": 0, "text": "9600"})j",
          R"j({"control": "txtShown", "kind": "textbox", "visible": true, "enabled": true, "text": "PRESSURE"})j",
          R"j({"control": "chkSame", "kind": "checkbox", "visible": true, "enabled": true, "caption": "Same", "value": 0})j",
          R"j({"control": "optCrc(1)", "kind": "option", "visible": true, "enabled": true, "caption": "Xor", "value": true})j",
          R"j({"control": "fraCrc", "kind": "frame", "visible": true, "enabled": false, "caption": "Checksum"})j",
          R"j({"control": "vsTrim", "kind": "scrollbar", "visible": true, "enabled": true, "value": 0, "min": -5000, "max": 5000})j",
          R"j({"control": "tmrPoll", "kind": "timer", "visible": false, "enabled": false, "interval": 300})j",
          R"j({"control": "sbInfo", "kind": "statusbar", "visible": true, "enabled": true, "panels": ["ready", "", "", ""]})j",
          R"j({"control": "mnuAbout", "kind": "menu", "visible": true, "enabled": true, "caption": "About"})j",
          R"j({"control": "cmdHidden", "kind": "button", "visible": false, "enabled": true, "caption": "Hidden"})j"));
}

TEST_F(HeadlessRun, BadLinesPrintAnErrorWithTheirNumberAndTheRunGoesOn) {
  t["fraCrc"].set_enabled(false);
  t["cmdSend"].set_enabled(false);
  EXPECT_THAT(
      Run("# errors\n\njump cmdSend\nclick cmdNope\ntype txtSend\nclick cmdSend\nclick cmdHidden\n"
          "click optCrc(0)\nwait soon\ndump extra\nafter 5 after 5 dump\nanswer maybe\n"
          "type txtSend ok\nshow txtSend\n"),
      ElementsAre(
          R"j({"error": "unknown command: jump", "line": 3})j",
          R"j({"error": "unknown control: cmdNope", "line": 4})j",
          R"j({"error": "missing argument (usage: type NAME TEXT)", "line": 5})j",
          R"j({"error": "cmdSend is disabled", "line": 6})j",
          R"j({"error": "cmdHidden is hidden", "line": 7})j",
          R"j({"error": "optCrc(0) is disabled (fraCrc around it is disabled)", "line": 8})j",
          R"j({"error": "not a number of milliseconds: soon", "line": 9})j",
          R"j({"error": "unexpected argument: extra (usage: dump)", "line": 10})j",
          R"j({"error": "after cannot schedule another after", "line": 11})j",
          R"j({"error": "unknown answer: maybe (ok, retry or cancel)", "line": 12})j",
          R"j({"control": "txtSend", "kind": "textbox", "visible": true, "enabled": true, "text": "$OK"})j"));
}

TEST_F(HeadlessRun, MessageBoxesTakeQueuedAnswersInOrderElseTheirFirstButton) {
  const std::string box =
      R"j({"msgbox": {"title": "Error", "text": "Link down.\rRetry?", "buttons": "retrycancel", "icon": "warning"}, )j";
  EXPECT_THAT(
      Run("answer cancel\nanswer retry\nclick cmdAsk\nclick cmdAsk\nclick cmdAsk\nanswer ok\nclick cmdAsk\n"
          "show lblCount\n"),
      ElementsAre(
          box + R"j("answer": "cancel"})j", box + R"j("answer": "retry"})j", box + R"j("answer": "retry"})j",
          R"j({"error": "the answer ok is not a button of this message box; it got retry", "line": 6})j",
          box + R"j("answer": "retry"})j",
          R"j({"control": "lblCount", "kind": "label", "visible": true, "enabled": true, "caption": "retry"})j"));
}

TEST_F(HeadlessRun, AnOkCancelBoxTakesOkOrCancelAndRefusesRetry) {
  ui::headless::EventLoop loop(t.window, clock);
  std::ostringstream out;
  ui::headless::HeadlessServices services(loop, clock, ui::TimeOfDay{}, out);
  const ui::MessageBoxRequest next{"Next?", "Station", ui::MessageBoxButtons::kOkCancel};
  services.QueueAnswer(ui::MessageBoxAnswer::kCancel, 1);
  services.QueueAnswer(ui::MessageBoxAnswer::kRetry, 2);
  EXPECT_EQ(services.ShowMessageBox(next), ui::MessageBoxAnswer::kCancel);
  EXPECT_EQ(services.ShowMessageBox(next), ui::MessageBoxAnswer::kOk);
  EXPECT_EQ(services.ShowMessageBox(next), ui::MessageBoxAnswer::kOk);
  EXPECT_THAT(out.str(), testing::HasSubstr(R"j("buttons": "okcancel", "icon": "none"}, "answer": "cancel"})j"));
  EXPECT_THAT(out.str(), testing::HasSubstr("the answer retry is not a button of this message box; it got ok"));
}

TEST_F(HeadlessRun, AFileIsTheOneTheCommandLineGaveElseAMessageBoxNamesTheOption) {
  ui::headless::EventLoop loop(t.window, clock);
  std::ostringstream out;
  ui::headless::HeadlessServices services(loop, clock, ui::TimeOfDay{}, out);
  services.set_file("profile", "batch 7.ini");
  ui::FileChoiceRequest request{ui::FilePurpose::kOpen, "profile", "应用参数文件", "", "last.ini"};
  EXPECT_EQ(services.ChooseFile(request), "batch 7.ini");
  EXPECT_EQ(out.str(), "");
  request.key = "report";
  EXPECT_EQ(services.ChooseFile(request), std::nullopt);
  EXPECT_EQ(
      out.str(),
      R"j({"msgbox": {"title": "应用参数文件", "text": "没有指定文件：请在命令行用 --report FILE 给出。", )j"
      R"j("buttons": "ok", "icon": "exclamation"}, "answer": "ok"})j"
      "\n");
}

TEST_F(HeadlessRun, AnUnansweredRetryLoopIsCancelledInsteadOfRunningForEver) {
  int shown = 0;
  t.window.Add({.kind = ui::ControlKind::kButton, .name = "cmdRetryLoop", .text = "Send"});
  t.window.At("cmdRetryLoop").on_click([&shown](ui::UiServices& services) {
    // A dead line: every retry fails again.
    while (services.ShowMessageBox({"No reply", "Error", ui::MessageBoxButtons::kRetryCancel,
                                    ui::MessageBoxIcon::kWarning}) == ui::MessageBoxAnswer::kRetry)
      ++shown;
  });
  const std::vector<std::string> out = Run("click cmdRetryLoop\nanswer retry\nclick cmdRetryLoop\n");
  ASSERT_EQ(out.size(), 9u);
  EXPECT_NE(out[3].find(R"j("answer": "cancel")j"), std::string::npos) << "three retries, then cancel";
  EXPECT_NE(out[4].find(R"j("answer": "retry")j"), std::string::npos)
      << "the queued answer counts as an answer";
  EXPECT_NE(out[8].find(R"j("answer": "cancel")j"), std::string::npos);
  EXPECT_EQ(shown, 7);
}

TEST_F(HeadlessRun, ValidationRefusalShowsItsMessageAndTheClickNeverHappens) {
  EXPECT_THAT(
      Run("clear txtDelay\nclick cmdSend\nshow txtDelay\n"),
      ElementsAre(
          R"j({"msgbox": {"title": "Error", "text": "Time-out cannot be empty!", "buttons": "ok", "icon": "none"}, "answer": "ok"})j",
          R"j({"control": "txtDelay", "kind": "textbox", "visible": true, "enabled": true, "text": ""})j"));
  EXPECT_THAT(t.log, ElementsAre("txtDelay_Change"));
}

TEST_F(HeadlessRun, AfterArrivesInsideTheHandlersDoEventsAndStopsTheSearch) {
  EXPECT_THAT(
      Run("after 250 click cmdSearch\nclick cmdSearch\nshow cmdSearch\n"),
      ElementsAre(
          R"j({"control": "cmdSearch", "kind": "button", "visible": true, "enabled": true, "caption": "Search"})j"));
  EXPECT_THAT(t.log, ElementsAre("probe 1 at 0", "probe 2 at 100", "probe 3 at 200", "stop", "search done"));
}

TEST_F(HeadlessRun, CloseIsRefusedWhileTheModelSaysSoAndEndOfInputClosesOrEndsTheRun) {
  t.probes = 3;
  EXPECT_THAT(Run("after 100 close\nclick cmdSearch\n"), ElementsAre(R"j({"close": "refused"})j"));
  EXPECT_THAT(t.log, ElementsAre("probe 1 at 0", "probe 2 at 100", "probe 3 at 200", "search done"));
  EXPECT_TRUE(t.window.closed());

  TestWindow other{clock};
  other.window.on_query_unload([](ui::UiServices&, bool& cancel) { cancel = true; });
  std::istringstream in("close\nclick cmdSend\n");
  std::ostringstream out;
  EXPECT_EQ(ui::headless::HeadlessDriver(other.window, clock, in, out, ui::TimeOfDay{}).Run(), 0);
  EXPECT_EQ(out.str(), "{\"close\": \"refused\"}\n{\"close\": \"refused\"}\n")
      << "twice: by script, at the end";
  EXPECT_THAT(other.log, ElementsAre("cmdSend_Click"));
}

TEST_F(HeadlessRun, AfterRunsDuringWaitAndBeforeTheNextLine) {
  Run("after 100 click cmdSend\nafter 700 click cmdAsk\nwait 500\nclick chkSame\nwait 300\n");
  EXPECT_THAT(t.log, ElementsAre("cmdSend_Click", "chkSame_Click"));
  EXPECT_EQ(t["lblCount"].caption(), "retry");  // cmdAsk ran in the second wait
  EXPECT_EQ(clock.now_ms(), 800u);
  EXPECT_THAT(clock.sleeps_ms, ElementsAre(100, 500, 700, 800));
}

TEST_F(HeadlessRun, HandlerThatThrowsIsReportedAgainstItsLineAndTheRunGoesOn) {
  t["cmdSend"].on_click([](ui::UiServices&) { throw std::runtime_error("no such control"); });
  t["tmrPoll"].on_timer([&](ui::UiServices&) {
    t.log.push_back("tick at " + std::to_string(clock.now_ms()));
    throw std::runtime_error("tick failed");
  });
  EXPECT_THAT(Run("click cmdSend\nclick cmdPoll\nwait 700\nclick chkSame\n"),
              ElementsAre(R"j({"error": "a handler failed: no such control", "line": 1})j",
                          R"j({"error": "a handler failed: tick failed", "line": 3})j"));
  EXPECT_THAT(t.log, ElementsAre("tick at 300", "chkSame_Click"));  // the wait ended with the failure
}

TEST_F(HeadlessRun, AnAcceptedCloseStopsReading) {
  EXPECT_THAT(Run("close\nclick cmdSend\n"), IsEmpty());
  EXPECT_THAT(t.log, IsEmpty());
}

TEST_F(HeadlessRun, AnyBytesAtAllGiveOneJsonObjectPerLineAndNoCrash) {
  std::mt19937 random(7);
  const std::string words[] = {
      "click ", "type ", "after 1 ", "key ", "choose ", "optCrc(", "cboPort ",       "(", ")",
      " ",      "\xff",  "\"",       "\\",   "wait 3",  "#",       "scroll vsTrim ", "-", "9999999999999",
      "\r"};
  std::string script;
  for (int line = 0; line < 2000; ++line) {
    const int parts = static_cast<int>(random() % 6);
    for (int p = 0; p < parts; ++p) {
      if (random() % 3 == 0) {
        script += static_cast<char>(random() % 256);
      } else {
        script += words[random() % std::size(words)];
      }
    }
    script += '\n';
  }
  for (const std::string& line : Run(script)) {
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.front(), '{') << line;
    EXPECT_EQ(line.back(), '}') << line;
  }
}

}  // namespace
}  // namespace ui_test
