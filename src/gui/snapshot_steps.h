#pragma once
// What the window does before its picture (--snapshot-after), for pictures of a window at
// work: a chart after a bus poll, the monitor after a search. The steps are script lines
// as the headless mode reads them, separated by ';', limited to what a user does to the
// window (click, choose, type, background) and waiting (wait MS). They run in the shown window one
// after another, each to its end, as the user's own clicks would.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/headless/command_line_reader.h"
#include "platform/ui/window.h"

namespace gui {

// The steps of `script`; on a piece that is not one of them, false with `error` naming it.
bool ReadSnapshotSteps(std::string_view script, std::vector<ui::headless::Command>& steps, std::string& error);

// Runs `steps` in turn from the event loop, then calls `done`; a step the window refuses
// calls `failed` with why instead, and the rest do not run.
void RunSnapshotSteps(ui::Window& window, std::vector<ui::headless::Command> steps, std::function<void()> done,
                      std::function<void(const std::string&)> failed);

}  // namespace gui
