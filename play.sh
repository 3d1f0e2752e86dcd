#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Mirvalon (installing what is missing) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/mirvalon "$@"
