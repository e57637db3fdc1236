#include "platform/appending_file.h"

#include <cerrno>
#include <cstring>

#include "platform/os/file_system.h"

namespace platform {

std::unique_ptr<AppendingFile> AppendingFile::Open(const std::string& path, std::string_view header,
                                                   std::string& error) {
  // Opened for reading too, for a look at its last byte; a file this user may write but
  // not read is appended to without that look.
  std::FILE* file = std::fopen(path.c_str(), "a+b");
  if (file == nullptr && errno == EACCES) file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  std::unique_ptr<AppendingFile> opened(new AppendingFile(file, path));
  if (!os::TakesWrites(file)) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  if (const std::string_view lead = opened->Lead(header); !lead.empty() && !opened->Append(lead)) {
    error = opened->error();
    return nullptr;
  }
  return opened;
}

std::string_view AppendingFile::Lead(std::string_view header) {
  // A stream that cannot tell its length (a pipe, a terminal) is read from its start: it
  // is new to whoever reads it.
  if (std::fseek(file_, 0, SEEK_END) != 0 || std::ftell(file_) <= 0) return header;
  std::string_view lead;
  if (std::fseek(file_, -1, SEEK_END) == 0) {
    const int last = std::fgetc(file_);
    if (last != EOF && last != '\n') lead = "\n";
  }
  // Between reading and writing a stream is positioned once more; in append mode
  // every write goes to the end anyway.
  std::fseek(file_, 0, SEEK_END);
  return lead;
}

AppendingFile::~AppendingFile() { std::fclose(file_); }

bool AppendingFile::Append(std::string_view lines) {
  errno = 0;
  if (std::fwrite(lines.data(), 1, lines.size(), file_) == lines.size() && std::fflush(file_) == 0)
    return true;
  error_ = path_ + ": " + std::strerror(errno != 0 ? errno : EIO);
  return false;
}

bool AppendToFile(const std::string& path, std::string_view header, std::string_view lines,
                  std::string& error) {
  const std::unique_ptr<AppendingFile> file = AppendingFile::Open(path, header, error);
  if (file == nullptr) return false;
  if (file->Append(lines)) return true;
  error = file->error();
  return false;
}

}  // namespace platform
