#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Repaints the window's pictures in assets/ (logo, two textures, two photos, each also at
# twice the size as name@2x.jpg for high-resolution screens; the window icon at every size).
# Usage: tools/make_assets.sh
# Builds the generator with the normal build first. The output is the same on every run,
# so a changed file in git means the generator changed.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake --preset default >/dev/null
cmake --build build -j2 --target make_assets
QT_QPA_PLATFORM=offscreen build/tools/make_assets/make_assets assets
