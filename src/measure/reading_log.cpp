#include "measure/reading_log.h"

#include <cerrno>
#include <cstring>

#include "measure/reading_csv.h"

namespace measure {

namespace {

bool WriteAll(std::FILE* file, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

std::string Reason(const std::string& path) { return path + ": " + std::strerror(errno); }

}  // namespace

std::unique_ptr<ReadingLog> ReadingLog::Open(const std::string& path, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) {
    error = Reason(path);
    return nullptr;
  }
  std::unique_ptr<ReadingLog> log(new ReadingLog(file));
  // In append mode the position is the end: zero means a new (or empty) file.
  if (std::fseek(file, 0, SEEK_END) != 0 || (std::ftell(file) == 0 && !WriteAll(file, kReadingCsvHeader))) {
    error = Reason(path);
    return nullptr;
  }
  return log;
}

ReadingLog::~ReadingLog() { std::fclose(file_); }

bool ReadingLog::Write(const Reading& reading) { return WriteAll(file_, ReadingCsvRow(reading)); }

bool SaveHistoryCsv(const ReadingHistory& history, const std::string& path, std::string& error) {
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    error = Reason(path);
    return false;
  }
  bool ok = WriteAll(file, kReadingCsvHeader);
  for (std::size_t i = 0; ok && i < history.size(); ++i) {
    const std::string row = ReadingCsvRow(history.at(i));
    ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
  }
  ok = std::fflush(file) == 0 && ok;
  if (!ok) error = Reason(path);
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = Reason(path);
  }
  if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false;
    error = Reason(path);
  }
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

}  // namespace measure
