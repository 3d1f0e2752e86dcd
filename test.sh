#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Mirvalon with its tests (installing what is missing), runs every test and checks
# that the sources keep the project's formatting.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh
cmake --workflow --preset default
tools/check-package.sh
tools/check-format.sh
tools/run-asan-tests.sh
