#pragma once
// A modal message box as the programs ask for one, and the user's answer.

#include <string>
#include <string_view>

namespace ui {

enum class MessageBoxButtons { kOk, kRetryCancel, kOkCancel };
enum class MessageBoxIcon { kNone, kExclamation, kWarning, kInformation, kCritical };
enum class MessageBoxAnswer { kOk, kRetry, kCancel };

struct MessageBoxRequest {
  std::string text;
  std::string title;
  MessageBoxButtons buttons = MessageBoxButtons::kOk;
  MessageBoxIcon icon = MessageBoxIcon::kNone;
};

// Names as scripts write them: "ok", "retrycancel", "okcancel", "exclamation", "retry", ...
std::string_view ButtonsName(MessageBoxButtons buttons);
std::string_view IconName(MessageBoxIcon icon);
std::string_view AnswerName(MessageBoxAnswer answer);

// The answer a box gives when the user just confirms it: its first button.
MessageBoxAnswer FirstButton(MessageBoxButtons buttons);
bool BoxOffers(MessageBoxButtons buttons, MessageBoxAnswer answer);

}  // namespace ui
