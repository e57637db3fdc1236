#pragma once
// CPU time the calling thread has used, user and system, in seconds.

#include <sys/resource.h>

namespace bench {

// Split in the program's own work (user) and the system's on its behalf: system calls,
// and each sleep and wake-up.
struct CpuSeconds {
  double user = 0;
  double system = 0;
};

inline CpuSeconds ThreadCpuSplit() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return {static_cast<double>(u.ru_utime.tv_sec) + static_cast<double>(u.ru_utime.tv_usec) / 1e6,
          static_cast<double>(u.ru_stime.tv_sec) + static_cast<double>(u.ru_stime.tv_usec) / 1e6};
}

inline double ThreadCpuSeconds() {
  const CpuSeconds cpu = ThreadCpuSplit();
  return cpu.user + cpu.system;
}

}  // namespace bench
