#pragma once
// How a message about a text file a person wrote (a settings file, a check plan) names
// the place and quotes what it found there: "第 3 行：" and the text in quotes, shortened,
// or not at all when it is no readable text.

#include <string>
#include <string_view>

namespace platform {

// %1 the line number, %2 what is wrong there.
inline constexpr std::string_view kAtLineText = "第 %1 行：%2";
inline constexpr std::string_view kUnreadableQuoteText = "（无法显示的文字）";

std::string AtLine(int line, const std::string& what);

// `text` as a message shows it: quoted, at most 32 characters, and kUnreadableQuoteText
// when it holds control characters or bytes that are not UTF-8.
std::string QuotedFileText(std::string_view text);

}  // namespace platform
