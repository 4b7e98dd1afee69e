# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program under a private X server.

# start_openbox: starts openbox on $DISPLAY, leaves its process id in `wm`, and returns once it
# has taken charge of the screen (or after 30 seconds).
start_openbox() {
  openbox >/dev/null 2>&1 &
  wm=$!
  local _
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && return 0
    sleep 0.1
  done
}
