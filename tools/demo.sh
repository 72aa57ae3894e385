#!/bin/sh
# `make demo`: starts the desktop program on the demo database once every piece exists.
set -eu
build=${1:-build}
bin="$build/bin"
missing=""
for f in zorveka zorveka-demo-db liboci_sqlite.so; do
    [ -e "$bin/$f" ] || missing="$missing $f"
done
if [ -n "$missing" ]; then
    echo "The demo cannot start yet; still missing from $bin:$missing" >&2
    exit 0
fi
