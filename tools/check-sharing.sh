#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shared records of the unpacked package, tried with real accounts. Run by
# tools/check-package.sh as root in a private mount namespace whose /var is the package's
# scratch PKG/var, so the machine's own /var/games is never touched:
#   - an older layout (a folder every account wrote) is taken over by the maintainer script,
#     keeping only the records their games prove;
#   - the folder, the store, its lock and the writer get Debian's owners and modes;
#   - two unprivileged accounts trade records both ways through the setgid writer;
#   - what a hostile account tries against the store fails, and a forged record is refused;
#   - purging leaves nothing under /var/games; a new configure sets the store up again.
#
# Usage: tools/check-sharing.sh PKG CONTROL SHARE_ACCOUNT SCRATCH
set -uo pipefail
pkg=$1 control=$2 account_tool=$3 scratch=$4

failures=0
fail() { echo "check-sharing: FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "check-sharing: $*"; }

writer=$pkg/usr/lib/games/mirvalon/mirvalon-share
vendor=/var/games/Orvex
store=$vendor/Mirvalon.dat
readonly player_a=5101 player_b=5102 hostile=65534
as() {
  local uid=$1
  shift
  setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"
}
points() { "$account_tool" "$writer" "$store" "$1" points "$2"; }
configure() { DPKG_ROOT=$pkg "$control/postinst" configure || fail "postinst failed"; }

# --- An older layout: a folder every account wrote, with a proven record and junk. ---
mkdir -p "$store"
chmod 0777 "$store"
"$account_tool" "$writer" "$store" "$scratch/old-player" win 9 8500 >/dev/null
cp "$scratch/old-player/Mirvalon.ldt" "$scratch/old-player/Mirvalon.lar" "$store/"
chmod 0666 "$store"/Mirvalon.l*
ln -s /etc/passwd "$store/Data"
mkfifo "$store/Mirvalon.tmp"
configure
[ -e "$vendor/.Mirvalon.dat.old" ] && fail "the older folder was not removed"
[ "$(points "$store" 9)" = 8500 ] || fail "the older store's proven record did not come across"

# --- Owners and modes. ---
mode() { stat -c '%a %U:%G %F' "$1" 2>/dev/null; }
[ "$(mode "$store")" = "775 root:games directory" ] || fail "store folder: $(mode "$store")"
for name in Mirvalon.ldt Mirvalon.lar; do
  [ "$(mode "$store/$name")" = "664 root:games regular file" ] || fail "$name: $(mode "$store/$name")"
done
[ "$(mode "$store/Mirvalon.tmp")" = "660 root:games regular empty file" ] ||
  fail "lock: $(mode "$store/Mirvalon.tmp")"
[ "$(mode "$writer")" = "2755 root:games regular file" ] || fail "writer: $(mode "$writer")"
[ "$(ls -A "$store" | tr '\n' ' ')" = "Mirvalon.lar Mirvalon.ldt Mirvalon.tmp " ] ||
  fail "the store folder holds more than the store: $(ls -A "$store")"

# --- Two accounts trade records both ways. ---
mkdir -p "$scratch/accounts"
chmod 0755 "$scratch" "$scratch/accounts"
home_a=$scratch/accounts/a home_b=$scratch/accounts/b
install -d -o $player_a -g $player_a -m 0700 "$home_a"
install -d -o $player_b -g $player_b -m 0700 "$home_b"
as $player_a "$account_tool" "$writer" "$store" "$home_a" win 5 8000
[ "$(as $player_a "$account_tool" "$writer" "$store" "$home_a" sync)" = done ] ||
  fail "the first account's synchronisation did not complete"
as $player_b "$account_tool" "$writer" "$store" "$home_b" win 5 7000
as $player_b "$account_tool" "$writer" "$store" "$home_b" win 6 9000
as $player_b "$account_tool" "$writer" "$store" "$home_b" sync >/dev/null ||
  fail "the second account's synchronisation did not complete"
as $player_a "$account_tool" "$writer" "$store" "$home_a" sync >/dev/null ||
  fail "the first account's second synchronisation did not complete"
[ "$(as $player_b "$account_tool" "$writer" "$store" "$home_b" points 5)" = 8000 ] ||
  fail "the second account did not receive the better record"
[ "$(as $player_a "$account_tool" "$writer" "$store" "$home_a" points 6)" = 9000 ] ||
  fail "the first account did not receive the other's record"
[ "$(points "$store" 9)" = 8500 ] || fail "a merge lost a stored record"
note "two accounts traded records both ways"

# --- A hostile account: every step fails and the store stays as it was. ---
before=$(cat "$store"/Mirvalon.ldt "$store"/Mirvalon.lar | md5sum)
attempts=(
  "rm -f $store/Mirvalon.ldt"
  ": > $store/Mirvalon.ldt"
  ": > $store/Mirvalon.lar"
  "mv $store/Mirvalon.lar $store/moved"
  "mv $store $vendor/moved"
  "rm -rf $store"
  "ln -s /etc/passwd $store/Data"
  "mkfifo $store/fifo"
  "mkdir $store/folder"
  "touch -d 2100-01-01 $store/Mirvalon.tmp"
  "flock -n $store/Mirvalon.tmp true"
  "ln $store/Mirvalon.ldt $vendor/second"
  "$writer --store $scratch/elsewhere < /dev/null"
  "$writer --from $store < /dev/null"
)
for attempt in "${attempts[@]}"; do
  if as $hostile sh -c "$attempt" >/dev/null 2>&1; then
    fail "a hostile account could: $attempt"
  fi
done
as $hostile "$account_tool" "$writer" "$store" "$scratch/accounts/hostile" forge 7
[ "$(points "$store" 7)" = 0 ] || fail "a forged record reached the store"
[ "$(cat "$store"/Mirvalon.ldt "$store"/Mirvalon.lar | md5sum)" = "$before" ] ||
  fail "a hostile account changed the store"
found=$(find /var/games -xdev -perm -0002 ! -type l)
[ -z "$found" ] || fail "writable by every account: $found"
note "${#attempts[@]} hostile steps and a forged record failed"

# --- Purge leaves nothing; configure sets the store up again for the game's run. ---
DPKG_ROOT=$pkg "$control/postrm" remove || fail "postrm remove failed"
[ -f "$store/Mirvalon.ldt" ] || fail "removing the package removed the shared records"
DPKG_ROOT=$pkg "$control/postrm" purge || fail "postrm purge failed"
[ -e "$vendor" ] && fail "purge left $(find "$vendor")"
configure

exit $((failures > 0))
