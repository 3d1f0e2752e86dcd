#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Mirvalon (installing what is missing) and leaves it here as
# mirvalon_<version>_<arch>.deb, ready for: apt install ./mirvalon_*.deb
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
rm -f build/package/mirvalon_*.deb
(cd build && cpack >/dev/null)
cp build/package/mirvalon_*.deb .
ls mirvalon_*.deb
