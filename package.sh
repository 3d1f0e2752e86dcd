#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Mirvalon the way Debian builds it (dpkg-buildpackage, in
# build-deb/), installing what is missing, and leaves it here as mirvalon_<version>_<arch>.deb,
# ready for: apt install ./mirvalon_*.deb
# The build runs the unit and window tests; DEB_BUILD_OPTIONS=nocheck skips them.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh --build-deps
deb=$(tools/build-deb.sh build-deb)
rm -f mirvalon_*.deb
cp "$deb" .
ls mirvalon_*.deb
