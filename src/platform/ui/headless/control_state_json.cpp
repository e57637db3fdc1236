#include "platform/ui/headless/control_state_json.h"

#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace ui::headless {

platform::JsonObject ControlState(const Control& control) {
  platform::JsonObject state;
  state.AddText("control", control.display_name())
      .AddText("kind", KindName(control.kind()))
      .AddBool("visible", control.visible())
      .AddBool("enabled", control.enabled());
  switch (control.kind()) {
    case ControlKind::kTextBox:
      state.AddText("text", control.text());
      break;
    case ControlKind::kLabel:
    case ControlKind::kButton:
    case ControlKind::kFrame:
    case ControlKind::kMenu:
    case ControlKind::kMenuItem:
      state.AddText("caption", control.caption());
      break;
    case ControlKind::kList: {
      std::vector<std::string> texts;
      for (const ListItem& item : control.items()) texts.push_back(item.text);
      state.AddTexts("items", texts).AddNumber("index", control.list_index()).AddText("text", control.text());
      break;
    }
    case ControlKind::kCheckBox:
      state.AddText("caption", control.caption()).AddNumber("value", control.value());
      break;
    case ControlKind::kOption:
      state.AddText("caption", control.caption()).AddBool("value", control.selected());
      break;
    case ControlKind::kScrollBar:
      state.AddNumber("value", control.value())
          .AddNumber("min", control.min())
          .AddNumber("max", control.max());
      break;
    case ControlKind::kTimer:
      state.AddNumber("interval", control.interval());  // "enabled" is already there
      break;
    case ControlKind::kStatusBar:
      state.AddTexts("panels", std::vector<std::string>(control.panels().begin(), control.panels().end()));
      break;
  }
  return state;
}

platform::JsonObject WindowState(const Window& window) {
  platform::JsonObject state;
  state.AddText("control", window.name())
      .AddText("kind", "window")
      .AddBool("visible", !window.closed())
      .AddBool("enabled", true)
      .AddText("caption", window.caption());
  return state;
}

}  // namespace ui::headless
