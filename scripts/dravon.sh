#!/usr/bin/env bash
# Builds Dravon and starts it on the built-in simulated transmitter bus: the real window
# when a display is there. Without a display, commands piped in run headless
# (try: echo 'choose cmbCommPort 0' | scripts/dravon.sh); typed at a terminal, a short
# scripted session shows a transmitter being found, read and polled, then says where to go
# next. Extra arguments go to dravon.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; then scripts/install-deps.sh; fi

cmake --preset default >/dev/null
cmake --build --preset default --target dravon

dravon=build/default/apps/dravon/dravon
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$dravon" --simulate "$@"
fi
if [ ! -t 0 ]; then
  echo "dravon: no display; running headless on the simulated bus (commands on standard input, see docs/headless.md)" >&2
  exec "$dravon" --headless --simulate "$@"
fi
exec scripts/first-run.sh "$dravon" "$@"
