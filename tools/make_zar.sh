#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates data/Mirvalon.zar, the delivered record games of the reference records.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build build --target make_zar
build/bin/make_zar data/Mirvalon.zar
