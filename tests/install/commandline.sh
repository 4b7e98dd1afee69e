# SPDX-License-Identifier: GPL-3.0-or-later
# The program's own options, answered without a display.
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

# Short options run together, as Qt reads them everywhere else.
both=$("${nodisplay[@]}" "$program" -vh) || fail "-vh needed a display"
grep -qF "Usage: " <<<"$both" || grep -qx "Lanternreel [0-9.]*" <<<"$both" || fail "-vh says: $both"

cd "$scratch"
status=0
"${nodisplay[@]}" QT_QPA_PLATFORM=offscreen timeout 20 "$program" --no-such-option \
  2>"$scratch/errors" >/dev/null || status=$?
[ "$status" -ne 0 ] || fail "an unknown option was accepted"
grep -q "no-such-option" "$scratch/errors" || fail "the unknown option was not named"
# "-?" is not an option of Qt's programs on Linux, so not of this one either.
status=0
"${nodisplay[@]}" QT_QPA_PLATFORM=offscreen timeout 20 "$program" "-?" 2>/dev/null >/dev/null \
  || status=$?
[ "$status" -ne 0 ] || fail "\"-?\" was accepted"

echo "1 passed, 0 failed"
