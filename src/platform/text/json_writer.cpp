#include "platform/text/json_writer.h"

#include <cmath>

#include "platform/text/decimal_text.h"
#include "platform/text/utf8_text.h"

namespace platform {

namespace {

void AppendHexEscape(std::string& out, unsigned value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\u00";
  out += kDigits[(value >> 4) & 0xF];
  out += kDigits[value & 0xF];
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const platform::utf8::Character& character : platform::utf8::SplitCharacters(text)) {
    if (character.bytes.size() > 1) {
      out += character.bytes;  // a well-formed multi-byte character
      continue;
    }
    const unsigned byte = static_cast<unsigned char>(character.bytes[0]);
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (byte < 0x20 || byte >= 0x80) {
          AppendHexEscape(out, byte);
        } else {
          out += static_cast<char>(byte);
        }
    }
  }
  out += '"';
}

void JsonObject::AddKey(std::string_view key) {
  if (!members_.empty()) members_ += ", ";
  AppendJsonString(members_, key);
  members_ += ": ";
}

JsonObject& JsonObject::AddText(std::string_view key, std::string_view text) {
  AddKey(key);
  AppendJsonString(members_, text);
  return *this;
}

JsonObject& JsonObject::AddTextOrNull(std::string_view key, const std::optional<std::string>& text) {
  if (text) return AddText(key, *text);
  AddKey(key);
  members_ += "null";
  return *this;
}

JsonObject& JsonObject::AddNumber(std::string_view key, long long number) {
  AddKey(key);
  members_ += std::to_string(number);
  return *this;
}

JsonObject& JsonObject::AddDecimal(std::string_view key, double number, int decimals) {
  AddKey(key);
  members_ += DecimalText(std::isfinite(number) ? number : 0.0, decimals);
  return *this;
}

JsonObject& JsonObject::AddBool(std::string_view key, bool value) {
  AddKey(key);
  members_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::AddTexts(std::string_view key, const std::vector<std::string>& texts) {
  AddKey(key);
  members_ += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) members_ += ", ";
    AppendJsonString(members_, texts[i]);
  }
  members_ += ']';
  return *this;
}

JsonObject& JsonObject::AddObject(std::string_view key, const JsonObject& object) {
  AddKey(key);
  members_ += object.ToString();
  return *this;
}

void WriteJsonLine(std::ostream& out, const JsonObject& object) {
  out << object.ToString() << '\n' << std::flush;
}

}  // namespace platform
