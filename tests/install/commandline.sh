# The program's own options, answered without a display, and paths that do not exist.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
program=$1
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

version=$("${nodisplay[@]}" "$program" --version) || fail "--version failed"
[ "$version" = "Lanternreel $(sed -n 's/^project(lanternreel VERSION \([0-9.]*\).*/\1/p' \
  "$LANTERNREEL_SOURCE_DIR/CMakeLists.txt")" ] || fail "--version says: $version"

help=$("${nodisplay[@]}" "$program" --help) || fail "--help failed"
for wanted in "Usage: " "--version" "--help" "PATH..."; do
  grep -qF -- "$wanted" <<<"$help" || fail "--help does not mention $wanted"
done

# Only paths that do not exist: each is named, no window opens, and the launch fails.
cd "$scratch"
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch" timeout 20 \
  "$program" gone.jpg "$scratch/also gone" 2>"$scratch/errors" >/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a launch with nothing to open exited with $status"
grep -qF "lanternreel: gone.jpg: no such file or folder" "$scratch/errors" \
  || fail "the missing relative path was not reported: $(cat "$scratch/errors")"
grep -qF "lanternreel: $scratch/also gone: no such file or folder" "$scratch/errors" \
  || fail "the missing absolute path was not reported: $(cat "$scratch/errors")"

status=0
"${nodisplay[@]}" QT_QPA_PLATFORM=offscreen timeout 20 "$program" --no-such-option \
  2>"$scratch/errors" >/dev/null || status=$?
[ "$status" -ne 0 ] || fail "an unknown option was accepted"
grep -q "no-such-option" "$scratch/errors" || fail "the unknown option was not named"

echo "1 passed, 0 failed"
