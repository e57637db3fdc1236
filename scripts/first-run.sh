#!/usr/bin/env bash
# What a newcomer without a display sees first: Dravon, headless on the simulated bus, finds
# a transmitter, reads it and polls it for three seconds, shown as readable lines; then how
# to go on. Usage: scripts/first-run.sh DRAVON [extra dravon arguments].
set -euo pipefail
dravon=$1
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# text_of CONTROL: the text (or the items) the headless run printed for CONTROL.
text_of() {
  grep -F "\"control\": \"$1\"" "$work/out" | tail -n 1 |
    sed -E 's/.*"(text|items)": ("([^"]*)"|\[([^]]*)\]).*/\3\4/; s/\\r//g'
}

echo "No display here, so Dravon shows itself headless on its simulated transmitter bus."
echo
echo "1. Searching the bus (addresses 01-99, 9600 baud first; stopped once one has answered)..."
# The search lets scheduled commands in before each address: the queued click stops it
# after the first transmitter at 9600 baud, and the search then reads the one it found.
XDG_CONFIG_HOME="$work/config" timeout 60 "$dravon" --headless --simulate --log "$work/log.csv" "$@" \
  >"$work/out" <<'SCRIPT'
choose cmbCommPort 0
after 300 click cmdSEARCH
click cmdSEARCH
show CMB_ADDR
show TXT_TYPE
show TXT_VER
show TXT_ID
show TXT_DPL
show TXT_DPH
show TXT_FUNIT
click cmdON_OFF
wait 3000
click cmdON_OFF
close
SCRIPT

echo "   found transmitter(s) at address: $(text_of CMB_ADDR)"
echo
echo "2. Reading it:"
echo "   type $(text_of TXT_TYPE), software version $(text_of TXT_VER), serial number $(text_of TXT_ID)"
echo "   range $(text_of TXT_DPL) .. $(text_of TXT_DPH) $(text_of TXT_FUNIT)"
echo
echo "3. Polling pressure and temperature for three seconds (each reading as --log writes it):"
sed 's/^/   /' "$work/log.csv"
cat <<'NEXT'

Where to go next:
  the window          on a desktop: scripts/dravon.sh (or build/default/apps/dravon/dravon --simulate)
  headless mode       build/default/apps/dravon/dravon --headless --simulate, commands on standard
                      input, one JSON line each answer (docs/headless.md)
  the tests           scripts/test.sh (scripts/test.sh --quick: the normal build only)
NEXT
