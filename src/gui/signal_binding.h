#pragma once
// Connects the widgets' own signals for what the user did (a button clicked, an item
// picked, a bar moved, a menu entry chosen) to ui::UserActions, then lets the widget show
// what the model made of it.

namespace gui {

class WindowView;
struct BoundControl;

void ConnectUserSignals(WindowView& view, BoundControl& bound);

}  // namespace gui
