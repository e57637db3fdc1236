#include "platform/ui/headless/command_line_reader.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace ui::headless {

namespace {

// What follows each verb on its line.
enum class Shape {
  kBare,           // VERB
  kName,           // VERB NAME
  kNameAndText,    // VERB NAME TEXT
  kNameAndNumber,  // VERB NAME NUMBER
  kMilliseconds,   // VERB MS
  kDelayedLine,    // after MS COMMAND
  kAnswerWord,     // answer BUTTON
};

struct VerbInfo {
  std::string_view word;
  Verb verb;
  Shape shape;
  std::string_view usage;
};

constexpr std::array<VerbInfo, 15> kVerbs{{
    {"click", Verb::kClick, Shape::kName, "click NAME"},
    {"choose", Verb::kChoose, Shape::kNameAndNumber, "choose NAME INDEX"},
    {"type", Verb::kType, Shape::kNameAndText, "type NAME TEXT"},
    {"key", Verb::kKey, Shape::kNameAndNumber, "key NAME CODE"},
    {"paste", Verb::kPaste, Shape::kNameAndText, "paste NAME TEXT"},
    {"clear", Verb::kClear, Shape::kName, "clear NAME"},
    {"focus", Verb::kFocus, Shape::kName, "focus NAME"},
    {"scroll", Verb::kScroll, Shape::kNameAndNumber, "scroll NAME VALUE"},
    {"background", Verb::kBackground, Shape::kBare, "background"},
    {"wait", Verb::kWait, Shape::kMilliseconds, "wait MS"},
    {"after", Verb::kAfter, Shape::kDelayedLine, "after MS COMMAND"},
    {"answer", Verb::kAnswer, Shape::kAnswerWord, "answer ok|retry|cancel"},
    {"show", Verb::kShow, Shape::kName, "show NAME"},
    {"dump", Verb::kDump, Shape::kBare, "dump"},
    {"close", Verb::kClose, Shape::kBare, "close"},
}};

// Longer than any script needs, short enough that microseconds of it fit 64 bits.
constexpr long long kMaxMilliseconds = 1'000'000'000'000LL;

const VerbInfo* FindVerb(std::string_view word) {
  for (const VerbInfo& info : kVerbs) {
    if (info.word == word) return &info;
  }
  return nullptr;
}

bool IsBlankOnly(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// An optionally signed decimal integer and nothing else.
std::optional<long long> ReadInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<MessageBoxAnswer> ReadAnswer(std::string_view word) {
  std::string lower(word);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (lower == "ok") return MessageBoxAnswer::kOk;
  if (lower == "retry") return MessageBoxAnswer::kRetry;
  if (lower == "cancel") return MessageBoxAnswer::kCancel;
  return std::nullopt;
}

ReadResult Error(std::string text) { return ReadResult{ReadResult::Kind::kError, {}, std::move(text)}; }

// The words of a line: VERB, then NAME after any run of blanks, then ARG after exactly
// one blank.
struct Words {
  std::string_view verb;
  std::optional<std::string_view> name;
  std::optional<std::string_view> arg;
};

Words SplitWords(std::string_view line) {
  Words words;
  std::size_t end = line.find(' ');
  words.verb = line.substr(0, end);
  if (end == std::string_view::npos) return words;
  std::size_t start = line.find_first_not_of(' ', end);
  if (start == std::string_view::npos) return words;
  end = line.find(' ', start);
  words.name = line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  if (end != std::string_view::npos) words.arg = line.substr(end + 1);
  return words;
}

ReadResult ReadCommand(std::string_view line, bool nested);

ReadResult ReadShaped(const VerbInfo& info, const Words& words, bool nested) {
  const std::string usage = "usage: " + std::string(info.usage);
  ReadResult result{ReadResult::Kind::kCommand, {}, {}};
  Command& command = result.command;
  command.verb = info.verb;

  if (info.shape == Shape::kBare) {
    if (words.name.has_value())
      return Error("unexpected argument: " + std::string(*words.name) + " (" + usage + ")");
    return result;
  }
  if (!words.name.has_value()) return Error("missing argument (" + usage + ")");
  const std::string_view name = *words.name;
  const bool takes_arg = info.shape == Shape::kNameAndText || info.shape == Shape::kNameAndNumber ||
                         info.shape == Shape::kDelayedLine;
  if (takes_arg && !words.arg.has_value()) return Error("missing argument (" + usage + ")");
  if (!takes_arg && words.arg.has_value() && !IsBlankOnly(*words.arg)) {
    return Error("unexpected argument: " + std::string(*words.arg) + " (" + usage + ")");
  }

  switch (info.shape) {
    case Shape::kMilliseconds:
    case Shape::kDelayedLine: {
      const std::optional<long long> ms = ReadInteger(name);
      if (!ms.has_value() || *ms < 0 || *ms > kMaxMilliseconds) {
        return Error("not a number of milliseconds: " + std::string(name));
      }
      command.number = *ms;
      if (info.shape == Shape::kMilliseconds) return result;
      if (nested) return Error("after cannot schedule another after");
      ReadResult later = ReadCommand(*words.arg, true);
      if (later.kind == ReadResult::Kind::kSkip) return Error("missing argument (" + usage + ")");
      if (later.kind == ReadResult::Kind::kError) return later;
      command.scheduled = std::make_shared<const Command>(std::move(later.command));
      return result;
    }
    case Shape::kAnswerWord: {
      const std::optional<MessageBoxAnswer> answer = ReadAnswer(name);
      if (!answer.has_value())
        return Error("unknown answer: " + std::string(name) + " (ok, retry or cancel)");
      command.answer = *answer;
      return result;
    }
    default:
      break;
  }

  const std::optional<ControlId> id = ControlId::Parse(name);
  if (!id.has_value()) return Error("unknown control: " + std::string(name));
  command.control = *id;
  if (info.shape == Shape::kNameAndText) command.text = std::string(*words.arg);
  if (info.shape == Shape::kNameAndNumber) {
    const std::optional<long long> number = ReadInteger(*words.arg);
    if (!number.has_value() || *number < -2147483648LL || *number > 2147483647LL) {
      return Error("not a number: " + std::string(*words.arg) + " (" + usage + ")");
    }
    command.number = *number;
  }
  return result;
}

ReadResult ReadCommand(std::string_view line, bool nested) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos || line[start] == '#') return ReadResult{};
  const Words words = SplitWords(line.substr(start));
  const VerbInfo* info = FindVerb(words.verb);
  if (info == nullptr) return Error("unknown command: " + std::string(words.verb));
  return ReadShaped(*info, words, nested);
}

}  // namespace

ReadResult ReadCommandLine(std::string_view line) {
  // A script saved with Windows line ends still reads the same.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return ReadCommand(line, false);
}

}  // namespace ui::headless
