#pragma once
// One CSV record read as a spreadsheet reads it, for the tests and fuzz targets that
// check the files the programs write: the programs themselves never read CSV.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// One record read from the start of `text` as a spreadsheet reads it: its fields and
// the characters it took, its line end included. nullopt when the text is not one
// well-formed record (a quote inside an unquoted field, text after a closing quote, a
// quoted field that never closes, no line end).
struct CsvRecord {
  std::vector<std::string> fields;
  std::size_t length = 0;
};

inline std::optional<CsvRecord> ReadCsvRecord(std::string_view text) {
  CsvRecord record;
  std::size_t i = 0;
  while (true) {
    std::string field;
    if (i < text.size() && text[i] == '"') {
      ++i;
      while (true) {
        if (i >= text.size()) return std::nullopt;  // never closed
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
        if (text[i] == '"') return std::nullopt;
        field += text[i++];
      }
    }
    record.fields.push_back(std::move(field));
    if (i >= text.size()) return std::nullopt;  // a record ends with its line end
    if (text[i] == ',') {
      ++i;
      continue;
    }
    if (text[i] == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') return std::nullopt;
      ++i;
    }
    if (text[i] != '\n') return std::nullopt;
    record.length = i + 1;
    return record;
  }
}

}  // namespace testing_support
