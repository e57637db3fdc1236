#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and show its windows.
# Run as root on a fresh Debian 12 machine; quick when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-serialport-dev qt6-charts-dev libgl-dev
  libqt6opengl6-dev  # Qt Charts' CMake package needs it; qt6-charts-dev does not bring it
  qt6-l10n-tools
  qt6-translations-l10n  # Qt's own dialogs (buttons, file dialogs) in Chinese
  fonts-wqy-microhei fonts-dejavu-core
  xvfb xauth
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
  locales  # localedef and de_DE: tests write numbers under a comma-decimal locale
  libgensio-dev  # tcp:// and rfc2217:// ports
  ser2net        # the serial device server the network-port tests run through
  poppler-utils  # pdftotext: the tests read the certificate's text
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
