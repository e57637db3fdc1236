#pragma once
// Texts the programs build from a fixed wording and variable parts (a count, an address,
// a received frame): the wording is written once as a pattern with numbered slots
// ("在线变送器 %1个"), and the text is the pattern filled in. A front-end that shows the
// text in another language finds the pattern again in the finished text, translates the
// wording and keeps the variable parts as they are.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// True when `text` has a slot %1 to %9.
bool IsPattern(std::string_view text);

// Replaces each slot %N by the N-th argument; a slot without an argument stays as written.
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> args);

// The parts that fill `pattern`'s slots to give `text`, in slot order (%1 first); a slot
// may take an empty part. Nothing when `text` is not `pattern` filled in. Where several
// splits fit, each slot takes the shortest part that lets the rest fit.
std::optional<std::vector<std::string>> MatchPattern(std::string_view pattern, std::string_view text);

}  // namespace ui
