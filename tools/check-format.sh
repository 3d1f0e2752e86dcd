#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ source of the project is formatted with the project's .clang-format.
# Prints the files that are not and fails; `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || tools/ensure-deps.sh clang-format
status=0
while IFS= read -r file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file" >&2
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench -name '*.cpp' -o -name '*.h')
exit $status
