#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the engine, the files layer and their tests (the window is left out) with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs the tests labelled
# "unit", the seeded mutation runs of every reader among them; the tests that start processes
# of their own (label "process") and the comparison with a slow reference (label "slow") stay
# with the ordinary build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset asan
