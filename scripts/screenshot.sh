#!/usr/bin/env bash
# Writes the README's pictures of the two windows: docs/dravon.png and, once Pemliq is
# built, docs/pemliq.png, and the same in English (docs/dravon_en.png, docs/pemliq_en.png),
# and docs/station.png: the production station's box after the first of a simulated batch. Each program runs on the simulated bus under a virtual X
# server, saves a picture of its window as soon as it is shown, and quits.
#   scripts/screenshot.sh [BUILD_DIR]      (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/default}"
dravon="$build/apps/dravon/dravon"
pemliq="$build/apps/pemliq/pemliq"

if ! command -v xvfb-run >/dev/null; then
  echo "screenshot.sh: xvfb-run is missing (apt-get install xvfb)" >&2
  exit 1
fi
if [ ! -x "$dravon" ]; then
  echo "screenshot.sh: $dravon is not built (cmake --preset default && cmake --build --preset default)" >&2
  exit 1
fi

# A settings folder of its own, so the pictures neither read nor change the user's stored port.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT

mkdir -p docs
shoot() {
  env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$config" xvfb-run -a "$1" --simulate --lang "$3" --snapshot "$2"
  echo "wrote $2"
}

# The station started from its menu item on a batch of two, pictured (whole screen, the
# screen the window's size) while the first transmitter's box waits for the user.
station() {
  mkdir -p "$config/Halvora"
  printf '[Transmitter]\nCommPort=1\n' >"$config/Halvora/settings.ini"
  printf '[Transmitter]\nUnit=4\nDecimalPoint=1\nRangeLow=0\nRangeHigh=250\nOutput4mA=0\nOutput20mA=200\n'\
'Store=user\n[Station]\nFirstAddress=02\nLastAddress=99\n' >"$config/batch.ini"
  env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 804x536x24" "$dravon" --lang zh \
    --simulate-batch 08100001 --simulate-batch 08100002 --profile "$config/batch.ini" \
    --report "$config/batch.csv" --open mnuStation --snapshot docs/station.png --snapshot-delay 4000
  rm -rf "$config/Halvora"
  echo "wrote docs/station.png"
}

shoot "$dravon" docs/dravon.png zh
shoot "$dravon" docs/dravon_en.png en
station
if [ -x "$pemliq" ]; then
  shoot "$pemliq" docs/pemliq.png zh
  shoot "$pemliq" docs/pemliq_en.png en
fi
