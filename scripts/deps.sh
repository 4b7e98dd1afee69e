# SPDX-License-Identifier: GPL-3.0-or-later
# Debian packages the project needs, and a function that installs the missing ones.
# Sourced by scripts/run and scripts/test.

# To build and to run the program.
LANTERNREEL_RUN_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libavformat-dev libturbojpeg0-dev
  # lupdate and lrelease for the translations, and Qt's own translated texts
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # video export: H.264 (libx264 inside libavcodec), AAC, picture and sound conversion
  libavcodec-dev libswscale-dev libswresample-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  qt6-image-formats-plugins qt6-wayland
  # renders the icons' PNG sizes from their SVG
  librsvg2-bin
)

# Further, to build and run the tests and benchmarks headless.
LANTERNREEL_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  dbus dbus-daemon xvfb xauth x11-utils openbox xdotool imagemagick poppler-utils
  # the sound tests make their sound files with it
  ffmpeg
  # bench/keylatency presses keys (XTest) and times the window's new pixels (XDamage)
  libxtst-dev libxdamage-dev
  # the fuzzer of the show file reader: clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # the installed desktop files, MIME type and Debian package are checked with these
  desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev
  # the style checks
  clang-format clang-tidy
  # a German locale, for running the program in German by hand or in a test
  locales
)

# lanternreel_install PACKAGE... : installs what is not installed yet; quick when all are there.
lanternreel_install() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# lanternreel_locale NAME : generates a locale (de_DE.UTF-8) for running the program in that
# language by hand; quick when it is there.
lanternreel_locale() {
  locale -a | grep -qix "${1/UTF-8/utf8}" && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  lanternreel_install locales
  "${sudo[@]}" sed -i "s/^# *$1 /$1 /" /etc/locale.gen
  "${sudo[@]}" locale-gen >/dev/null
}
