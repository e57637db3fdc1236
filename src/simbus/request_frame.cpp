#include "simbus/request_frame.h"

#include "protocol/frame.h"

namespace simbus {

std::optional<Request> ParseRequestFrame(std::string_view frame) {
  if (frame.empty() || frame.front() != '$' || frame.back() != protocol::kCR) return std::nullopt;
  for (std::size_t sum_len = 2; sum_len <= 4; ++sum_len) {
    if (frame.size() < 1 + 2 + sum_len + 1) break;
    const std::string_view address = frame.substr(1, 2);
    const std::string_view command = frame.substr(3, frame.size() - 4 - sum_len);
    if (protocol::BuildRequestFrame(address, command) == frame) {
      return Request{std::string(address), std::string(command)};
    }
  }
  return std::nullopt;
}

}  // namespace simbus
