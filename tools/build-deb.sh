#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the way Debian builds it: copies the sources (what git tracks, with
# uncommitted changes, and new files it does not ignore) into FOLDER/mirvalon-<version>, runs
# dpkg-buildpackage -us -uc -b there, and prints the path of the .deb it made. The .changes,
# .buildinfo and debug symbols (.ddeb) stay beside it in FOLDER, the build's log in
# FOLDER/build.log. FOLDER is emptied first. DEB_BUILD_OPTIONS is passed on (nocheck skips the
# tests).
#
# Usage: tools/build-deb.sh FOLDER
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: tools/build-deb.sh FOLDER" >&2; exit 2; }
cd "$(dirname "$0")/.."
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
folder=$(realpath -m "$1")
case "$folder/" in
  "$(pwd)/"*/*) ;;
  /tmp/*/*) ;;
  *) echo "build-deb: $folder is neither inside the project nor a folder of /tmp" >&2; exit 2 ;;
esac
source_folder=$folder/mirvalon-$version

rm -rf "$folder"
mkdir -p "$source_folder"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$source_folder"
else
  tar --exclude='./build' --exclude='./build-*' --exclude='./screenshots' --exclude='*.deb' \
    -cf - . | tar -xf - -C "$source_folder"
fi

(cd "$source_folder" && dpkg-buildpackage -us -uc -b -J"$(nproc)") >"$folder/build.log" 2>&1 || {
  tail -n 60 "$folder/build.log" >&2
  echo "build-deb: dpkg-buildpackage failed; the whole log is $folder/build.log" >&2
  exit 1
}
deb=$folder/mirvalon_${version}_$arch.deb
[ -f "$deb" ] || { echo "build-deb: no $deb" >&2; exit 1; }
echo "$deb"
