// Received bytes are whatever the line delivers: any bytes at all must become one valid
// JSON line of the trace file whose "hex" gives every byte back and whose "text" is the
// bytes decoded, giving them back too wherever they were GBK.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/serial/trace_json.h"
#include "platform/text/ansi_codepage.h"
#include "platform/text/utf8_text.h"

namespace {

// A reader for the flat JSON object of one trace line: string and number members only.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : s_(line) {}

  bool Expect(char c) {
    if (i_ >= s_.size() || s_[i_] != c) return false;
    ++i_;
    return true;
  }
  bool Blank() { return Expect(' '); }
  bool AtEnd() const { return i_ == s_.size(); }
  bool Next(char c) const { return i_ < s_.size() && s_[i_] == c; }

  // A JSON string, decoded into UTF-8; false when it is not valid JSON.
  bool String(std::string& out) {
    if (!Expect('"')) return false;
    while (i_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[i_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;  // a raw control character
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      if (i_ >= s_.size()) return false;
      const char e = s_[i_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          if (i_ + 4 > s_.size()) return false;
          unsigned code = 0;
          for (int k = 0; k < 4; ++k) {
            const char h = s_[i_++];
            code = code * 16 + static_cast<unsigned>(h >= '0' && h <= '9'   ? h - '0'
                                                     : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                                     : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                                            : 99);
          }
          if (code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
          out += platform::utf8::Encode(code);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  bool Number() {
    const std::size_t start = i_;
    while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    return i_ > start;
  }

 private:
  std::string_view s_;
  std::size_t i_ = 0;
};

bool IsWellFormedUtf8(std::string_view text) {
  for (const platform::utf8::Character& c : platform::utf8::SplitCharacters(text))
    if (c.bytes.size() == 1 && static_cast<unsigned char>(c.bytes[0]) >= 0x80) return false;
  return true;
}

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
    const auto digit = [](char h) { return h <= '9' ? h - '0' : h - 'A' + 10; };
    bytes += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::TrafficRecord record;
  record.kind = platform::TrafficKind::kBytes;
  record.dir = platform::Direction::kRx;
  record.t_us = 123;
  record.port = 1;
  record.bytes = bytes;
  const std::string line = platform::TraceLine(record);
  if (line.find('\n') != std::string::npos) __builtin_trap();  // one line
  if (!IsWellFormedUtf8(line)) __builtin_trap();

  // {"t": N, "time": S, "port": N, "dir": S, "text": S, "hex": S}
  LineReader r(line);
  std::string key, time, dir, text, hex;
  const auto member = [&](const char* name, bool number, std::string* value) {
    key.clear();
    if (!r.String(key) || key != name || !r.Expect(':') || !r.Blank()) return false;
    return number ? r.Number() : r.String(*value);
  };
  const auto separator = [&] { return r.Expect(',') && r.Blank(); };
  if (!r.Expect('{') || !member("t", true, nullptr) || !separator() || !member("time", false, &time) ||
      !separator() || !member("port", true, nullptr) || !separator() || !member("dir", false, &dir) ||
      !separator() || !member("text", false, &text) || !separator() || !member("hex", false, &hex) ||
      !r.Expect('}') || !r.AtEnd())
    __builtin_trap();
  if (dir != "rx") __builtin_trap();

  if (FromHex(hex) != bytes) __builtin_trap();
  if (hex.size() != (bytes.empty() ? 0 : bytes.size() * 3 - 1)) __builtin_trap();
  if (text != platform::AnsiToUtf8(bytes)) __builtin_trap();
  // Where every byte was GBK, the text alone gives them back.
  if (text.find("\xEF\xBF\xBD") == std::string::npos && platform::Utf8ToAnsi(text) != bytes) __builtin_trap();
  return 0;
}
