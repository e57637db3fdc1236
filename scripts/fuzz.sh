#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 5) on its
# corpus in fuzz/corpus/<name>. A crash, hang or sanitizer report fails the run and leaves
# the input in build/fuzz/artifacts/.
#   scripts/fuzz.sh            a short run of every target (CI)
#   scripts/fuzz.sh 600        ten minutes each
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DTT_BUILD_FUZZ=ON -DTT_BUILD_GUI=OFF -DTT_BUILD_TESTS=OFF \
  -DTT_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j2 >/dev/null
mkdir -p build/fuzz/artifacts

for target in build/fuzz/fuzz/fuzz_*; do
  name=$(basename "$target")
  corpus="fuzz/corpus/${name#fuzz_}"
  work="build/fuzz/corpus/${name#fuzz_}"
  mkdir -p "$corpus" "$work"
  echo "fuzz: $name for ${seconds}s"
  log="build/fuzz/$name.log"
  if ! "$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix=build/fuzz/artifacts/"$name"- "$work" "$corpus" >"$log" 2>&1; then
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" || tail -20 "$log"
    echo "fuzz: $name FAILED (log: $log)"
    exit 1
  fi
  grep -E 'stat::number_of_executed_units' "$log" || true
done
echo "fuzz: every target ran clean"
