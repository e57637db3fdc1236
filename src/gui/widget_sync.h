#pragma once
// Shows the model's state on the widgets of one control. The widgets' own change signals
// are blocked meanwhile, so showing the model never reads as the user acting.

#include "gui/widget_table.h"
#include "platform/ui/window_observer.h"

namespace gui {

// Shows one property that changed.
void ShowProperty(BoundControl& bound, ui::Property property);

// Shows every property: when the widgets are built, and after the user acted on a widget
// that changes itself (a check box, a list), so that it shows what the model decided.
void ShowAll(BoundControl& bound);

// Puts the widget in its grid cell by the control's layout hint.
void PlaceInGrid(BoundControl& bound);

}  // namespace gui
