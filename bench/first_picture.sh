#!/usr/bin/env bash
# Shows of many photos, with the real program on a private X server with a window manager:
#   first60, first1000  launch with 60 / 1,000 photos until the first picture's pixels are on
#                       screen (firstpixels, inside the window), and until its name
#                       is in the window title;
#   baseline            a launch without photos until its window is up, plus a plain decode of
#                       the first photo at screen size (firstdecode): the time no program could beat;
#   rss_import1000      resident memory once the 1,000 photos are imported and the program idle;
#   rss_open1000        resident memory of a fresh launch once it has opened a show of those
#                       1,000 (made by makeshow) and is idle.
# The 1,000 are the 60 generated 12-megapixel photos repeated as links, as a year of photos
# holds few distinct scenes as far as the decoder cares.
#
#   bench/first_picture.sh [--tools FOLDER] PROGRAM...
#
# Each PROGRAM (a Release build; a baseline build beside it makes the comparison) is measured in
# turn in the same run; FOLDER is where makephotos, makeshow, firstdecode and firstpixels were
# built (default:
# build/release/bench). Screenshots go to $FIRST_PICTURE_SHOTS when it is set.
set -euo pipefail

if [ -z "${FIRST_PICTURE_INSIDE:-}" ]; then
  exec env FIRST_PICTURE_INSIDE=1 xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
tools=$here/../build/release/bench
if [ "${1:-}" = "--tools" ]; then
  tools=$2
  shift 2
fi
tools=$(realpath "$tools")
[ $# -gt 0 ] || { echo "usage: $0 [--tools FOLDER] PROGRAM..." >&2; exit 2; }
top=$(mktemp -d -p "${FIRST_PICTURE_TMP:-/var/tmp}")
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; kill "$wm" 2>/dev/null || true; rm -rf "$top"' EXIT

source "$here/../scripts/openbox.sh"
start_openbox

now_ms() { echo $(($(date +%s%N) / 1000000)); }
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
# wait_window SECONDS PATTERN: polls as fast as xdotool answers; fails after SECONDS.
wait_window() {
  local deadline=$((SECONDS + $1))
  until [ -n "$(window_named "$2")" ]; do
    [ $SECONDS -lt $deadline ] || { echo "timed out waiting for $2" >&2; return 1; }
  done
}
# Until the program has used no processor time for 2 s and shows no progress window.
wait_idle() {
  local last= now
  while :; do
    now=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    if [ "$now" = "$last" ] && [ -z "$(window_named '^Importing Images$|^Opening|^Saving')" ]; then
      return
    fi
    last=$now
    sleep 2
  done
}
rss_mb() { awk '/^VmRSS:/ {printf "%.0f", $2 / 1024}' "/proc/$pid/status"; }
shot() {
  [ -n "${FIRST_PICTURE_SHOTS:-}" ] && import -window root "$FIRST_PICTURE_SHOTS/$1.png" 2>/dev/null
  return 0
}
stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
  # Until its window has left the screen, where the next launch's pixels are watched.
  sleep 1
}

"$tools/makephotos" "$top/photos"
mkdir "$top/photos1000"
for i in $(seq 0 999); do
  ln -s "$top/photos/photo$((i % 60)).jpg" "$top/photos1000/photo$i.jpg"
done
photos60=("$top"/photos/photo*.jpg)
photos1000=("$top"/photos1000/photo*.jpg)
# Read once, so that every launch finds them in the page cache, as after a first look.
cat "${photos60[@]}" >/dev/null

decode_ms=$("$tools/firstdecode" "$top/photos/photo0.jpg" 1280 800)
"$tools/makeshow" "$top/show1000.lrshow" 1000 "${photos60[@]}"

# launch_until PATTERN ARGS...: starts the program; `took` is then the ms until a window matches,
# and `pixels` the ms until a picture's pixels are at 300,200 on the screen (inside the window
# where openbox puts it, clear of the progress window).
launch_until() {
  local pattern=$1 start
  shift
  "$tools/firstpixels" 300 200 600000 >"$work/pixels" &
  local watcher=$!
  start=$(now_ms)
  "$program" "$@" >>"$work/program.log" 2>&1 &
  pid=$!
  wait_window 600 "$pattern"
  took=$(($(now_ms) - start))
  if [ $# -gt 0 ]; then
    wait "$watcher" || true
    pixels=$(cat "$work/pixels")
  else
    kill "$watcher" 2>/dev/null || true
  fi
}

measure() {
  program=$(realpath "$1")
  work=$(mktemp -d -p "$top")
  export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
  mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
  echo "$program"

  launch_until '^Untitled'
  stop
  echo "baseline        $((took + ${decode_ms%.*})) ms (start $took ms + decode $decode_ms ms)"

  launch_until '^Untitled - photo0\.jpg$' "${photos60[@]}"
  echo "first60         $pixels ms (title $took ms)"
  shot "$2-first60"
  stop

  launch_until '^Untitled - photo0\.jpg$' "${photos1000[@]}"
  echo "first1000       $pixels ms (title $took ms)"
  shot "$2-first1000"
  wait_idle
  echo "rss_import1000  $(rss_mb) MB"
  shot "$2-import1000"

  stop

  launch_until '^show1000' "$top/show1000.lrshow"
  echo "open1000        $pixels ms (title $took ms)"
  wait_idle
  echo "rss_open1000    $(rss_mb) MB"
  shot "$2-open1000"
  stop
}

number=0
for program in "$@"; do
  number=$((number + 1))
  measure "$program" "$number"
done
