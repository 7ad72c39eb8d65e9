#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, testing and running Ventrose need.
# Fast when everything is already there: it only asks dpkg, and calls apt-get only for
# what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  # Only recommended by Qt's libraries, which are installed without recommendations: the X11
  # platform plugin (real windows, the smoke test) and the font the windows are drawn in.
  qt6-qpa-plugins fonts-dejavu-core
  xvfb xfonts-base xdotool x11-utils imagemagick time libx11-dev
  # A window manager for the keep-on-top test: only a window manager turns a running window's
  # request to stay above the others into _NET_WM_STATE_ABOVE, as a desktop's does.
  openbox
  clang libclang-rt-14-dev gcovr clang-format
  appstream desktop-file-utils dpkg-dev
  # The package checked as a distribution would (lintian; man-db and groff for its page checks).
  lintian man-db groff-base
  python3
  # pdftotext and pdftoppm: the printed log's PDF read back by its tests.
  poppler-utils
  # Qt's own dialogs (files, printing, message box buttons) in French, as the windows are.
  qt6-translations-l10n
  # lupdate and lrelease: the English translation (translations/), made and checked by the build.
  qt6-l10n-tools
  # Geodesics on the WGS84 ellipsoid for the flight plan import (pkg-config geographiclib).
  libgeographiclib-dev
  # The simulator link's smoke test reads the real program as a screen reader does: a session
  # bus, the accessibility bus and pyatspi.
  dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
