#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as a user's machine would get it
# (CI runs this after the tests):
#   - dpkg-buildpackage -us -uc -b (scripts/package-deb.sh), then lintian,
#     which must report no errors;
#   - apt-get install ./kalvo_*.deb, then the installed programs: kalvo
#     --version (offscreen), kalvo-analyze on a WAVE file, --midi through the
#     plug-in in /usr/lib/kalvo; appstreamcli and desktop-file-validate on the
#     installed files; the translations in /usr/share/kalvo/translations; no
#     installed file may name a folder of the build;
#   - the package is removed again, whatever happened (other builds on the
#     machine must not find installed plug-ins).
# Runs as root (or with sudo). Refuses to start when kalvo is installed
# already, so that it never removes an installation it did not make.
set -eu
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if dpkg-query -W -f='${Status}' kalvo 2>/dev/null | grep -q "install ok installed"; then
    echo "test-package: the kalvo package is installed already; remove it first" >&2
    exit 1
fi
start=$(date +%s)
scripts/install-deps.sh checks
scripts/package-deb.sh
DEB="$(ls build-deb/kalvo_*.deb)"
CHANGES="$(ls build-deb/kalvo_*.changes)"

echo "== lintian"
lintian --fail-on error --display-info "$CHANGES"

WORK="$(mktemp -d)"
installed=0
cleanup() {
    status=$?
    if [ $installed = 1 ]; then
        echo "== removing the package"
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 remove --purge -y -qq kalvo >/dev/null ||
            status=1
    fi
    rm -rf "$WORK"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "== apt-get install ./$DEB"
installed=1
DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq "./$DEB" >/dev/null

fail() { echo "test-package: $*" >&2; exit 1; }
version="$(QT_QPA_PLATFORM=offscreen /usr/bin/kalvo --version)"
[ "$version" = "kalvo 2.3.2.1" ] || fail "kalvo --version said: $version"
[ "$(/usr/bin/kalvo-analyze --version)" = "kalvo-analyze 2.3.2.1" ] || fail "kalvo-analyze --version"

# Two seconds of A (440 Hz) at 16000 Hz stereo.
python3 - "$WORK/a440.wav" <<'PY'
import math, struct, sys, wave
out = wave.open(sys.argv[1], "wb")
out.setnchannels(2); out.setsampwidth(2); out.setframerate(16000)
out.writeframes(b"".join(struct.pack("<hh", v, v) for v in
    (int(12000 * math.sin(2 * math.pi * 440 * n / 16000)) for n in range(32000))))
out.close()
PY
(cd "$WORK" && /usr/bin/kalvo-analyze a440.wav) >"$WORK/log.txt"
grep -q "440.0 Hz |    A5" "$WORK/log.txt" || { cat "$WORK/log.txt"; fail "kalvo-analyze did not read A5"; }
# --midi loads kvmidi.so; the loader's trace says from where.
(cd "$WORK" && LD_DEBUG=files /usr/bin/kalvo-analyze --midi a440.mid a440.wav) 2>"$WORK/ld.txt"
grep -q "file=/usr/lib/kalvo/kvmidi.so" "$WORK/ld.txt" || fail "kvmidi.so was not loaded from /usr/lib/kalvo"
[ "$(head -c 4 "$WORK/a440.mid")" = MThd ] || fail "no MIDI file written"
echo "kalvo --version, kalvo-analyze on a WAVE file and --midi through /usr/lib/kalvo/kvmidi.so: ok"

appstreamcli validate --no-net /usr/share/metainfo/org.kalvo.Kalvo.metainfo.xml
out="$(desktop-file-validate /usr/share/applications/org.kalvo.Kalvo.desktop)"
[ -z "$out" ] || fail "desktop-file-validate: $out"
[ -f /usr/share/doc/kalvo/README.md ] || [ -f /usr/share/doc/kalvo/README.md.gz ] ||
    fail "no README in /usr/share/doc/kalvo"
grep -q '^StartupWMClass=kalvo$' /usr/share/applications/org.kalvo.Kalvo.desktop ||
    fail "the desktop entry does not name the window class"
for page in kalvo kalvo-analyze; do man -w "$page" >/dev/null || fail "no manual page $page"; done
for language in de es fr it pt_BR; do
    [ -s /usr/share/kalvo/translations/kalvo_$language.qm ] || fail "no translation $language"
done

# The checkout's and the package build's folders, in every installed file.
for f in $(dpkg -L kalvo); do
    [ -f "$f" ] && [ ! -L "$f" ] || continue
    if strings "$f" | grep -q -F -e "$(pwd)" -e "$(pwd)/build-deb"; then
        fail "build path in $f: $(strings "$f" | grep -F "$(pwd)" | head -1)"
    fi
done
echo "no build path in the $(dpkg -L kalvo | wc -l) installed paths: ok"
echo "test-package: all checks passed in $(( $(date +%s) - start )) s"
