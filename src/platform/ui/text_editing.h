#pragma once
// Edits of a one-line text at a caret and selection, as a text box makes them: what a
// typed character, Backspace, Delete or a paste leaves in the box and where the caret
// then stands. Positions count characters, as the caret moves over them, not bytes.

#include <string>
#include <string_view>

namespace ui {

// The selection runs from where it was started (anchor) to the caret; nothing is
// selected when the two meet, and the caret alone says where typing goes.
struct TextSelection {
  int anchor = 0;
  int caret = 0;

  int start() const { return anchor < caret ? anchor : caret; }
  int end() const { return anchor < caret ? caret : anchor; }
  int length() const { return end() - start(); }
  bool operator==(const TextSelection&) const = default;
};

struct EditedText {
  std::string text;
  int caret = 0;
};

// What kind of edit a user's edit is, for undo: a run of typed characters, or of erased
// ones, is taken back as one step, as in any ordinary text box; any other edit (a paste,
// a cut) is a step of its own, and so is the first key over a selection. Erasing backward
// (Backspace) and forward (Delete) are runs of their own, as ordinary text boxes keep them.
enum class EditRun { kNone, kTyping, kErasingBackward, kErasingForward };

// Positions outside the text count as its nearer end.
TextSelection ClampSelection(std::string_view text, TextSelection at);
std::string SelectedText(std::string_view text, TextSelection at);

// `inserted` in place of the selection, or at the caret; the caret goes after it.
EditedText ReplaceSelection(std::string_view text, TextSelection at, std::string_view inserted);
// Backspace: the selection, else the character before the caret.
EditedText EraseBackward(std::string_view text, TextSelection at);
// Delete: the selection, else the character after the caret.
EditedText EraseForward(std::string_view text, TextSelection at);

}  // namespace ui
