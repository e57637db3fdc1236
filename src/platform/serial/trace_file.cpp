#include "platform/serial/trace_file.h"

#include <cerrno>
#include <cstring>

#include "platform/serial/trace_json.h"

namespace platform {

std::unique_ptr<TraceFile> TraceFile::Open(const std::string& path, std::string& error) {
  errno = 0;
  std::ofstream out(path, std::ios::out | std::ios::app | std::ios::binary);
  if (!out) {
    error = "cannot open the trace file \"" + path + "\"" +
            (errno != 0 ? std::string(": ") + std::strerror(errno) : "");
    return nullptr;
  }
  return std::unique_ptr<TraceFile>(new TraceFile(std::move(out)));
}

void TraceFile::Take(const TrafficRecord& record) { WriteJsonLine(out_, TraceJson(record)); }

}  // namespace platform
