#!/usr/bin/env bash
# Writes the README's pictures of the two windows: docs/dravon.png and, once Pemliq is
# built, docs/pemliq.png, and the same in English (docs/dravon_en.png, docs/pemliq_en.png). Each program runs on the simulated bus under a virtual X
# server, saves a picture of its window as soon as it is shown, and quits. docs/station.png
# shows the production station's box after the first transmitter of a simulated batch.
# With --at-work it also writes the pictures of Dravon at work, each after a search of the
# simulated bus (about two minutes, run side by side): the chart and the bus view after a
# minute of bus polling (docs/chart_bus.png), the chart after a minute of
# polling one transmitter (docs/chart.png), the traffic monitor at 1200 baud
# (docs/monitor_dravon.png).
#   scripts/screenshot.sh [BUILD_DIR] [--at-work]      (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/default
at_work=false
for arg in "$@"; do
  if [ "$arg" = --at-work ]; then at_work=true; else build="$arg"; fi
done
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
# shoot PROGRAM FILE LANGUAGE [SCREEN [OPTION...]]: SCREEN is the virtual screen, as wide
# and high as the window and a tool window beside or below it need.
shoot() {
  local program="$1" file="$2" language="$3" screen="${4:-1280x900}"
  shift 4 2>/dev/null || shift $#
  env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$(mktemp -d -p "$config")" \
    xvfb-run -a -s "-screen 0 ${screen}x24" "$program" --simulate --lang "$language" --snapshot "$file" "$@"
  echo "wrote $file"
}

# The station started from its menu item on a batch of two, pictured (whole screen, the
# screen the window's size) while the first transmitter's box waits for the user; port 1
# is the one stored, so that the run needs no step of its own to open it.
station() {
  local home
  home="$(mktemp -d -p "$config")"
  mkdir -p "$home/Halvora"
  printf '[Transmitter]\nCommPort=1\n' >"$home/Halvora/settings.ini"
  printf '[Transmitter]\nUnit=4\nDecimalPoint=1\nRangeLow=0\nRangeHigh=250\nOutput4mA=0\nOutput20mA=200\n'\
'Store=user\n[Station]\nFirstAddress=02\nLastAddress=99\n' >"$home/batch.ini"
  env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$home" xvfb-run -a -s "-screen 0 803x541x24" "$dravon" --lang zh \
    --simulate-batch 08100001 --simulate-batch 08100002 --profile "$home/batch.ini" \
    --report "$home/batch.csv" --open mnuStation --snapshot docs/station.png --snapshot-after "wait 3000"
  echo "wrote docs/station.png"
}

shoot "$dravon" docs/dravon.png zh
shoot "$dravon" docs/dravon_en.png en
station
if [ -x "$pemliq" ]; then
  shoot "$pemliq" docs/pemliq.png zh
  shoot "$pemliq" docs/pemliq_en.png en
fi

if $at_work; then
  search="choose cmbCommPort 0; click cmdSEARCH"
  shoot "$dravon" docs/chart_bus.png zh 1780x600 --open mnuChart \
    --snapshot-after "$search; click mnuPollAll; wait 60000" &
  shoot "$dravon" docs/chart.png zh 1780x600 --open mnuChart \
    --snapshot-after "$search; click cmdON_OFF; wait 60000" &
  # Transmitter 12 answers at 1200 baud: a reply arrives a few bytes at a time.
  shoot "$dravon" docs/monitor_dravon.png zh 860x1000 --open mnuTrafficMonitor \
    --snapshot-after "$search; choose CMB_ADDR 2; click cmdON_OFF; wait 3000" &
  wait
fi
