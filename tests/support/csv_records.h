#pragma once
// A CSV text split into records as a spreadsheet splits it, for tests of the files the
// programs write. A malformed record fails the test and ends the list.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/csv_record.h"

namespace testing_support {

using CsvFields = std::vector<std::string>;

inline std::vector<CsvFields> CsvRecords(std::string_view text) {
  std::vector<CsvFields> records;
  while (!text.empty()) {
    const auto record = ReadCsvRecord(text);
    if (!record) {
      ADD_FAILURE() << "not a well-formed record: " << text;
      break;
    }
    records.push_back(record->fields);
    text.remove_prefix(record->length);
  }
  return records;
}

}  // namespace testing_support
