#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing for one purpose. Idempotent:
# does nothing when everything is there.
#
#   scripts/install-deps.sh            # build and run the tuner (scripts/run.sh)
#   scripts/install-deps.sh test       # ... and build and run every test
#   scripts/install-deps.sh packaging  # the package's Build-Depends (scripts/package-deb.sh)
#   scripts/install-deps.sh checks     # what checks a built package (scripts/test-package.sh)
#
# Every apt-get waits for the package lock (unattended-upgrades may hold it on
# a fresh desktop) instead of failing at once.
set -eu
cd "$(dirname "$0")/.."
MODE=${1:-run}
LOCK_WAIT=${KALVO_APT_LOCK_TIMEOUT:-600}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

apt_get() {
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout="$LOCK_WAIT" "$@"
}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

RUN="cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libpulse-dev pulseaudio-utils
  libsndfile1-dev libsamplerate0-dev fonts-dejavu-core fonts-dejavu-extra"
TEST="git python3 qt6-translations-l10n googletest libgtest-dev libgmock-dev libbenchmark-dev pulseaudio
  xvfb xauth xdotool x11-apps clang libclang-rt-14-dev"
case "$MODE" in
    run)
        PACKAGES="$RUN"
        # A sound server only where there is none: a desktop with
        # pipewire-pulse must not get a second one beside it.
        installed pipewire-pulse || installed pulseaudio || PACKAGES="$PACKAGES pulseaudio"
        ;;
    test) PACKAGES="$RUN $TEST" ;;
    packaging)
        # dpkg-buildpackage, then exactly what debian/control asks for the
        # build (the tests are run by scripts/test.sh, not by the package).
        PACKAGES="dpkg-dev build-essential"
        ;;
    checks) PACKAGES="lintian desktop-file-utils appstream man-db binutils" ;;
    *)
        echo "install-deps: unknown purpose '$MODE' (run, test, packaging or checks)" >&2
        exit 2
        ;;
esac

missing=""
for p in $PACKAGES; do
    installed "$p" || missing="$missing $p"
done
builddeps=""
if [ "$MODE" = packaging ] && ! { installed dpkg-dev && dpkg-checkbuilddeps -Pnocheck debian/control 2>/dev/null; }; then
    builddeps=yes
fi
[ -n "$missing" ] || [ -n "$builddeps" ] || exit 0
apt_get update -qq
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt_get install -y -qq --no-install-recommends $missing
fi
if [ -n "$builddeps" ]; then
    echo "Installing the Build-Depends of debian/control"
    apt_get build-dep -y -qq --no-install-recommends -P nocheck ./
fi
