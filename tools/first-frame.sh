#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game's first frame against the floor windows on a virtual X server (Xvfb):
# builds what the bench needs, starts the server and runs build/bin/first_frame_bench, which
# prints the figures. Started as root, the programs run as a plain account (uid 5103).
# Usage: tools/first-frame.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xvfb.sh
cmake --build build --target first_frame_bench >/dev/null
scratch=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
start_xvfb 1024x768x24 "$scratch" || { echo "first-frame: Xvfb did not start" >&2; exit 1; }
player=()
if [ "$(id -u)" = 0 ]; then
  player=(setpriv --reuid=5103 --regid=5103 --clear-groups env TMPDIR="$scratch/tmp")
  mkdir -p "$scratch/tmp" && chown 5103:5103 "$scratch/tmp" && chmod 0755 "$scratch"
fi
"${player[@]}" build/bin/first_frame_bench "$@"
