# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tools that run the real game on a virtual screen.
#
# start_xvfb SCREEN FOLDER: starts Xvfb with SCREEN (e.g. 1024x768x24) on a display it picks
# itself, so that runs started at the same time never take the same number; waits until it is
# ready, sets xvfb_pid for the caller's clean-up and exports DISPLAY. Its log goes to
# FOLDER/xvfb.log, which is printed when it does not start (status 1).
start_xvfb() {
  local screen=$1 folder=$2
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
  if [ ! -s "$folder/display" ]; then
    cat "$folder/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$folder/display")"
}
