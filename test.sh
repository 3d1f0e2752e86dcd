#!/usr/bin/env bash
# Builds Mirvalon with its tests (installing what is missing) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh
cmake --workflow --preset default
tools/check-package.sh
