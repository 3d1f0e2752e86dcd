#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package once, the way Debian builds it (without its tests, which ./test.sh
# has just run), and checks it without installing it: unpacks it into a scratch root, checks
# that every file is where the games layout puts it, that its programs are hardened and hold no
# path of the build, that one version runs through the package, program, manual page, release
# notes and changelog, validates the desktop entry, the AppStream metadata and the manual page,
# runs lintian, tries the maintainer scripts on a scratch /var, and starts the unpacked game on
# a virtual screen with a scratch home, in English, until it quits cleanly.
#
# Usage: tools/check-package.sh                 (after the build; ./test.sh runs it)
#        tools/check-package.sh --reproducible  builds the committed HEAD twice, from two clones
#                                               in two folders, and compares the packages
# Set CHECK_SPDX=0 to skip requiring the licence line in every source file (tools/add-spdx.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source tools/xvfb.sh

check_spdx=${CHECK_SPDX:-1}
readonly icon_sizes=(16 22 24 32 48 64 128 256)
# The window carries the small ones itself; the desktop finds the large ones in the theme.
readonly window_icon_sizes=(16 22 24 32 48)
readonly app_id=sk.orvex.mirvalon

failures=0
fail() { echo "check-package: FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "check-package: $*"; }

# --- Two builds of one commit in two folders give the same bytes. ---
if [ "${1-}" = --reproducible ]; then
  tools/ensure-deps.sh --build-deps diffoscope-minimal
  commit=$(git rev-parse HEAD)
  git diff --quiet HEAD || note "uncommitted changes are not built: the builds are of $commit"
  scratch=$(mktemp -d /tmp/mirvalon-reproducible.XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
  # Different folders, of different depths; clones made minutes apart have other file times;
  # the second build also runs under another time zone and umask.
  first=$scratch/a
  second=$scratch/second/build/of/mirvalon
  for folder in "$first" "$second"; do
    git clone -q --no-checkout "$root" "$folder"
    git -C "$folder" checkout -q --detach "$commit"
    if [ "$folder" = "$first" ]; then
      (umask 022 && TZ=UTC DEB_BUILD_OPTIONS=nocheck "$folder/tools/build-deb.sh" "$folder/build-deb")
    else
      (umask 002 && TZ=Pacific/Kiritimati DEB_BUILD_OPTIONS=nocheck \
        "$folder/tools/build-deb.sh" "$folder/build-deb")
    fi >/dev/null
  done
  for deb in "$first"/build-deb/*.deb; do
    name=$(basename "$deb")
    other=$second/build-deb/$name
    sha256sum "$deb" "$other" | sed "s|$scratch/||"
    if cmp -s "$deb" "$other"; then
      note "identical: $name"
    else
      fail "$name differs between the two builds"
      diffoscope --text - "$deb" "$other" | head -n 200 >&2 || true
    fi
  done
  [ "$failures" -eq 0 ] || exit 1
  note "two builds of $commit in two folders gave identical packages"
  exit 0
fi
[ $# -eq 0 ] || { echo "usage: tools/check-package.sh [--reproducible]" >&2; exit 2; }

tools/ensure-deps.sh --build-deps xvfb xdotool x11-utils blhc

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

if [ "$check_spdx" = 1 ]; then
  tools/add-spdx.sh --check || fail "source files without the licence line"
fi

# --- Build the package as Debian does, once, without its tests: ./test.sh ran them. ---
build_folder=$root/build/deb
deb=$(DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" tools/build-deb.sh "$build_folder")
changes=${deb%.deb}.changes
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
  # Printing, loaded by the game when the player first prints.
  echo usr/lib/games/mirvalon/libmirvalon_print.so
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
  echo usr/share/lintian/overrides/mirvalon
} | sort >"$expected"
(cd "$pkg" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$scratch/actual"
if ! diff -u "$expected" "$scratch/actual" >"$scratch/layout.diff"; then
  fail "the files differ from the layout (- expected, + in the package):"
  grep '^[-+][^-+]' "$scratch/layout.diff" >&2
fi
[ -x "$pkg/usr/games/mirvalon" ] || fail "the program is not executable"
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

# The window's pictures are carried in the program as the build decoded them, each with its
# "@2x" twin for screens of device-pixel ratio 2: each is found whole in the program, as the
# development build decoded it (decoding gives the same bytes on every build).
for picture in logo texture1 texture2 photo1 photo2; do
  for name in "$picture" "$picture@2x"; do
    decoded=build/src/ui/pictures/$name.rgb
    python3 -c 'import sys; sys.exit(open(sys.argv[1], "rb").read().find(open(sys.argv[2], "rb").read()) < 0)' \
      "$pkg/usr/games/mirvalon" "$decoded" || fail "the program lacks the picture $name"
  done
done

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

# lintian, pedantic and with its notes, on the .deb and the .changes: every tag it shows fails;
# the overridden ones are listed, and each override says why.
lintian --pedantic -I --show-overrides --allow-root "$changes" >"$scratch/lintian.log" 2>&1 || true
sed 's/^/  lintian: /' "$scratch/lintian.log"
grep -q '^[EWIPX]: ' "$scratch/lintian.log" && fail "lintian shows tags that are not overridden"
awk '/^#/ { reason = 1; next } /^[^[:space:]]/ && !reason { print; bad = 1 } { reason = 0 }
     END { exit bad }' debian/mirvalon.lintian-overrides >&2 ||
  fail "a lintian override without its reason in a comment above it"

# --- Hardened programs with Debian's flags, stripped, holding no path of the build. ---
for program in usr/games/mirvalon usr/lib/games/mirvalon/mirvalon-share; do
  file=$pkg/$program
  readelf --dyn-syms -W "$file" >"$scratch/symbols"
  grep -q ' __stack_chk_fail' "$scratch/symbols" || fail "$program has no stack protector"
  grep -Eq ' __[a-z0-9_]+_chk(@|$)' "$scratch/symbols" || fail "$program calls no fortified function"
  readelf -hW "$file" | grep -Eq 'Type: +DYN' || fail "$program is not position independent"
  readelf -dW "$file" | grep -Eq 'BIND_NOW|FLAGS.* NOW' || fail "$program is not bound at load time"
  readelf -lW "$file" | grep -q GNU_RELRO || fail "$program has no read-only relocations"
  readelf -SW "$file" | grep -q '\.comment' && fail "$program keeps its .comment section"
  LC_ALL=C grep -qaF "$root" "$file" && fail "$program holds the path of the build ($root)"
done
blhc "$build_folder/build.log" >"$scratch/blhc.log" 2>&1 ||
  { sed 's/^/  blhc: /' "$scratch/blhc.log" >&2; fail "the build did not use Debian's flags throughout"; }
# File times are the changelog's, not the build's.
epoch=$(dpkg-parsechangelog -S Timestamp)
dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -t --full-time -v | awk -v limit="$(date -u -d "@$epoch" '+%F %T')" \
  '$4 " " $5 > limit { print "  later than the changelog: " $0; late = 1 } END { exit late }' >&2 ||
  fail "files in the package carry the build's time"

# --- One version, written once at the top of debian/changelog. ---
# version_mismatches ROOT VERSION: each part of the unpacked package at ROOT that does not say
# VERSION, or the month and day of the changelog's newest entry.
version_mismatches() {
  local root=$1 version=$2 changelog entry day month line
  changelog=$(zcat "$root/usr/share/doc/mirvalon/changelog.gz")
  entry=$(head -n 1 <<<"$changelog")
  [[ $entry == "mirvalon ($version) "* ]] || echo "changelog: $entry"
  day=$(sed -n 's/^ -- .*>  //p' <<<"$changelog" | head -n 1)
  month=$(LC_ALL=C date -u -d "$day" '+%B %Y')
  day=$(date -u -d "$day" +%F)
  line=$(zcat "$root/usr/share/man/man6/mirvalon.6.gz" | grep -m 1 '^\.TH')
  [ "$line" = ".TH MIRVALON 6 \"$month\" \"Mirvalon $version\" \"Games\"" ] ||
    echo "manual page: $line"
  line=$(grep -m 1 -o '<release [^>]*>' "$root/usr/share/metainfo/$app_id.metainfo.xml")
  [ "$line" = "<release version=\"$version\" date=\"$day\">" ] || echo "release notes: $line"
  line=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/games/mirvalon" --version)
  [ "$line" = "mirvalon $version" ] || echo "program: $line"
}
mismatches=$(version_mismatches "$pkg" "$(field Version)")
[ -z "$mismatches" ] || fail "parts of the package not at version $(field Version): $mismatches"
# Nothing in the sources but the changelog writes the version out.
escaped=$(sed 's/\./\\./g' <<<"$(field Version)")
git grep -nE "(^|[^0-9.])$escaped([^0-9.]|$)" -- . ':!debian/changelog' >&2 &&
  fail "the version is written out beside debian/changelog"

# A bump in the changelog alone takes the program, manual page and release notes with it ...
bumped=$(awk -F. '{ print $1 "." $2 "." $3 + 1 }' <<<"$(field Version)")
bump=$scratch/bump
mkdir -p "$bump"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$bump"
{
  printf 'mirvalon (%s) unstable; urgency=medium\n\n  * A release of the check.\n\n' "$bumped"
  printf ' -- Orvex <mirvalon@orvex.sk>  Fri, 01 Jan 2027 12:00:00 +0000\n\n'
  cat debian/changelog
} >"$bump/debian/changelog"
cmake -S "$bump" -B "$bump/build" -G Ninja -DMIRVALON_BUILD_TESTS=OFF -DMIRVALON_BUILD_BENCH=OFF \
  -DMIRVALON_BUILD_TOOLS=OFF >"$scratch/bump.log" 2>&1 || { cat "$scratch/bump.log" >&2; fail "configure after a bump"; }
grep -qx ".TH MIRVALON 6 \"January 2027\" \"Mirvalon $bumped\" \"Games\"" "$bump/build/packaging/mirvalon.6" ||
  fail "the manual page did not follow a bump of the changelog"
grep -m 1 -o '<release [^>]*>' "$bump/build/packaging/$app_id.metainfo.xml" |
  grep -qx "<release version=\"$bumped\" date=\"2027-01-01\">" ||
  fail "the release notes did not follow a bump of the changelog"
grep -qF "MIRVALON_VERSION=\\\"$bumped\\\"" "$bump/build/build.ninja" ||
  fail "the program's version did not follow a bump of the changelog"
# ... and a package whose changelog was bumped without the rest is caught.
cp -a "$pkg" "$bump/root"
{
  printf 'mirvalon (%s) unstable; urgency=medium\n\n  * A release of the check.\n\n' "$bumped"
  printf ' -- Orvex <mirvalon@orvex.sk>  Fri, 01 Jan 2027 12:00:00 +0000\n\n'
  zcat "$pkg/usr/share/doc/mirvalon/changelog.gz"
} | gzip -9n >"$bump/root/usr/share/doc/mirvalon/changelog.gz"
[ "$(version_mismatches "$bump/root" "$bumped" | cut -d: -f1 | tr '\n' ,)" = \
  "manual page,release notes,program," ] ||
  fail "a bump of the changelog alone was not caught: $(version_mismatches "$bump/root" "$bumped")"
rm -rf "$bump"

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
  # The window offers the desktop the icon painted for each small size.
  offered=$(xprop -len 100000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' || true)
  for size in "${window_icon_sizes[@]}"; do
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
