#pragma once
// Readings written to a CSV file as they come (`--log FILE`), and the history saved as
// one. Each row goes to the file in one write and is flushed at once, so a crash or an
// unplugged machine loses no row already polled.

#include <memory>
#include <string>

#include "measure/reading.h"
#include "measure/reading_history.h"
#include "platform/appending_file.h"

namespace measure {

class ReadingLog {
 public:
  // Opens `path` for appending, with the header row when the file is new or empty.
  // nullptr with `error` set when it cannot be opened or written.
  static std::unique_ptr<ReadingLog> Open(const std::string& path, std::string& error);

  // Appends one row; false when the file did not take it (a full disk, a lost drive).
  bool Write(const Reading& reading);

 private:
  explicit ReadingLog(std::unique_ptr<platform::AppendingFile> file) : file_(std::move(file)) {}
  std::unique_ptr<platform::AppendingFile> file_;
};

// Writes the whole history to `path` (replaced), header first. It is written beside
// the file first, flushed to the disk and renamed over it, so a failed save leaves an
// old file whole.
// false with `error` set when it could not be written.
bool SaveHistoryCsv(const ReadingHistory& history, const std::string& path, std::string& error);

}  // namespace measure
