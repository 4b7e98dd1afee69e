# SPDX-License-Identifier: GPL-3.0-or-later
# F11 covers the whole screen with the show and Escape gives the document window back with its
# title. The slides are given on the command line.
set -euo pipefail
source "$LANTERNREEL_E2E_LIB"
program=$1
E2E_SHOT_DIR=$(mktemp -d)
slides=$(mktemp -d)
for name in a b c; do
  convert -size 640x480 gradient:red-blue -quality 90 "$slides/$name.jpg"
done

"$program" "$slides/a.jpg" "$slides/b.jpg" "$slides/c.jpg" >"$E2E_SHOT_DIR/out.txt" 2>&1 &
E2E_PIDS+=($!)

title='^Untitled - a\.jpg$'
wait_for 20 has_window_named "$title" || fail "no window titled 'Untitled - a.jpg'"
window=$(windows_named "$title")
xdotool windowactivate --sync "$window"

# The screen of run-with-wm.sh.
screen_w=1280
screen_h=800

# A visible program window exactly over the whole screen.
full_screen_window() {
  local id X Y WIDTH HEIGHT SCREEN
  for id in $(xdotool search --onlyvisible --class lanternreel 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq $screen_w ] && [ "$HEIGHT" -eq $screen_h ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
covers_screen() { full_screen_window >/dev/null; }
screen_free() { ! covers_screen; }

# The colour of one screen pixel, as "r,g,b".
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null \
    | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

xdotool key F11
wait_for 10 covers_screen || fail "F11 did not cover the ${screen_w}x${screen_h} screen"
full=$(full_screen_window)
[ "$(xdotool getactivewindow)" = "$full" ] || fail "the full-screen window does not have the keyboard"
# The corner shows the full-screen colour (black unless the preferences say otherwise), not
# the document window's menu bar.
sleep 0.5
corner=$(pixel 2 2)
[ "$corner" = "0,0,0" ] || fail "the top-left corner is $corner, not the full-screen colour"

# The right arrow steps the show in full screen.
xdotool key Right
wait_for 10 has_window_named '^Untitled - b\.jpg$' || fail "the right arrow did not step"

xdotool key Escape
wait_for 10 screen_free || fail "Escape did not leave full screen"
wait_for 10 has_window_named '^Untitled - b\.jpg$' || fail "the document window is not back with its title"

echo "1 passed, 0 failed"
