#!/bin/sh
# Installs a build into a scratch prefix and checks what a user gets: both
# programs run from there, the plug-ins sit where the installed program finds
# them, and the desktop entry, icon and manual pages are in place.
set -eu
BUILD_DIR="$1"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
for f in bin/kalvo bin/kalvo-analyze lib/kalvo/kvmidi.so lib/kalvo/kvdisplay.so \
         share/applications/kalvo.desktop share/pixmaps/kalvo.xpm \
         share/man/man1/kalvo.1 share/man/man1/kalvo-analyze.1; do
    [ -e "$PREFIX/$f" ] || { echo "missing after install: $f"; exit 1; }
done
"$PREFIX/bin/kalvo-analyze" --version | grep -q "^kalvo-analyze 2.3.2.1$"
"$PREFIX/bin/kalvo" --help | grep -q -- "--input FILE"
grep -q "^Exec=kalvo$" "$PREFIX/share/applications/kalvo.desktop"
# The manual pages format without warnings.
if command -v man >/dev/null 2>&1; then
    for page in kalvo kalvo-analyze; do
        out="$(MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man1/$page.1" 2>&1 >/dev/null)"
        [ -z "$out" ] || { echo "$page.1: $out"; exit 1; }
    done
fi
echo "install ok"
