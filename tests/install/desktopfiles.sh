# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a private prefix and checks what a desktop reads there: the menu
# entry, the software centre's description, the icons, and the show file's MIME type.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
need desktop-file-validate appstreamcli update-mime-database gio identify
prefix="$scratch/usr"
cmake --install "$LANTERNREEL_BINARY_DIR" --prefix "$prefix" >/dev/null

share="$prefix/share"
desktop="$share/applications/org.lanternreel.Lanternreel.desktop"
metainfo="$share/metainfo/org.lanternreel.Lanternreel.metainfo.xml"
[ -x "$prefix/bin/lanternreel" ] || fail "no program in bin"
desktop-file-validate "$desktop" || fail "desktop-file-validate refused the menu entry"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli refused the metainfo"
grep -q '^Exec=lanternreel %F$' "$desktop" || fail "the menu entry does not pass files on"
grep -q '^MimeType=.*application/x-lanternreel-show;' "$desktop" \
  || fail "the menu entry does not claim show files"

failures=0
for icon in apps/lanternreel mimetypes/application-x-lanternreel-show; do
  [ -f "$share/icons/hicolor/scalable/$icon.svg" ] || { echo "no scalable $icon"; failures=1; }
  for size in 16 32 48 256; do
    png="$share/icons/hicolor/${size}x$size/$icon.png"
    if [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" != "${size}x$size" ]; then
      echo "no ${size}x$size $icon"
      failures=1
    fi
  done
done
[ "$failures" -eq 0 ] || fail "icons missing from the hicolor theme"

update-mime-database "$share/mime"
mkdir -p "$scratch/home"
# The name alone, then the first bytes alone (a file that lost its extension).
printf 'whatever' >"$scratch/named.lrshow"
[ "$(content_type "$scratch/named.lrshow")" = application/x-lanternreel-show ] \
  || fail "a .lrshow file is not a show: $(content_type "$scratch/named.lrshow")"
# The demo show is written by the program's own writer.
cp "$LANTERNREEL_BINARY_DIR/demo/demo.lrshow" "$scratch/unnamed"
[ "$(content_type "$scratch/unnamed")" = application/x-lanternreel-show ] \
  || fail "a show's first bytes are not recognised: $(content_type "$scratch/unnamed")"
# Another CBOR file is no show.
head -c 64 "$scratch/unnamed" | LC_ALL=C sed 's/LRSHOW/LRSHOX/' >"$scratch/other"
[ "$(content_type "$scratch/other")" != application/x-lanternreel-show ] \
  || fail "a file that only resembles a show is taken for one"

echo "1 passed, 0 failed"
