#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Wins games of 5 and 8 places in Slovak and in English through the accessibility bus alone:
# a virtual screen, a private D-Bus session with the accessibility bus and its registry, and
# play_by_reader.py as the player. Exits 77 (skipped) only where no X server can be started.
# Usage: tests/reader/play_by_reader.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
source "$here/../../tools/xvfb.sh"

for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "reader: $tool is missing (tools/ensure-deps.sh)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "reader: python3-pyatspi is missing" >&2; exit 1; }

scratch=$(mktemp -d /tmp/mirvalon-reader.XXXXXX)
xvfb_pid=
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
if ! start_xvfb 1024x768x24 "$scratch"; then
  echo "reader: SKIPPED, no X server could be started here" >&2
  exit 77
fi

# The game never runs with privileges: as root, the whole session is the account nobody's
# (the bus daemons refuse an account the password database does not know).
player=()
mkdir -p "$scratch/run"
# The build tree's program shares records through build/shared; the player must own it.
shared="$(dirname "$(dirname "$program")")/shared"
mkdir -p "$shared"
if [ "$(id -u)" = 0 ]; then
  chmod 0755 "$scratch"
  chown nobody:nogroup "$scratch/run"
  chown -R nobody:nogroup "$shared"
  player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$scratch/run"

"${player[@]}" env -u DBUS_SESSION_BUS_ADDRESS HOME="$scratch" XDG_RUNTIME_DIR="$scratch/run" \
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    /usr/bin/python3 "$0" "$@"' "$here/play_by_reader.py" "$program" sk:5 sk:8 en:5 en:8
