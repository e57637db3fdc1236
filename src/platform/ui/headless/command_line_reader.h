#pragma once
// Reads one line of a headless script into a command, or says why it cannot be run.
// A line is VERB, VERB NAME or VERB NAME ARG; ARG is the rest of the line after exactly
// one blank, verbatim. Blank lines and lines beginning with '#' are skipped. Any input
// at all gives one of the three results; nothing here can fail in another way.

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/control_id.h"
#include "platform/ui/message_box.h"

namespace ui::headless {

enum class Verb {
  kClick,
  kChoose,
  kType,
  kKey,
  kPaste,
  kClear,
  kFocus,
  kScroll,
  kBackground,
  kWait,
  kAfter,
  kAnswer,
  kShow,
  kDump,
  kClose,
};

struct Command {
  Verb verb = Verb::kDump;
  ControlId control;     // click .. scroll, show
  std::string text;      // type, paste: ARG as written
  long long number = 0;  // choose: index; key: code; scroll: value; wait, after: milliseconds
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;  // answer
  std::shared_ptr<const Command> scheduled;         // after: the command it schedules
};

struct ReadResult {
  enum class Kind { kSkip, kCommand, kError };
  Kind kind = Kind::kSkip;
  Command command;
  std::string error;
};

ReadResult ReadCommandLine(std::string_view line);

}  // namespace ui::headless
