# SPDX-License-Identifier: GPL-3.0-or-later
# Started with no paths, the program shows one window titled "Untitled" whose menu bar has
# the "Slideshow" menu (Alt+S opens it).
set -euo pipefail
source "$LANTERNREEL_E2E_LIB"
program=$1
E2E_SHOT_DIR=$(mktemp -d)

"$program" >"$E2E_SHOT_DIR/out.txt" 2>&1 &
E2E_PIDS+=($!)

wait_for 20 has_window_named "^Untitled$" || fail "no window titled Untitled"
count=$(windows_named '^Untitled$' | wc -l)
[ "$count" -eq 1 ] || fail "expected one Untitled window, found $count"

window=$(windows_named '^Untitled$')
wait_for 10 xdotool windowactivate --sync "$window" || fail "could not activate the window"
before=$(program_windows)
xdotool key --window "$window" alt+s
wait_for 10 more_program_windows_than "$before" || fail "Alt+S opened no menu"
xdotool key Escape

echo "1 passed, 0 failed"
