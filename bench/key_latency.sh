#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long a key waits for new pixels while the real program saves, opens and imports a show of
# 60 generated 12-megapixel photos. Drives the program as a person would, on a private X server
# with a window manager: a key pressed every 100 ms (Right and Left in turn, which change the
# picture), each timed to the window's next new pixels (keylatency).
#
#   bench/key_latency.sh [--tools FOLDER] PROGRAM...
#
# Each PROGRAM is a lanternreel to measure, a Release build, in turn on the same X server, so
# that a baseline (the program before a change) is measured beside it in the same run; FOLDER
# is where keylatency and makephotos were built (default: build/dev/bench). Prints, for each
# program, one line for each of:
#   save    Ctrl+S of the show, measured on its window until the file is replaced;
#   open    a second launch opening a copy of that file, measured on the first show's window
#           (the show being opened has none yet) until the launch has its answer;
#   import  a second launch importing the 60 photos into the open show, measured on its window.
# Screenshots of each stage go to $KEY_LATENCY_SHOTS when it is set.
set -euo pipefail

if [ -z "${KEY_LATENCY_INSIDE:-}" ]; then
  exec env KEY_LATENCY_INSIDE=1 xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
tools=$here/../build/dev/bench
if [ "${1:-}" = "--tools" ]; then
  tools=$2
  shift 2
fi
tools=$(realpath "$tools")
[ $# -gt 0 ] || { echo "usage: $0 [--tools FOLDER] PROGRAM..." >&2; exit 2; }
top=$(mktemp -d)
pids=()
stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  pids=()
}
trap 'stop_all; kill "$wm" 2>/dev/null || true; rm -rf "$top"' EXIT

source "$here/../scripts/openbox.sh"
start_openbox

# until SECONDS COMMAND...: polls until COMMAND succeeds.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    if [ $SECONDS -ge $deadline ]; then
      echo "timed out waiting for: $*" >&2
      exit 1
    fi
    sleep 0.1
  done
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }
shot() {
  [ -n "${KEY_LATENCY_SHOTS:-}" ] && import -window root "$KEY_LATENCY_SHOTS/$1.png" 2>/dev/null
  return 0
}

"$tools/makephotos" "$top/photos"
photos=("$top"/photos/photo*.jpg)

# measure PROGRAM: the three measurements, with a settings folder and runtime folder of its own.
measure() {
  program=$(realpath "$1")
  work=$(mktemp -d -p "$top")
  export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  mkdir -p "$XDG_CONFIG_HOME"
  echo "$program"

  "$program" "${photos[@]}" >"$work/program.log" 2>&1 &
  pids+=($!)
  until_true 300 has_window '^Untitled - photo0\.jpg$'
  show=$(window_named '^Untitled - photo0\.jpg$')

  # A file for the show, chosen in the Save As panel as a person would.
  xdotool windowactivate --sync "$show" key ctrl+shift+s
  until_true 30 has_window '^Save As$'
  sleep 0.5
  xdotool type --delay 5 "$work/show.lrshow"
  xdotool key Return
  until_true 300 title_is "$show" 'show - photo0.jpg'
  until_true 300 test -f "$work/show.lrshow"
  sleep 1

  xdotool windowactivate --sync "$show"
  sleep 0.5
  ( sleep 1.5; shot "$2-save" ) &
  echo "save    $("$tools/keylatency" --window "$show" --start-key ctrl+s ${KEY_LATENCY_VERBOSE:+--verbose 1} \
      --until-file-changes "$work/show.lrshow")"
  sleep 1

  cp "$work/show.lrshow" "$work/other.lrshow"
  xdotool windowactivate --sync "$show"
  sleep 0.5
  "$program" "$work/other.lrshow" >"$work/open.log" 2>&1 &
  launch=$!
  ( sleep 1.5; shot "$2-open" ) &
  echo "open    $("$tools/keylatency" --window "$show" --until-pid-exits "$launch")"
  wait "$launch" || true
  until_true 60 has_window '^other'
  sleep 1

  xdotool windowactivate --sync "$show"
  sleep 0.5
  "$program" "${photos[@]}" >"$work/import.log" 2>&1 &
  launch=$!
  ( sleep 1.5; shot "$2-import" ) &
  echo "import  $("$tools/keylatency" --window "$show" --until-pid-exits "$launch")"
  wait "$launch" || true
  stop_all
}

number=0
for program in "$@"; do
  number=$((number + 1))
  measure "$program" "$number"
done
