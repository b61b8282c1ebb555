#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks what a user gets: both
# programs run from there, the plug-ins sit where the installed program finds
# them, the desktop entry, AppStream metadata, icons, manual pages and
# documentation are in place, and no installed file names the build machine's
# folders.
set -eu
BUILD_DIR="$1"
SOURCE_DIR="$(cd "$(dirname "$0")/../.." && pwd)"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
ID=org.kalvo.Kalvo
for f in bin/kalvo bin/kalvo-analyze lib/kalvo/kvmidi.so lib/kalvo/kvdisplay.so \
         share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
         share/icons/hicolor/scalable/apps/$ID.svg \
         share/icons/hicolor/48x48/apps/$ID.png share/icons/hicolor/64x64/apps/$ID.png \
         share/icons/hicolor/128x128/apps/$ID.png share/icons/hicolor/256x256/apps/$ID.png \
         share/man/man1/kalvo.1 share/man/man1/kalvo-analyze.1 \
         share/doc/kalvo/README.md share/doc/kalvo/docs/screenshot-main.png \
         share/doc/kalvo/docs/screenshot-de.png \
         share/kalvo/translations/kalvo_de.qm share/kalvo/translations/kalvo_es.qm \
         share/kalvo/translations/kalvo_fr.qm share/kalvo/translations/kalvo_it.qm \
         share/kalvo/translations/kalvo_pt_BR.qm; do
    [ -e "$PREFIX/$f" ] || { echo "missing after install: $f"; exit 1; }
done
"$PREFIX/bin/kalvo-analyze" --version | grep -q "^kalvo-analyze 2.3.2.1$"
"$PREFIX/bin/kalvo" --help | grep -q -- "--input FILE"
grep -q "^Exec=kalvo$" "$PREFIX/share/applications/$ID.desktop"
grep -q "^Icon=$ID$" "$PREFIX/share/applications/$ID.desktop"
# Each PNG is as large as the folder it is in says.
if command -v python3 >/dev/null 2>&1; then
    for size in 48 64 128 256; do
        python3 - "$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png" "$size" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read(24)
w, h = struct.unpack(">II", data[16:24])
if data[:8] != b"\x89PNG\r\n\x1a\n" or (w, h) != (int(sys.argv[2]),) * 2:
    sys.exit("%s: %dx%d, not %sx%s" % (sys.argv[1], w, h, sys.argv[2], sys.argv[2]))
PY
    done
fi
# No installed file may carry the source or build folder (the package would
# not be reproducible, and the path means nothing on a user's machine).
BUILD_ABS="$(cd "$BUILD_DIR" && pwd)"
for f in $(find "$PREFIX" -type f); do
    if strings "$f" | grep -q -e "$SOURCE_DIR" -e "$BUILD_ABS"; then
        echo "build path in installed file: ${f#$PREFIX/}"
        exit 1
    fi
done
# The manual pages format without warnings, and the desktop entry and
# metadata pass their validators where those are installed.
if command -v man >/dev/null 2>&1; then
    for page in kalvo kalvo-analyze; do
        out="$(MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man1/$page.1" 2>&1 >/dev/null)"
        [ -z "$out" ] || { echo "$page.1: $out"; exit 1; }
    done
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
    out="$(desktop-file-validate "$PREFIX/share/applications/$ID.desktop")"
    [ -z "$out" ] || { echo "$out"; exit 1; }
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" >/dev/null ||
        { appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml"; exit 1; }
fi
echo "install ok"
