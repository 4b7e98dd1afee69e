# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the e2e scripts: waiting on windows, checking, and cleaning up the program.

E2E_PIDS=()
e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -n "${E2E_SHOT_DIR:-}" ] && import -window root "$E2E_SHOT_DIR/failure.png" 2>/dev/null
  exit 1
}

# wait_for SECONDS COMMAND... : polls until COMMAND succeeds; fails when time runs out.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# Visible top-level windows of the program whose title matches the regular expression.
windows_named() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# Mapped windows of the program's class (menus and popups included).
program_windows() {
  xwininfo -root -tree | grep -c '("org.lanternreel.Lanternreel" "Lanternreel")' || true
}

has_window_named() {
  [ -n "$(windows_named "$1")" ]
}

# more_program_windows_than N: true once more than N program windows are mapped.
more_program_windows_than() {
  [ "$(program_windows)" -gt "$1" ]
}
