#include "platform/ui/message_box.h"

namespace ui {

std::string_view ButtonsName(MessageBoxButtons buttons) {
  switch (buttons) {
    case MessageBoxButtons::kOk:
      return "ok";
    case MessageBoxButtons::kRetryCancel:
      return "retrycancel";
    case MessageBoxButtons::kOkCancel:
      return "okcancel";
  }
  return "ok";
}

std::string_view IconName(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::kNone:
      return "none";
    case MessageBoxIcon::kExclamation:
      return "exclamation";
    case MessageBoxIcon::kWarning:
      return "warning";
    case MessageBoxIcon::kInformation:
      return "information";
    case MessageBoxIcon::kCritical:
      return "critical";
  }
  return "none";
}

std::string_view AnswerName(MessageBoxAnswer answer) {
  switch (answer) {
    case MessageBoxAnswer::kOk:
      return "ok";
    case MessageBoxAnswer::kRetry:
      return "retry";
    case MessageBoxAnswer::kCancel:
      return "cancel";
  }
  return "ok";
}

MessageBoxAnswer FirstButton(MessageBoxButtons buttons) {
  return buttons == MessageBoxButtons::kRetryCancel ? MessageBoxAnswer::kRetry : MessageBoxAnswer::kOk;
}

bool BoxOffers(MessageBoxButtons buttons, MessageBoxAnswer answer) {
  switch (buttons) {
    case MessageBoxButtons::kOk:
      return answer == MessageBoxAnswer::kOk;
    case MessageBoxButtons::kRetryCancel:
      return answer == MessageBoxAnswer::kRetry || answer == MessageBoxAnswer::kCancel;
    case MessageBoxButtons::kOkCancel:
      return answer == MessageBoxAnswer::kOk || answer == MessageBoxAnswer::kCancel;
  }
  return false;
}

}  // namespace ui
