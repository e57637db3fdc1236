#!/usr/bin/env bash
# Builds Dravon and starts it on the built-in simulated transmitter bus: the real window
# when a display is there, otherwise the headless mode reading commands from standard input
# (try: echo 'choose cmbCommPort 0' | scripts/dravon.sh). Extra arguments go to dravon.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; then scripts/install-deps.sh; fi

cmake --preset default >/dev/null
cmake --build --preset default --target dravon

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/default/apps/dravon/dravon --simulate "$@"
fi
echo "dravon: no display; running headless on the simulated bus (commands on standard input, see docs/headless.md)" >&2
exec build/default/apps/dravon/dravon --headless --simulate "$@"
