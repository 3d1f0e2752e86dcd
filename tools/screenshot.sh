#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real game on a virtual screen (Xvfb), optionally plays a list of actions on its
# main window, and writes PNG screenshots into screenshots/ (ignored by git).
#
# Usage:
#   tools/screenshot.sh [-o FOLDER] [-f FILE] [ACTION ...]
#
#   -o FOLDER  write the pictures there instead of screenshots/
#   -f FILE    read actions from FILE, one a line; blank lines and lines starting with # skipped
#   -k         keep the records shared by earlier runs (build/shared); else each run starts
#              with an empty shared folder
#   ACTION     one action per argument, quoted, e.g.  "key F2" "click 569 350" "shot first"
#
# Actions (X Y are client pixels of the main window, as in its layout table):
#   click X Y            left click            rclick X Y      right click
#   mclick X Y           middle click          dblclick X Y    left double click
#   drag X1 Y1 X2 Y2     left-button drag from one point to the other
#   key KEY...           keys by xdotool name: F2, space, Escape, ctrl+s, shift+F2
#   type TEXT            type the rest of the line
#   sleep SECONDS        wait (fractions allowed)
#   shot NAME            write FOLDER/NAME.png now
# A last picture FOLDER/final.png is always written.
#
# Examples:
#   tools/screenshot.sh                                  # the window as it opens
#   tools/screenshot.sh "key F2" "drag 569 350 82 463" "shot dragged" "key space"
#
# The program runs with a temporary HOME and data folders, so the player's real settings and
# records are never read or written; run from the build tree it shares records through
# build/shared, never through the computer's real shared folder. Started as root, the script
# runs the game as a plain account of its own (uid 5103), never with privileges.
# Set SCREEN (default 1024x768x24) for another screen size.
# Set FROZEN_TIME (e.g. "2026-01-01 12:00:00") to run the game with its clocks stopped at that
# moment (needs faketime): the hidden row drawn and every clock are then the same at each run,
# so pictures of games can be compared pixel for pixel.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source tools/xvfb.sh

out="$root/screenshots"
keep_shared=
actions=()
while [ $# -gt 0 ]; do
  case "$1" in
    -o) out=$(realpath -m "$2"); shift 2 ;;
    -f) while IFS= read -r line || [ -n "$line" ]; do
          case "$line" in ''|'#'*) ;; *) actions+=("$line") ;; esac
        done < "$2"
        shift 2 ;;
    -k) keep_shared=1; shift ;;
    -h|--help) sed -n '2,36p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) actions+=("$1"); shift ;;
  esac
done
screen=${SCREEN:-1024x768x24}

tools/ensure-deps.sh xvfb xdotool imagemagick x11-utils
frozen=()
if [ -n "${FROZEN_TIME:-}" ]; then
  tools/ensure-deps.sh faketime
  frozen=(env LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
          FAKETIME="$FROZEN_TIME" FAKETIME_NO_CACHE=1)
fi
[ -f build/build.ninja ] || cmake --preset default >/dev/null
# Only what the run needs: the game and the writer of the shared records.
cmake --build build -j1 --target mirvalon mirvalon-share >/dev/null
program="$root/build/bin/mirvalon"
[ -n "$keep_shared" ] || rm -rf "$root/build/shared/Orvex"
mkdir -p "$out" "$root/build/shared"

scratch=$(mktemp -d /tmp/mirvalon-shot.XXXXXX)
xvfb_pid=
app_pid=
cleanup() {
  local status=$?
  set +e
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT

start_xvfb "$screen" "$scratch" || { echo "screenshot: Xvfb did not start" >&2; exit 1; }

mkdir -p "$scratch/home/.local/share" "$scratch/home/.config" "$scratch/home/.cache" "$scratch/run"
chmod 700 "$scratch/run"
# The game is never run with privileges: as root, it runs as a plain account of its own, which
# owns its scratch home and the build tree's shared folder.
player=()
if [ "$(id -u)" = 0 ]; then
  chmod 0755 "$scratch"
  chown -R 5103:5103 "$scratch/home" "$scratch/run" "$root/build/shared"
  player=(setpriv --reuid=5103 --regid=5103 --clear-groups)
fi
"${player[@]}" env HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share" \
  XDG_CONFIG_HOME="$scratch/home/.config" XDG_CACHE_HOME="$scratch/home/.cache" \
  XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb \
  "${frozen[@]}" "$program" >"$scratch/mirvalon.log" 2>&1 &
app_pid=$!

fail() {
  echo "screenshot: $*" >&2
  if [ -s "$scratch/mirvalon.log" ]; then echo "--- program output:" >&2; tail -20 "$scratch/mirvalon.log" >&2; fi
  exit 1
}

window=$(timeout 20 xdotool search --sync --onlyvisible --name Mirvalon 2>/dev/null | head -1) || true
[ -n "$window" ] || fail "the main window did not appear"
sleep 1 # let the first paint finish

# Screen position of the main window's client area. Xvfb has no window manager, so there is
# no frame: the client starts at the window's origin, below the menu bar. The client with its
# status bar is 522 pixels high, so the menu bar is what the window has above that. Asked anew
# for every action, because the program may move its window.
origin() {
  local info height
  info=$(xwininfo -id "$window") || fail "the main window is gone"
  ox=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  oy=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  height=$(sed -n 's/^ *Height: *//p' <<<"$info")
  oy=$((oy + height - 522))
}

# Keys go to the program's topmost window: a dialog while one is open, else the main window.
# Without a window manager nobody else moves the keyboard focus there.
focus_top() {
  local top
  top=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | tail -1)
  xdotool windowfocus --sync "${top:-$window}" 2>/dev/null || true
}

number() { [[ "$1" =~ ^-?[0-9]+$ ]] || fail "not a coordinate: '$1' in '$action'"; }

move_to() {
  number "$1"; number "$2"
  origin
  xdotool mousemove --sync $((ox + $1)) $((oy + $2))
}

shot() {
  local name=${1//[^A-Za-z0-9._-]/_}
  [ -n "$name" ] || fail "shot needs a name"
  sleep 0.3
  import -window root "$out/$name.png"
  echo "$out/$name.png"
}

alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program ended before '$action'"; }

for action in "${actions[@]}"; do
  read -r verb rest <<<"$action"
  read -r -a args <<<"$rest"
  [ "$verb" = sleep ] || alive
  case "$verb" in
    click)    move_to "${args[0]-}" "${args[1]-}"; xdotool click 1 ;;
    rclick)   move_to "${args[0]-}" "${args[1]-}"; xdotool click 3 ;;
    mclick)   move_to "${args[0]-}" "${args[1]-}"; xdotool click 2 ;;
    dblclick) move_to "${args[0]-}" "${args[1]-}"; xdotool click --repeat 2 --delay 80 1 ;;
    drag)
      number "${args[2]-}"; number "${args[3]-}"
      move_to "${args[0]-}" "${args[1]-}"
      xdotool mousedown 1
      # Several steps, so the program sees a real movement and not a jump.
      for step in 1 2 3 4 5 6 7 8; do
        x=$((args[0] + (args[2] - args[0]) * step / 8))
        y=$((args[1] + (args[3] - args[1]) * step / 8))
        xdotool mousemove --sync $((ox + x)) $((oy + y))
        sleep 0.03
      done
      xdotool mouseup 1 ;;
    key)
      [ ${#args[@]} -gt 0 ] || fail "key needs a key name"
      focus_top
      xdotool key --clearmodifiers --delay 60 "${args[@]}" ;;
    type)
      focus_top
      xdotool type --clearmodifiers --delay 40 -- "$rest" ;;
    sleep) sleep "${args[0]:-1}" ;;
    shot) shot "${args[0]-}" ;;
    *) fail "unknown action '$action'" ;;
  esac
  sleep 0.15
done

# An action may have closed the program on purpose (Esc); the last picture then shows why.
kill -0 "$app_pid" 2>/dev/null || echo "screenshot: note: the program has ended" >&2
shot final
