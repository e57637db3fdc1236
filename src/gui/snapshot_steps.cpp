#include "gui/snapshot_steps.h"

#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "platform/text/trim.h"
#include "platform/ui/user_actions.h"

namespace gui {

namespace {

using ui::headless::Command;
using ui::headless::Verb;

bool IsStep(Verb verb) {
  return verb == Verb::kClick || verb == Verb::kChoose || verb == Verb::kType || verb == Verb::kBackground ||
         verb == Verb::kWait;
}

// The steps still to run; it lives as long as the timer that runs the next one.
struct StepRun {
  ui::UserActions actions;
  std::vector<Command> steps;
  std::size_t next = 0;
  std::function<void()> done;
  std::function<void(const std::string&)> failed;
};

ui::ActionResult Act(ui::UserActions& actions, const Command& step) {
  switch (step.verb) {
    case Verb::kClick:
      return actions.Click(step.control);
    case Verb::kChoose:
      return actions.Choose(step.control, static_cast<int>(step.number));
    case Verb::kType:
      return actions.Type(step.control, step.text);
    case Verb::kBackground:
      return actions.BackgroundClick();
    default:
      return ui::ActionResult::Done();  // wait: the delay before the next step
  }
}

void RunNext(const std::shared_ptr<StepRun>& run, int delay_ms) {
  // From the event loop, so that the window is painted between the steps and a step
  // never runs inside the one before it.
  QTimer::singleShot(delay_ms, QCoreApplication::instance(), [run] {
    if (run->next == run->steps.size()) return run->done();
    const Command& step = run->steps[run->next++];
    const ui::ActionResult result = Act(run->actions, step);
    if (result.status != ui::ActionStatus::kDone) {
      return run->failed(step.control.ToString() + ": " +
                         (result.status == ui::ActionStatus::kRefused ? "refused" : result.error));
    }
    RunNext(run, step.verb == Verb::kWait ? static_cast<int>(step.number) : 0);
  });
}

}  // namespace

bool ReadSnapshotSteps(std::string_view script, std::vector<Command>& steps, std::string& error) {
  steps.clear();
  while (!script.empty()) {
    const std::size_t end = std::min(script.find(';'), script.size());
    const std::string_view piece = platform::TrimBlanks(script.substr(0, end));
    script.remove_prefix(std::min(end + 1, script.size()));
    const ui::headless::ReadResult read = ui::headless::ReadCommandLine(piece);
    if (read.kind == ui::headless::ReadResult::Kind::kSkip) continue;
    if (read.kind == ui::headless::ReadResult::Kind::kError || !IsStep(read.command.verb)) {
      error = "\"" + std::string(piece) + "\": " +
              (read.kind == ui::headless::ReadResult::Kind::kError ? read.error
                                                                   : "only click, choose, type, background and "
                                                                     "wait come before a picture");
      steps.clear();
      return false;
    }
    steps.push_back(read.command);
  }
  return true;
}

void RunSnapshotSteps(ui::Window& window, std::vector<Command> steps, std::function<void()> done,
                      std::function<void(const std::string&)> failed) {
  RunNext(std::make_shared<StepRun>(
              StepRun{ui::UserActions(window), std::move(steps), 0, std::move(done), std::move(failed)}),
          0);
}

}  // namespace gui
