#pragma once
// The fixed texts Pemliq shows the user, in one place so that every path uses the same words.

#include <string_view>
#include <vector>

#include "platform/serial/port_failure_text.h"

namespace terminal {

inline constexpr std::string_view kFormCaption = "串行数据传输测试 2.0";

// Titles of the message boxes; the port failure's title is a pattern (ui::FillPattern)
// with the serial layer's source name.
inline constexpr std::string_view kErrorTitle = "错误";
inline constexpr std::string_view kPortErrorTitle = "错误%1";
inline constexpr std::string_view kReplyErrorTitle = "错误信息";

// A send or receive whose port failed (the serial layer's numbers above 8000).
inline constexpr std::string_view kPortUnavailableText = "此端口已经打开，请更换一个可用端口";

// The reply box: the lead text, then the reason of the failure (one of the four below, or
// none), a carriage return and the frame.
inline constexpr std::string_view kLinkInterruptedText = "通讯中断，请检查线路或变送器是否正常工作。%1\r%2";
inline constexpr std::string_view kNoTerminatorText = "没有收到字符串或缺少结束符！";
inline constexpr std::string_view kNoStartCharacterText = "没有起始符!";
inline constexpr std::string_view kChecksumErrorText = "校验错误！";
inline constexpr std::string_view kOverflowText = "溢出错误！";

// The time-out box: refused when left empty, and a pasted text that is no whole number.
inline constexpr std::string_view kTimeoutEmptyText = "最大超时不能为空！";
inline constexpr std::string_view kTimeoutNotNumberText = "最大超时必须是整数！";

// Every text above, for a front-end that shows the window in another language.
// The serial layer's failure texts are shown as they come (a port that cannot be used).
inline std::vector<std::string_view> ShownTexts() {
  std::vector<std::string_view> texts = {kFormCaption,      kErrorTitle,           kPortErrorTitle,
                                         kReplyErrorTitle,  kPortUnavailableText,  kLinkInterruptedText,
                                         kNoTerminatorText, kNoStartCharacterText, kChecksumErrorText,
                                         kOverflowText,     kTimeoutEmptyText,     kTimeoutNotNumberText};
  for (std::string_view text : platform::PortFailureTexts()) texts.push_back(text);
  return texts;
}

}  // namespace terminal
