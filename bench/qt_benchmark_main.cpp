// The benchmarks' main: the real serial backend needs a QCoreApplication, a window's
// benchmark (built with TT_BENCH_WIDGETS) a QApplication.
#include <benchmark/benchmark.h>

#ifdef TT_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QCoreApplication>
using BenchApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
  BenchApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
