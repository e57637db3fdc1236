#include "platform/ui/headless/headless_services.h"

#include <string>

#include "platform/text/json_writer.h"

namespace ui::headless {

HeadlessServices::HeadlessServices(EventLoop& loop, platform::Clock& clock, TimeOfDay start,
                                   std::ostream& out)
    : loop_(loop),
      clock_(clock),
      start_seconds_(start.SecondsSinceMidnight()),
      start_us_(clock.now_us()),
      out_(out) {}

MessageBoxAnswer HeadlessServices::ShowMessageBox(const MessageBoxRequest& request) {
  MessageBoxAnswer answer = FirstButton(request.buttons);
  const bool unanswered = answers_.empty();
  // A Retry/Cancel box that nobody answers would otherwise be retried for ever (a dead
  // line fails every retry): after kMaxUnansweredRetries retries in a row it is cancelled.
  if (unanswered && request.buttons == MessageBoxButtons::kRetryCancel) {
    if (++unanswered_retries_ > kMaxUnansweredRetries) {
      answer = MessageBoxAnswer::kCancel;
      unanswered_retries_ = 0;
    }
  } else {
    unanswered_retries_ = 0;
  }
  if (!answers_.empty()) {
    const QueuedAnswer queued = answers_.front();
    answers_.pop_front();
    if (BoxOffers(request.buttons, queued.answer)) {
      answer = queued.answer;
    } else {
      WriteJsonLine(out_, platform::JsonObject()
                              .AddText("error", "the answer " + std::string(AnswerName(queued.answer)) +
                                                    " is not a button of this message box; it got " +
                                                    std::string(AnswerName(answer)))
                              .AddNumber("line", queued.line));
    }
  }
  platform::JsonObject box;
  box.AddText("title", request.title)
      .AddText("text", request.text)
      .AddText("buttons", ButtonsName(request.buttons))
      .AddText("icon", IconName(request.icon));
  WriteJsonLine(out_, platform::JsonObject().AddObject("msgbox", box).AddText("answer", AnswerName(answer)));
  return answer;
}

TimeOfDay HeadlessServices::Now() {
  const std::uint64_t now = clock_.now_us();
  const long long elapsed_s = now > start_us_ ? static_cast<long long>((now - start_us_) / 1'000'000) : 0;
  return TimeOfDay::FromSeconds(start_seconds_ + elapsed_s);
}

std::optional<std::string> HeadlessServices::ChooseFile(const FileChoiceRequest& request) {
  const auto it = files_.find(request.key);
  if (it != files_.end()) return it->second;
  ShowMessageBox({"没有指定文件：请在命令行用 --" + request.key + " FILE 给出。", request.title,
                  MessageBoxButtons::kOk, MessageBoxIcon::kExclamation});
  return std::nullopt;
}

void HeadlessServices::QueueAnswer(MessageBoxAnswer answer, int line) { answers_.push_back({answer, line}); }

}  // namespace ui::headless
