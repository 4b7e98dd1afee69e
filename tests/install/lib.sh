# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the install scripts.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# need TOOL... : the test cannot run without these (scripts/deps.sh installs them).
need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
  done
}

# A folder removed when the script ends.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# content_type FILE: what GLib's shared-mime-info reader makes of FILE, with only the MIME data
# under $scratch/usr/share and the system's own.
content_type() {
  XDG_DATA_HOME="$scratch/home" XDG_DATA_DIRS="$scratch/usr/share:/usr/share" \
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}
