#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the top of every source
# file in git that lacks it: C++ sources and headers, CMake files, shell and Python scripts.
# A script's first line (#!) stays first; the licence line goes right under it.
#
# Usage:
#   tools/add-spdx.sh          add the line where it is missing
#   tools/add-spdx.sh --check  only list the files that lack it; fails when there are any
set -euo pipefail
cd "$(dirname "$0")/.."

readonly licence="SPDX-License-Identifier: GPL-3.0-or-later"
check=0
case "${1-}" in
  --check) check=1 ;;
  "") ;;
  *) echo "usage: tools/add-spdx.sh [--check]" >&2; exit 2 ;;
esac

# The comment that starts a line in the given file, or nothing for a file that is not source.
comment_of() {
  case "$1" in
    *.cpp|*.h) echo "//" ;;
    CMakeLists.txt|*/CMakeLists.txt|*.cmake|*.sh|*.py) echo "#" ;;
    *)
      # Scripts without an extension, such as .ci/run.
      if head -n 1 "$1" | grep -Eq '^#!.*(sh|bash|python3?)( |$)'; then echo "#"; fi ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  comment=$(comment_of "$file")
  [ -n "$comment" ] || continue
  # Only the top counts: under a #! line, the line comes second.
  head -n 3 "$file" | grep -q "$licence" && continue
  missing=$((missing + 1))
  if [ "$check" -eq 1 ]; then
    echo "no licence line: $file"
    continue
  fi
  tmp="$file.spdx-tmp"
  if head -n 1 "$file" | grep -q '^#!'; then
    { head -n 1 "$file"; echo "$comment $licence"; tail -n +2 "$file"; } >"$tmp"
  else
    { echo "$comment $licence"; cat "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
  echo "added: $file"
done < <(git ls-files -z)

if [ "$check" -eq 1 ] && [ "$missing" -gt 0 ]; then
  echo "$missing source files lack the line; run tools/add-spdx.sh" >&2
  exit 1
fi
exit 0
