#!/usr/bin/env bash
# Installs the programs both ways a user gets them and checks what lands:
#   1. `cmake --install` of the default build into a temporary root (DESTDIR);
#   2. the Debian package (cpack -G DEB), listed, then unpacked into another temporary root;
#   3. the same package installed for real with apt (as root or through sudo), its programs run
#      headless as an unprivileged user, and the package removed again.
# In each root the installed dravon and pemliq answer --version and run a short script
# headless on the simulated bus, started from outside the build folder, and the desktop
# entries and AppStream metainfo pass desktop-file-validate and appstreamcli.
# Reuses build/default (CI runs scripts/test.sh first), so it takes seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
export QT_QPA_PLATFORM=offscreen

cmake --preset default >/dev/null
cmake --build --preset default >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"

fail() {
  echo "install-check: FAILED: $*" >&2
  exit 1
}

# expect_line OUTPUT CONTROL PATTERN: OUTPUT has CONTROL's state line, and it matches PATTERN (ERE).
expect_line() {
  local line
  line=$(grep -F "\"control\": \"$2\"" <<<"$1" || true)
  grep -Eq -- "$3" <<<"$line" || fail "$2 should match /$3/, got: ${line:-nothing}"
}

# The short headless script each installed program runs; check_run PROGRAM OUTPUT checks what
# it printed.
dravon_script=$'choose cmbCommPort 0\nafter 300 click cmdSEARCH\nclick cmdSEARCH\nshow CMB_ADDR\nshow TXT_VER\nclose'
pemliq_script=$'type Txt_send 01RP0\nclick Cmd_send\nshow Txt_sendall\nshow Txt_receive'
check_run() {
  if [ "$1" = dravon ]; then
    expect_line "$2" CMB_ADDR '"items": \["01"\]'
    expect_line "$2" TXT_VER '"text": "2\.00"'
  else
    expect_line "$2" Txt_sendall '"text": "\$01RP033\\r"'
    expect_line "$2" Txt_receive '"text": "[+-][0-9]+\.[0-9]+"'
  fi
}

# run_installed PROGRAM SCRIPT: the installed PROGRAM, headless on the simulated bus, run
# from a folder of its own with an empty settings folder.
run_installed() {
  (cd "$work" && XDG_CONFIG_HOME="$work/config" timeout 60 "$1" --headless --simulate <<<"$2")
}

# check_tree ROOT: what is installed under ROOT/usr is whole, runs, and passes the validators.
check_tree() {
  local usr=$1/usr bin=$1/usr/bin
  for file in bin/dravon bin/pemliq bin/simbus share/man/man1/{dravon,pemliq,simbus}.1.gz \
    share/doc/dravon/headless.md share/doc/dravon/copyright; do
    [ -f "$usr/$file" ] || fail "$file is not installed"
  done
  local dynamic
  dynamic=$(readelf -d "$bin/dravon" "$bin/pemliq" "$bin/simbus")
  if grep -q "$PWD" <<<"$dynamic"; then fail "an installed program looks for libraries in the source tree"; fi

  local release
  release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$usr/share/metainfo/org.transmittertools.dravon.metainfo.xml")
  for program in dravon pemliq simbus; do
    [ "$("$bin/$program" --version)" = "$program $release" ] || fail "$program --version is not $release"
  done
  grep -q -- '--simulate' <<<"$("$bin/pemliq" --help)" || fail "pemliq --help lists no options"

  local out program
  for program in dravon pemliq; do
    script=${program}_script
    out=$(run_installed "$bin/$program" "${!script}")
    check_run "$program" "$out"
  done

  local entry icon
  for entry in "$usr"/share/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "$entry"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$entry: no icon $icon"
    [ -x "$bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")" ] || fail "$entry: Exec is not installed"
  done
  appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >/dev/null ||
    appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml
  appstreamcli validate-tree --no-net "$1" >/dev/null || appstreamcli validate-tree --no-net "$1"
}

echo "install-check: cmake --install into a temporary root"
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
check_tree "$work/root"

echo "install-check: the Debian package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/package/dravon_*.deb)
[ -f "$deb" ] || fail "cpack made no dravon_*.deb"
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$'
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-wqy-microhei fonts-dejavu-core qt6-qpa-plugins libqt6widgets6 libqt6serialport6; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
dpkg-deb -x "$deb" "$work/deb-root"
check_tree "$work/deb-root"

echo "install-check: the Debian package installed with apt, run as an unprivileged user"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if [ -n "$SUDO" ] && ! sudo -n true 2>/dev/null; then
  echo "install-check: skipped the apt install (needs root or sudo)"
elif dpkg-query -W -f='${Status}' dravon 2>/dev/null | grep -q 'install ok installed'; then
  echo "install-check: skipped the apt install (a dravon package is installed already; not touching it)"
else
  trap '$SUDO apt-get remove -y -qq dravon >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
  cp "$deb" "$work/user.deb" && chmod 644 "$work/user.deb"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$work/user.deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get install of the package"; }
  home=$(mktemp -d)
  chmod 755 "$home"
  $SUDO chown nobody "$home"
  for program in dravon pemliq; do
    script=${program}_script
    out=$(cd "$home" && $SUDO env XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=offscreen \
      timeout 60 runuser -u nobody -- "/usr/bin/$program" --headless --simulate <<<"${!script}") ||
      fail "the installed $program failed as user nobody"
    check_run "$program" "$out"
  done
  $SUDO rm -rf "$home"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq dravon >/dev/null || fail "apt-get remove dravon"
  [ ! -e /usr/bin/dravon ] || fail "/usr/bin/dravon is still there after the package was removed"
fi

echo "install-check: passed ($(basename "$deb"): $depends)"
