#!/usr/bin/env bash
# Debian packages needed to build Lanternreel and run its tests. Sourced by the install scripts.
LANTERNREEL_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libavformat-dev libturbojpeg0-dev
  # Sound playback through Qt Multimedia's GStreamer backend (wav, aiff, mp3, ogg, flac, m4a).
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  # The media-length tests make their sound files with it.
  ffmpeg
  dbus xvfb xauth x11-utils openbox xdotool imagemagick poppler-utils
)
