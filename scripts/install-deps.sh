#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Kalvo needs to build, test and run. Idempotent:
# does nothing when everything is there.
#
#   scripts/install-deps.sh [packaging]
#
# "packaging" adds what building and checking the Debian package needs
# (scripts/package-deb.sh, scripts/test-package.sh).
set -eu
PACKAGES="cmake ninja-build g++ pkg-config git
  qt6-base-dev libgl-dev libpulse-dev pulseaudio pulseaudio-utils
  libsndfile1-dev libsamplerate0-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps fonts-dejavu-core fonts-dejavu-extra
  clang libclang-rt-14-dev"
if [ "${1:-}" = packaging ]; then
    PACKAGES="$PACKAGES dpkg-dev debhelper pkgconf lintian desktop-file-utils appstream
  binutils"
fi
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
