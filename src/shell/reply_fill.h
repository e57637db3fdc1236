#pragma once
// How a transaction result is put into a control, the same for every handler:
//   box fill:  the box shows the result, then its value cut when longer than 4 characters;
//   cut fill:  the box shows the value cut, however short the result;
//   list fill: when the result is longer than 4 characters, the list selects the item
//              whose index is the numeric value of the value cut.
// A failed exchange ("ERR 0", "EER 3") is never taken for a value: a box shows the
// failure result whole, as it came, and a list keeps its selection, so that no change
// handler runs on it (a lost unit must never become a unit written back).

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/control.h"
#include "shell/main_window.h"

namespace shell {

// The transmitter answered: the result is no failure result (it may still carry no value).
bool Answered(std::string_view result);

// The value cut when the result is longer than 4 characters, else the result itself.
std::string CutIfLonger(std::string_view result);

void BoxFill(ui::Control& box, std::string_view result);

// The value cut without the length test (a reply without a value shows as nothing).
void CutFill(ui::Control& box, std::string_view result);

// True when the box holds what an answered reply (or the user) put there, not the result
// of a failed exchange.
bool ShowsAnswer(const ui::Control& box);

// Temperature fill: the box shows the result; a reading — longer than 4 characters and
// not a failure result — is then replaced by its value cut, and that by its number
// written with one decimal ("+23.45" shows "23.5"). A failure result or a reply without
// a value stays in the box as it came. Returns whether the result was a reading.
bool TemperatureFill(ui::Control& box, std::string_view result);

// A failed exchange, a reply without a value or a code outside the list's items leaves
// the selection unchanged, and the window remembers that the list's selection is no
// longer what the transmitter answered (ListAnswered). Returns whether the selection was
// set from the reply.
bool ListFill(MainWindow& main, std::string_view list, std::string_view result);

// False after a list fill that could not take a code from its reply, until the next one that
// could: the selection shown is then not what the transmitter holds.
bool ListAnswered(const MainWindow& main, std::string_view list);

// The reading such a fill ends with ("23.5"); nothing for a failure result or a reply
// without a value.
std::optional<std::string> TemperatureReading(std::string_view result);


// A list's index as a command argument: "0", "12", "-1" for none.
std::string IndexArgument(const ui::Control& list);

}  // namespace shell
