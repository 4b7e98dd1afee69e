# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks what it declares and carries, that dpkg would install it
# on this machine, and that the program unpacked from it answers.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
need cpack dpkg-deb dpkg-shlibdeps apt-get
cpack -G DEB --config "$LANTERNREEL_BINARY_DIR/CPackConfig.cmake" -B "$scratch/out" >/dev/null \
  || fail "cpack failed"
debs=("$scratch"/out/lanternreel_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no lanternreel_*.deb"
deb=${debs[0]}

info=$(dpkg-deb --field "$deb" Package Depends Recommends)
failures=0
# Found by dpkg-shlibdeps from the program's own libraries, then the ones it loads at run time.
for wanted in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libturbojpeg0 libavformat \
              gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  grep -q "^Depends:.*\b$wanted" <<<"$info" || { echo "Depends lacks $wanted"; failures=1; }
done
for wanted in gstreamer1.0-libav qt6-image-formats-plugins; do
  grep -q "^Recommends:.*\b$wanted" <<<"$info" || { echo "Recommends lacks $wanted"; failures=1; }
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for wanted in ./usr/bin/lanternreel \
              ./usr/share/applications/org.lanternreel.Lanternreel.desktop \
              ./usr/share/metainfo/org.lanternreel.Lanternreel.metainfo.xml \
              ./usr/share/mime/packages/lanternreel.xml \
              ./usr/share/doc/lanternreel/copyright \
              ./usr/share/icons/hicolor/scalable/apps/lanternreel.svg \
              ./usr/share/icons/hicolor/48x48/apps/lanternreel.png \
              ./usr/share/icons/hicolor/scalable/mimetypes/application-x-lanternreel-show.svg; do
  grep -qxF "$wanted" <<<"$contents" || { echo "the package lacks $wanted"; failures=1; }
done
[ "$failures" -eq 0 ] || { echo "$info" >&2; fail "the package is incomplete"; }

# apt resolves every dependency against what this machine has or can fetch (the tests' machine
# has the program's run-time packages): a misspelt or unknown package name stops it.
apt-get install --simulate --no-install-recommends "$deb" >"$scratch/apt.txt" 2>&1 \
  || { cat "$scratch/apt.txt" >&2; fail "apt would not install the package"; }

dpkg-deb -x "$deb" "$scratch/root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$scratch/root/usr/bin/lanternreel" --version) || fail "the packaged program does not start"
grep -qx "Lanternreel [0-9]*\.[0-9]*\.[0-9]*" <<<"$version" \
  || fail "the packaged program's version reads: $version"

echo "1 passed, 0 failed"
