#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the four delivered sample games in data/Data.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build build --target make_samples
mkdir -p data/Data
build/bin/make_samples data/Data
