#!/bin/sh
# Lists the source files whose first lines do not carry
#   SPDX-License-Identifier: GPL-3.0-or-later
# and exits 1 when there are any. Source files: C++ and C, CMake, shell and
# Python scripts, manual pages and debian/rules, as git knows them. XPM
# pictures (which must start with their own comment), data and documents are
# left out.
#
#   scripts/check-spdx.sh
set -eu
cd "$(dirname "$0")/.."
missing=0
for f in $(git ls-files --cached --others --exclude-standard -- \
        '*.cpp' '*.h' '*.c' '*.in' '*.cmake' '*CMakeLists.txt' '*.sh' '*.py' '*.1' \
        .ci/run debian/rules); do
    [ -f "$f" ] || continue
    if ! head -n 5 "$f" | grep -q "SPDX-License-Identifier: GPL-3.0-or-later"; then
        echo "$f"
        missing=$((missing + 1))
    fi
done
if [ $missing -gt 0 ]; then
    echo "check-spdx: $missing files without SPDX-License-Identifier: GPL-3.0-or-later" >&2
    exit 1
fi
echo "check-spdx: every source file carries the identifier"
