#!/bin/sh
# Installs what is missing, builds, and starts the tuner. Arguments are passed
# to the program.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/app/kalvo ]; then
    exec build/app/kalvo "$@"
fi
# The window is not built yet: the terminal front end is what runs.
exec build/tools/kalvo-analyze "${@:---help}"
