#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package kalvo in one command:
#
#   scripts/package-deb.sh            # -> build-deb/kalvo_VERSION_ARCH.deb
#
# Installs what the build needs, copies the sources (as git sees them,
# uncommitted changes included) to build-deb/kalvo/ so that the package build
# leaves the checkout alone, and runs `dpkg-buildpackage -us -uc -b` there.
# The package's own test run is off (DEB_BUILD_OPTIONS=nocheck), because
# scripts/test.sh runs the tests on the same sources; KALVO_DEB_CHECK=1 turns
# it on. ccache is used when it is installed.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh packaging
OUT="$(pwd)/build-deb"
SRC="$OUT/kalvo"
rm -rf "$SRC"
mkdir -p "$SRC"
rm -f "$OUT"/kalvo_*.deb "$OUT"/kalvo-dbgsym_*.deb "$OUT"/kalvo_*.changes "$OUT"/kalvo_*.buildinfo
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
        tar --null -T - -cf - | tar -xf - -C "$SRC"
else
    tar --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$SRC"
fi
dpkg-checkbuilddeps $( [ "${KALVO_DEB_CHECK:-0}" = 1 ] || echo -Pnocheck ) "$SRC/debian/control"

if command -v ccache >/dev/null 2>&1; then
    export CMAKE_C_COMPILER_LAUNCHER="${CMAKE_C_COMPILER_LAUNCHER:-ccache}"
    export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
fi
options="parallel=$(nproc)"
[ "${KALVO_DEB_CHECK:-0}" = 1 ] || options="nocheck $options"
cd "$SRC"
DEB_BUILD_OPTIONS="$options${DEB_BUILD_OPTIONS:+ $DEB_BUILD_OPTIONS}" \
    dpkg-buildpackage -us -uc -b $( [ "${KALVO_DEB_CHECK:-0}" = 1 ] || echo -Pnocheck )
ls "$OUT"/kalvo_*.deb
