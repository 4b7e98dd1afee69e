#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Inside xvfb-run: starts openbox, then runs an e2e script with the program's path as $1.
# The script sources lib.sh for its helpers.
set -euo pipefail
script=$1
shift
export LANTERNREEL_E2E_LIB="$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR=$(mktemp -d)
openbox >/dev/null 2>&1 &
wm=$!
# openbox is ready once it announces what it supports on the root window; on a busy machine
# that can take several seconds.
ready=0
for _ in $(seq 300); do
  if xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; then
    ready=1
    break
  fi
  sleep 0.1
done
if [ "$ready" -ne 1 ]; then
  echo "FAIL: openbox did not start" >&2
  kill "$wm" 2>/dev/null || true
  exit 1
fi
status=0
bash "$script" "$@" || status=$?
kill "$wm" 2>/dev/null || true
rm -rf "$XDG_RUNTIME_DIR"
exit "$status"
