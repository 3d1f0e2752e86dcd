#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the engine, the files layer and their tests (the window is left out) with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs them: the kill,
# two-copies and link-race tests and the seeded mutation runs of every reader among them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset asan
