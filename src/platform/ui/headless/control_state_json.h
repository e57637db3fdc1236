#pragma once
// The state lines of `show` and `dump`: what a script can see of a control, by kind.
// "visible" and "enabled" are the control's own properties, as the program set them;
// whether a frame around it hides or disables it shows in the frame's own line.

#include "platform/text/json_writer.h"

namespace ui {
class Control;
class Window;
}  // namespace ui

namespace ui::headless {

platform::JsonObject ControlState(const Control& control);
platform::JsonObject WindowState(const Window& window);

}  // namespace ui::headless
