#!/usr/bin/env bash
# Ten minutes of polling with injected faults through a pseudo-terminal (see soak.cpp).
#   bench/soak.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target soak >/dev/null
exec build/default/bench/soak "${1:-600}"
