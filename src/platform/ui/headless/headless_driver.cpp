#include "platform/ui/headless/headless_driver.h"

#include <exception>
#include <functional>

#include "platform/text/json_writer.h"
#include "platform/ui/headless/control_state_json.h"

namespace ui::headless {

HeadlessDriver::HeadlessDriver(Window& window, platform::Clock& clock, std::istream& in, std::ostream& out,
                               TimeOfDay start)
    : window_(window),
      clock_(clock),
      in_(in),
      out_(out),
      loop_(window, clock),
      services_(loop_, clock, start, out),
      actions_(window) {}

int HeadlessDriver::Run() {
  window_.AttachServices(services_);
  window_.AddObserver(*this);
  Guarded(0, [&] { window_.Load(); });
  std::string text;
  int line = 0;
  while (!window_.closed() && std::getline(in_, text)) {
    ++line;
    const std::uint64_t read_at_us = clock_.now_us();
    const ReadResult read = ReadCommandLine(text);
    if (read.kind == ReadResult::Kind::kSkip) continue;
    Guarded(line, [&] { loop_.RunDueEvents(); });  // the window's pending events come first
    if (window_.closed()) break;
    if (read.kind == ReadResult::Kind::kError) {
      PrintError(read.error, line);
      continue;
    }
    Execute(read.command, line, read_at_us);
  }
  // End of input: the window takes its pending events, then closes as `close` does.
  Guarded(line, [&] {
    if (!window_.closed()) loop_.RunDueEvents();
    CloseWindow();
  });
  window_.RemoveObserver(*this);
  window_.DetachServices();  // the window may outlive this run
  return 0;
}

void HeadlessDriver::Guarded(int line, const std::function<void()>& work) {
  // A handler that throws is a fault of the program, not of the script; the run reports
  // it against the line and goes on, as with any line that cannot be run.
  try {
    work();
  } catch (const std::exception& failure) {
    PrintError(std::string("a handler failed: ") + failure.what(), line);
  }
}

void HeadlessDriver::CloseWindow() {
  if (!window_.closed()) actions_.Close();  // a refusal is printed as it happens
}

void HeadlessDriver::OnCloseRefused() {
  WriteJsonLine(out_, platform::JsonObject().AddText("close", "refused"));
}

void HeadlessDriver::Execute(const Command& command, int line, std::uint64_t read_at_us) {
  Guarded(line, [&] {
    switch (command.verb) {
      case Verb::kWait:
        loop_.Wait(static_cast<std::uint64_t>(command.number));
        break;
      case Verb::kAfter: {
        std::shared_ptr<const Command> later = command.scheduled;
        loop_.Schedule(read_at_us + static_cast<std::uint64_t>(command.number) * 1000,
                       [this, later, line] { Execute(*later, line, clock_.now_us()); });
        break;
      }
      case Verb::kAnswer:
        services_.QueueAnswer(command.answer, line);
        break;
      case Verb::kShow:
        Show(command.control, line);
        break;
      case Verb::kDump:
        Dump();
        break;
      case Verb::kClose:
        CloseWindow();
        break;
      default:
        RunAction(command, line);
        break;
    }
  });
}

void HeadlessDriver::RunAction(const Command& command, int line) {
  const ControlId& id = command.control;
  const int number = static_cast<int>(command.number);  // the reader keeps these within int
  switch (command.verb) {
    case Verb::kClick:
      return Report(actions_.Click(id), line);
    case Verb::kChoose:
      return Report(actions_.Choose(id, number), line);
    case Verb::kType:
      return Report(actions_.Type(id, command.text), line);
    case Verb::kKey:
      return Report(actions_.Key(id, number), line);
    case Verb::kPaste:
      return Report(actions_.Paste(id, command.text), line);
    case Verb::kClear:
      return Report(actions_.Clear(id), line);
    case Verb::kFocus:
      return Report(actions_.Focus(id), line);
    case Verb::kScroll:
      return Report(actions_.Scroll(id, number), line);
    case Verb::kBackground:
      return Report(actions_.BackgroundClick(), line);
    default:
      return;
  }
}

void HeadlessDriver::Show(const ControlId& id, int line) {
  if (const Control* control = window_.Find(id)) {
    WriteJsonLine(out_, ControlState(*control));
  } else if (id.index < 0 && id.name == window_.name()) {
    WriteJsonLine(out_, WindowState(window_));
  } else {
    std::string why = "unknown control: " + id.ToString();
    if (id.index < 0 && window_.IsArrayName(id.name))
      why += " (a control array: write " + id.name + "(INDEX))";
    PrintError(why, line);
  }
}

void HeadlessDriver::Dump() {
  WriteJsonLine(out_, WindowState(window_));
  for (const Control& control : window_.controls()) WriteJsonLine(out_, ControlState(control));
}

void HeadlessDriver::Report(const ActionResult& result, int line) {
  if (result.status == ActionStatus::kError) PrintError(result.error, line);
  // A refusal by validation prints nothing of its own: the handler that refused says why.
}

void HeadlessDriver::PrintError(const std::string& text, int line) {
  WriteJsonLine(out_, platform::JsonObject().AddText("error", text).AddNumber("line", line));
}

}  // namespace ui::headless
