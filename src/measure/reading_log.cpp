#include "measure/reading_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "measure/reading_csv.h"
#include "platform/os/file_system.h"

namespace measure {

std::unique_ptr<ReadingLog> ReadingLog::Open(const std::string& path, std::string& error) {
  std::unique_ptr<platform::AppendingFile> file =
      platform::AppendingFile::Open(path, kReadingCsvHeader, error);
  if (file == nullptr) return nullptr;
  return std::unique_ptr<ReadingLog>(new ReadingLog(std::move(file)));
}

bool ReadingLog::Write(const Reading& reading) { return file_->Append(ReadingCsvRow(reading)); }

bool SaveHistoryCsv(const ReadingHistory& history, const std::string& path, std::string& error) {
  const bool saved = platform::os::ReplaceFileWith(path, [&history](std::FILE* file) {
    if (std::fwrite(kReadingCsvHeader.data(), 1, kReadingCsvHeader.size(), file) != kReadingCsvHeader.size())
      return false;
    for (std::size_t i = 0; i < history.size(); ++i) {
      const std::string row = ReadingCsvRow(history.at(i));
      if (std::fwrite(row.data(), 1, row.size(), file) != row.size()) return false;
    }
    return true;
  });
  if (!saved) error = path + ": " + std::strerror(errno);
  return saved;
}

}  // namespace measure
