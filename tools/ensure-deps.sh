#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Mirvalon needs to build, test and run, if any are missing.
# Usage: tools/ensure-deps.sh [extra packages...]
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev
          libgtest-dev fonts-liberation2 clang-format
          qt6-translations-l10n  # Qt's own dialogs in Slovak and Czech
          dpkg-dev file lintian desktop-file-utils appstream man-db  # the .deb and its checks
          "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update && $line
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo apt-get update && sudo $line
else
  echo "Cannot install packages without root. Please run:" >&2
  echo "  sudo apt-get update && sudo $line" >&2
  exit 1
fi
