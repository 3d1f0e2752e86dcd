#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Mirvalon needs to build, test and run, if any are missing.
# Usage: tools/ensure-deps.sh [--build-deps] [extra packages...]
#   --build-deps  also whatever debian/control's Build-Depends asks for that is missing
set -euo pipefail
cd "$(dirname "$0")/.."

build_deps=0
if [ "${1-}" = --build-deps ]; then
  build_deps=1
  shift
fi

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev
          libgtest-dev fonts-liberation2 clang-format
          qt6-translations-l10n  # Qt's own dialogs in Slovak and Czech
          dpkg-dev debhelper file lintian desktop-file-utils appstream man-db  # the .deb, checks
          xvfb xdotool dbus-daemon dbus-bin at-spi2-core python3-pyatspi  # a screen reader's games
          poppler-utils  # the manual's pages read back
          "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# Runs an apt-get line as root, through sudo, or asks for it to be run.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update && "$@"
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo apt-get update && sudo "$@"
  else
    echo "Cannot install packages without root. Please run:" >&2
    echo "  sudo apt-get update && sudo $*" >&2
    exit 1
  fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  as_root apt-get install -y --no-install-recommends "${missing[@]}"
fi
if [ "$build_deps" = 1 ] && ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  echo "Installing the package's missing build dependencies"
  as_root apt-get build-dep -y --no-install-recommends ./
fi
exit 0
