#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
# Last, a short run of every fuzz target, so a regression in a parser shows.
#   scripts/test.sh            all three
#   scripts/test.sh --quick    the normal build only
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; then scripts/install-deps.sh; fi

export QT_QPA_PLATFORM=offscreen

cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

if [ "${1:-}" != "--quick" ]; then
  cmake --preset asan >/dev/null
  cmake --build --preset asan
  ctest --preset asan
  scripts/fuzz.sh 3
fi
