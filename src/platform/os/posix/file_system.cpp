#include "platform/os/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace platform::os {

bool MakePrivateFolders(const std::string& folder) {
  for (std::size_t pos = 1; pos <= folder.size(); ++pos) {
    if (pos == folder.size() || folder[pos] == '/') {
      const std::string part = folder.substr(0, pos);
      if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

bool ReplaceFileWith(const std::string& path, const FileFiller& fill) {
  // One temporary name per process: two programs saving the same file never share one.
  const std::string temporary = path + ".tmp" + std::to_string(getpid());
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  errno = 0;
  bool ok = fill(file) && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  int reason = errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    reason = errno;
  }
  if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false;
    reason = errno;
  }
  if (!ok) {
    std::remove(temporary.c_str());
    errno = reason != 0 ? reason : EIO;  // a fill that failed without a system error
  }
  return ok;
}

std::string ResolvedPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(path, error);
  return error ? "" : resolved.string();
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  return error ? path : whole.string();
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> entries;
  std::error_code error;
  // Stepped with an error code: a folder that goes away while it is read ends the list
  // instead of throwing.
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    entries.push_back(it->path().string());
  std::sort(entries.begin(), entries.end());
  return entries;
}

int ReadWriteRefusal(const std::string& path) { return access(path.c_str(), R_OK | W_OK) == 0 ? 0 : errno; }

bool TakesWrites(std::FILE* file) {
  // A write of no bytes reaches the device's driver: /dev/full refuses it as it refuses
  // every other, while a file, a pipe or a terminal takes it and nothing changes.
  return std::fflush(file) == 0 && write(fileno(file), "", 0) == 0;
}

}  // namespace platform::os
