#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree and checks it without installing it: unpacks
# it into a scratch root, checks that every file is where the games layout puts it, validates
# the desktop entry, the AppStream metadata and the manual page, runs lintian, tries the
# maintainer scripts on a scratch /var, and starts the unpacked game on a virtual screen with a
# scratch home, in English, until it quits cleanly.
#
# Usage: tools/check-package.sh   (after the build; ./test.sh runs it)
# Set CHECK_SPDX=1 to also require the licence line in every source file (tools/add-spdx.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source tools/xvfb.sh

check_spdx=${CHECK_SPDX:-1}
readonly icon_sizes=(16 22 24 32 48 64 128 256)
readonly app_id=sk.orvex.mirvalon

tools/ensure-deps.sh xvfb xdotool x11-utils

scratch=$(mktemp -d /tmp/mirvalon-package.XXXXXX)
xvfb_pid=
app_pid=
cleanup() {
  local status=$?
  set +e
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT

failures=0
fail() { echo "check-package: FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "check-package: $*"; }

if [ "$check_spdx" = 1 ]; then
  tools/add-spdx.sh --check || fail "source files without the licence line"
fi

# --- Build the package from the tree the tests just built. ---
rm -f build/package/mirvalon_*.deb
(cd build && cpack >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls build/package/mirvalon_*.deb)
note "built $deb"
pkg="$scratch/root"
dpkg-deb -x "$deb" "$pkg"
dpkg-deb -e "$deb" "$scratch/control"

# --- The control fields. ---
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = mirvalon ] || fail "package name is '$(field Package)'"
[ "$(field Section)" = games ] || fail "section is '$(field Section)'"
field Depends | grep -q 'libqt6widgets6' || fail "dependencies were not computed from the libraries"
# Help opens the manual through the desktop's opener and a PDF viewer.
field Recommends | grep -qw 'xdg-utils' || fail "Recommends lacks xdg-utils: '$(field Recommends)'"
[ "$(field Suggests)" = pdf-viewer ] || fail "Suggests is '$(field Suggests)', not pdf-viewer"

# --- Every file where the layout puts it, and nothing else. ---
expected="$scratch/expected"
{
  echo usr/games/mirvalon
  echo usr/lib/games/mirvalon/mirvalon-share
  (cd data && find . -type f | sed 's|^\./|usr/share/games/mirvalon/|')
  # The manual the build renders beside the delivered data.
  echo usr/share/games/mirvalon/Mirv_SK.pdf
  echo usr/share/games/mirvalon/Mirv_EN.pdf
  echo "usr/share/applications/$app_id.desktop"
  echo "usr/share/metainfo/$app_id.metainfo.xml"
  for size in "${icon_sizes[@]}"; do echo "usr/share/icons/hicolor/${size}x$size/apps/mirvalon.png"; done
  echo usr/share/man/man6/mirvalon.6.gz
  echo usr/share/doc/mirvalon/copyright
  echo usr/share/doc/mirvalon/changelog.gz
} | sort >"$expected"
(cd "$pkg" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$scratch/actual"
if ! diff -u "$expected" "$scratch/actual" >"$scratch/layout.diff"; then
  fail "the files differ from the layout (- expected, + in the package):"
  grep '^[-+][^-+]' "$scratch/layout.diff" >&2
fi
[ -x "$pkg/usr/games/mirvalon" ] || fail "the program is not executable"
# The version is answered without a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$pkg/usr/games/mirvalon" --version)" = "mirvalon $(field Version)" ] ||
  fail "mirvalon --version does not answer with the package's version"
while read -r file; do
  cmp -s "data/$file" "$pkg/usr/share/games/mirvalon/$file" || fail "delivered file differs: $file"
done < <(cd data && find . -type f)
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print }' | grep . && fail "files not owned by root"

# A PNG keeps its width and height as big-endian words at bytes 16 and 20.
for size in "${icon_sizes[@]}"; do
  icon="$pkg/usr/share/icons/hicolor/${size}x$size/apps/mirvalon.png"
  [ -f "$icon" ] || continue
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
  [ "$w x $h" = "$size x $size" ] || fail "icon ${size}x$size is $w x $h"
done

# The window's pictures are compiled into the program, each with its "@2x" twin for screens
# of device-pixel ratio 2. Resource names are stored in UTF-16: without the zero bytes they
# read as plain names.
LC_ALL=C tr -d '\000' <"$pkg/usr/games/mirvalon" >"$scratch/program.text"
for picture in logo texture1 texture2 photo1 photo2; do
  for name in "$picture.jpg" "$picture@2x.jpg"; do
    LC_ALL=C grep -qaF "$name" "$scratch/program.text" || fail "the program lacks the picture $name"
  done
done
rm -f "$scratch/program.text"

# --- Validators. ---
desktop-file-validate "$pkg/usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$pkg/usr/share/metainfo/$app_id.metainfo.xml" \
  >"$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log" >&2; fail "AppStream metadata"; }
gzip -t "$pkg/usr/share/man/man6/mirvalon.6.gz" || fail "manual page is not gzip"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$pkg/usr/share/man/man6/mirvalon.6.gz" >"$scratch/man.out" 2>"$scratch/man.err" ||
  fail "manual page does not render"
[ -s "$scratch/man.err" ] && { cat "$scratch/man.err" >&2; fail "manual page warnings"; }
grep -q KEYS "$scratch/man.out" || fail "manual page has no KEYS section"

# lintian: errors fail the check; warnings and notes are shown.
lintian --allow-root --display-info "$deb" >"$scratch/lintian.log" 2>&1 || true
sed 's/^/  lintian: /' "$scratch/lintian.log"
grep -q '^E: ' "$scratch/lintian.log" && fail "lintian reports errors"

# --- Helpers to run with a scratch /var, so the machine's own /var/games is never touched. ---
# Root gets a private mount namespace; others a user namespace when the system allows one.
isolate=()
if unshare -m true 2>/dev/null; then
  isolate=(unshare -m)
elif unshare -r -m true 2>/dev/null; then
  isolate=(unshare -r -m)
fi
# Runs "$@" with the package's own var/ mounted over /var.
with_scratch_var() {
  "${isolate[@]}" sh -c 'mount --bind "$0" /var && exec "$@"' "$pkg/var" "$@"
}
mkdir -p "$pkg/var/games" "$pkg/var/cache" "$pkg/var/lib"

# --- The shared records: maintainer scripts, modes, two accounts, a hostile one, purge. ---
if [ ${#isolate[@]} -gt 0 ] && [ "$(id -u)" = 0 ]; then
  with_scratch_var tools/check-sharing.sh "$pkg" "$scratch/control" \
    "$root/build/bin/share_account" "$scratch" || fail "sharing records between accounts"
else
  note "skipped the shared records: they need root and a private mount namespace"
fi

# --- The unpacked game: finds its files, speaks English when so configured, quits cleanly. ---
# Configuration: 60 little-endian words, defaults except English (word 6) and the question
# before quitting (word 22).
words=(7 19 1 1 2 2 1 0 1 0 1 1 1 1 1 1 1 0 0 0 0 1 0 0)
home="$scratch/home"
data="$home/.local/share/Orvex/Mirvalon.dat"
mkdir -p "$data" "$home/.config" "$home/.cache" "$scratch/run"
chmod 700 "$scratch/run"
# The game is never run with privileges: as root, it runs as a plain account of its own.
player=()
if [ "$(id -u)" = 0 ]; then
  chmod 0755 "$scratch"
  player=(setpriv --reuid=5103 --regid=5103 --clear-groups)
fi
for i in $(seq 0 59); do
  printf "\\x$(printf %02x "${words[$i]:-0}")\\x00\\x00\\x00"
done >"$data/Mirvalon.lcf"
(cd "$pkg" && find . | sort) >"$scratch/before"
if [ ${#player[@]} -gt 0 ]; then chown -R 5103:5103 "$home" "$scratch/run"; fi

start_xvfb 1024x768x24 "$scratch" || { fail "Xvfb did not start"; exit 1; }
display=$DISPLAY

game=("${player[@]}" env -i PATH="$PATH" DISPLAY="$display" HOME="$home" XDG_DATA_HOME="$home/.local/share"
  XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$scratch/run"
  QT_QPA_PLATFORM=xcb "$pkg/usr/games/mirvalon")
if [ ${#isolate[@]} -gt 0 ]; then
  with_scratch_var "${game[@]}" >"$scratch/game.log" 2>&1 &
elif [ -e /var/games/Orvex ]; then
  note "skipped the game run: it would use this machine's /var/games/Orvex"
  exit $((failures > 0))
else
  "${game[@]}" >"$scratch/game.log" 2>&1 &
fi
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name Mirvalon 2>/dev/null | head -1) || true
if [ -z "$window" ]; then
  fail "the unpacked game did not open its window"
else
  sleep 1
  # The window offers the desktop the icon painted for each size.
  offered=$(xprop -len 100000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' || true)
  for size in "${icon_sizes[@]}"; do
    grep -qx "Icon ($size x" <<<"$offered" || fail "the window offers no ${size}x$size icon"
  done
  xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
  # The question before quitting, captioned from the English language file.
  question=$(timeout 10 xdotool search --sync --onlyvisible --name '^ *Warning!$' 2>/dev/null |
    head -1) || true
  if [ -z "$question" ]; then
    fail "no English question before quitting (language file not found?)"
  else
    xdotool windowfocus --sync "$question" key Return 2>/dev/null || true
  fi
fi
status=0
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  fail "the game did not quit"
else
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" -eq 0 ] || fail "the game quit with status $status"
fi
if [ "$failures" -gt 0 ]; then sed 's/^/  game: /' "$scratch/game.log" >&2; fi

# The delivered record games seeded the player's archive; the settings stayed English; the
# shared folder made by the package is in use; nothing was written beside the program.
cmp -s "$pkg/usr/share/games/mirvalon/Mirvalon.zar" "$data/Mirvalon.lar" ||
  fail "the delivered archive did not reach the player's folder"
[ "$(od -An -tu1 -j20 -N1 "$data/Mirvalon.lcf" | tr -d ' ')" = 2 ] ||
  fail "the saved settings are no longer English"
shared="$pkg/var/games/Orvex/Mirvalon.dat"
if [ -d "$shared" ] && [ "$(ls -A "$shared" | tr '\n' ' ')" != "Mirvalon.lar Mirvalon.ldt Mirvalon.tmp " ]; then
  fail "the game left more than the store in the shared folder: $(ls -A "$shared")"
fi
(cd "$pkg" && find . | sort) | diff -u "$scratch/before" - >&2 ||
  fail "the game wrote into its installed folders"
# Started once, then purged: nothing the package or the game made stays under /var/games.
if [ -d "$pkg/var/games/Orvex" ]; then
  DPKG_ROOT=$pkg "$scratch/control/postrm" purge || fail "postrm purge failed"
  [ -e "$pkg/var/games/Orvex" ] && fail "purge after a start left $(find "$pkg/var/games/Orvex")"
fi

if [ "$failures" -gt 0 ]; then
  echo "check-package: $failures checks failed" >&2
  exit 1
fi
note "package checks passed"
