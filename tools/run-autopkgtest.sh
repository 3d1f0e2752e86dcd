#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the package's autopkgtest (debian/tests) on this machine with autopkgtest's null runner,
# as root. The runner installs the .deb for the test; here it does so in a private mount
# namespace where /etc, /usr and /var are overlays whose changes go to a scratch folder, so the
# package, its shared records under /var/games and dpkg's note of it never reach the machine.
#
# Usage: tools/run-autopkgtest.sh [DEB]   (default: the mirvalon_*.deb ./package.sh left here)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" != 0 ]; then
  echo "run-autopkgtest: run it as root: the null runner installs the package" >&2
  exit 2
fi
deb=$(realpath "${1:-$(ls mirvalon_*.deb)}")
tools/ensure-deps.sh autopkgtest

scratch=$(mktemp -d /tmp/mirvalon-autopkgtest.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
# shellcheck disable=SC2016
unshare -m --propagation private bash -c '
  set -eu
  mount -t tmpfs scratch "$1"
  for folder in etc usr var; do
    mkdir "$1/$folder-changes" "$1/$folder-work"
    mount -t overlay overlay \
      -o "lowerdir=/$folder,upperdir=$1/$folder-changes,workdir=$1/$folder-work" "/$folder"
  done
  autopkgtest --no-built-binaries "$2" "$3" -- null' run-autopkgtest "$scratch" "$deb" "$(pwd)"
