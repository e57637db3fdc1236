#pragma once
// The far end of a pseudo-terminal for benchmarks: a thread that answers every request
// frame at once and notes the moment the reply's CR left, so the benchmark can measure
// what the program adds after the last byte arrived.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

namespace bench {

class PtyPeer {
 public:
  // Frames addressed to `silent_address` get no answer.
  explicit PtyPeer(std::string silent_address);
  ~PtyPeer();

  const std::string& slave_path() const { return slave_path_; }
  // steady_clock nanoseconds at which the last reply's CR was written.
  std::int64_t last_cr_written_ns() const { return last_cr_ns_.load(); }

 private:
  void Serve();

  int master_ = -1;
  std::string slave_path_;
  std::string silent_;
  std::atomic<bool> stop_{false};
  std::atomic<std::int64_t> last_cr_ns_{0};
  std::thread thread_;
};

inline std::int64_t SteadyNowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace bench
