#pragma once
// The access codes typed into txtPass. "qarnivo" shows the temperature, the minimum and
// maximum and enables the command console; "telbusk" does the same and brings out the
// factory store with its same-settings box; "mordyne" hides and disables all of it.
// Letter case does not matter; the whole text must be the code. The view is simply the
// controls' state: nothing is remembered and nothing is sent.

#include "shell/main_window.h"

namespace config {

// Runs after every change of txtPass's text and acts on the keystroke that completes a
// code. The text is left as typed.
void txtPass_Change(shell::MainWindow& main);

}  // namespace config
