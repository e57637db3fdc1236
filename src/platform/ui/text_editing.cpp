#include "platform/ui/text_editing.h"

#include <algorithm>

#include "platform/text/utf8_text.h"

namespace ui {

namespace {

std::size_t ByteOffset(std::string_view text, int characters) {
  return platform::utf8::FirstCharacters(text, static_cast<std::size_t>(std::max(characters, 0))).size();
}

// The text with characters [from, to) replaced by `inserted`.
EditedText Splice(std::string_view text, int from, int to, std::string_view inserted) {
  const std::size_t head = ByteOffset(text, from), tail = ByteOffset(text, to);
  EditedText edited{std::string(text.substr(0, head)), 0};
  edited.text.append(inserted);
  edited.caret = static_cast<int>(platform::utf8::CountCharacters(edited.text));
  edited.text.append(text.substr(tail));
  return edited;
}

}  // namespace

TextSelection ClampSelection(std::string_view text, TextSelection at) {
  const int length = static_cast<int>(platform::utf8::CountCharacters(text));
  return {std::clamp(at.anchor, 0, length), std::clamp(at.caret, 0, length)};
}

std::string SelectedText(std::string_view text, TextSelection at) {
  at = ClampSelection(text, at);
  const std::size_t head = ByteOffset(text, at.start()), tail = ByteOffset(text, at.end());
  return std::string(text.substr(head, tail - head));
}

EditedText ReplaceSelection(std::string_view text, TextSelection at, std::string_view inserted) {
  at = ClampSelection(text, at);
  return Splice(text, at.start(), at.end(), inserted);
}

EditedText EraseBackward(std::string_view text, TextSelection at) {
  at = ClampSelection(text, at);
  if (at.length() > 0) return Splice(text, at.start(), at.end(), {});
  return Splice(text, std::max(at.caret - 1, 0), at.caret, {});
}

EditedText EraseForward(std::string_view text, TextSelection at) {
  at = ClampSelection(text, at);
  if (at.length() > 0) return Splice(text, at.start(), at.end(), {});
  return Splice(text, at.caret, at.caret + 1, {});
}

}  // namespace ui
