#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots from the real program and its demo show, under a private X
# server with openbox:
#   xvfb-run -a -s "-screen 0 1280x800x24" docs/screenshots.sh BUILD-DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
source "$out/../scripts/openbox.sh"
start_openbox
"$build/src/lanternreel" "$build/demo/demo.lrshow" >/dev/null 2>&1 &
program=$!
trap 'kill $program $wm 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"' EXIT

window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^demo' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the demo show did not open" >&2; exit 1; }
xdotool windowactivate --sync "$window"
sleep 1

# shoot NAME WINDOW: one window with its frame, as a PNG small enough for the repository.
shoot() {
  local frame
  frame=$(xwininfo -children -id "$2" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
  [ "$frame" = "$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')" ] && frame=$2
  import -window "$frame" -strip -depth 8 -colors 256 "PNG8:$out/$1.png"
}

shoot main-window "$window"

# The Slideshow menu, open.
xdotool key --window "$window" alt+s
sleep 1
import -window root -crop 700x480+170+60 +repage -strip -depth 8 -colors 256 \
  "PNG8:$out/slideshow-menu.png"
xdotool key Escape
sleep 0.5

# The next slide, then the soundtrack and the information panels.
xdotool key --window "$window" Right
sleep 1
xdotool key --window "$window" ctrl+shift+t
sleep 1
panel=$(xdotool search --onlyvisible --name '^Soundtrack' | head -1)
[ -n "$panel" ] && shoot soundtrack "$panel"
xdotool windowactivate --sync "$window"
xdotool key --window "$window" ctrl+shift+i
sleep 1
info=
for _ in $(seq 50); do
  info=$(xdotool search --onlyvisible --name '^Slideshow Info' 2>/dev/null | head -1) || true
  [ -n "$info" ] && break
  sleep 0.1
done
if [ -n "$info" ]; then shoot slideshow-info "$info"; else echo "no information panel" >&2; fi

# Full screen, scaled down to the size of the other pictures.
xdotool key Escape
sleep 0.5
xdotool windowactivate --sync "$window"
xdotool key --window "$window" F11
sleep 2
import -window root -resize 1024x640 -strip -depth 8 -colors 256 "PNG8:$out/full-screen.png"
xdotool key Escape
sleep 0.5
