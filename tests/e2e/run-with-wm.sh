#!/usr/bin/env bash
# Inside xvfb-run: starts openbox, then runs an e2e script with the program's path as $1.
# The script sources lib.sh for its helpers.
set -euo pipefail
script=$1
shift
export LANTERNREEL_E2E_LIB="$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR=$(mktemp -d)
openbox >/dev/null 2>&1 &
wm=$!
# openbox is up once it has claimed the screen (it sets _NET_SUPPORTING_WM_CHECK on the root)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
status=0
bash "$script" "$@" || status=$?
kill "$wm" 2>/dev/null || true
rm -rf "$XDG_RUNTIME_DIR"
exit "$status"
