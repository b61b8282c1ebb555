#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every option a program's --help lists must be described in the OPTIONS
# section of its manual page. The options are read from the help text itself,
# so an option added to the program without a word in the page fails here.
#
#   check-man-options.sh PROGRAM PAGE.1
set -eu
PROGRAM="$1"
PAGE="$2"
help="$("$PROGRAM" --help)"
# The option column: an indented line that starts with "-", up to the first gap
# of two spaces ("  --log OUT, --wav OUT   write ..." gives --log and --wav).
options="$(printf '%s\n' "$help" |
    sed -n 's/^ \{1,8\}\(-[^ ].*\)$/\1/p' |
    sed 's/   *.*$//' |
    grep -o -- '--*[A-Za-z0-9][A-Za-z0-9-]*' | sort -u)"
[ -n "$options" ] || { echo "no options found in $PROGRAM --help"; exit 1; }
# The OPTIONS section of the page, with roff's escaped hyphens and font changes
# taken out.
section="$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$PAGE" | sed 's/\\-/-/g; s/\\f[BIRP]//g; s/\\f(..//g')"
missing=""
for option in $options; do
    printf '%s\n' "$section" | grep -q -E -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)" ||
        missing="$missing $option"
done
if [ -n "$missing" ]; then
    echo "$(basename "$PAGE"): options of $(basename "$PROGRAM") --help not in its OPTIONS section:$missing"
    exit 1
fi
echo "$(basename "$PAGE"): all $(echo $options | wc -w) options described"
