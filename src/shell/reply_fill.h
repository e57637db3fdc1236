#pragma once
// How a transaction result is put into a control, the same for every handler:
//   box fill:  the box shows the result, then its value cut when longer than 4 characters;
//   list fill: when the result is longer than 4 characters, the list selects the item
//              whose index is the numeric value of the value cut.
// Failed results ("ERR 0", "EER 3") are six characters and pass like any other.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace shell {

// The value cut when the result is longer than 4 characters, else the result itself.
std::string CutIfLonger(std::string_view result);

void BoxFill(ui::Control& box, std::string_view result);

// Temperature fill: the box shows the result; a reading — longer than 4 characters and
// not a failure result — is then replaced by its value cut, and that by its number
// written with one decimal ("+23.45" shows "23.5"). A failure result or a reply without
// a value stays in the box as it came. Returns whether the result was a reading.
bool TemperatureFill(ui::Control& box, std::string_view result);

// The reading such a fill ends with ("23.5"); nothing for a failure result or a reply
// without a value.
std::optional<std::string> TemperatureReading(std::string_view result);

// A code outside the list's items (or beyond any index) leaves the selection unchanged.
// Returns whether the selection was set.
bool ListFill(ui::Control& list, std::string_view result);

// A list's index as a command argument: "0", "12", "-1" for none.
std::string IndexArgument(const ui::Control& list);

}  // namespace shell
