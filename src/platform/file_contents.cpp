#include "platform/file_contents.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace platform {

SmallFileRead ReadSmallFile(const std::string& path, std::size_t max_bytes, std::string& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return SmallFileRead::kUnreadable;
  contents.assign(max_bytes + 1, '\0');
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (in.bad()) return SmallFileRead::kUnreadable;  // a folder, an I/O error
  contents.resize(static_cast<std::size_t>(in.gcount()));
  return contents.size() <= max_bytes ? SmallFileRead::kRead : SmallFileRead::kTooLarge;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  const std::string tmp = path + ".tmp" + std::to_string(getpid());
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size() &&
                       std::fflush(f) == 0 && fsync(fileno(f)) == 0;
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace platform
