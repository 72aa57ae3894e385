#!/bin/sh
# The screenshot walk of docs/screens under Xvfb (not a test: it takes a minute or more).
#   sh tools/e2e/screens.sh BUILD_FOLDER [OUT_FOLDER] [POSITIONS] [--run-only]
# A demo database of POSITIONS (2000) positions on 15.03.2024 is made once in BUILD/screens; the
# printer settings start in landscape with "prilagodi širini strani". --run-only stops after the run
# and its figures (window memory, run time).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=${2:-$here/../../docs/screens}
positions=${3:-2000}
day=15.03.2024
work="$build/screens"
mkdir -p "$work/bin" "$work/config/zorveka" "$out"
db="$work/demo-$positions.db"
if [ ! -f "$db" ]; then
    "$build/bin/zorveka-demo-db" "$db" --positions "$positions" --day "$day" --force
fi
printf '[DEMO]\nTYPE=ORACLE\nSERVER NAME=%s\n' "$db" >"$work/bin/aliases.ini"
printf '[REFERENT]\ndemo=DEMO\n' >"$work/bin/zorveka.ini"
printf '[tiskanje]\nlezece=true\nprilagodi_sirini=true\n' >"$work/config/zorveka/okno.ini"
export ZORVEKA_APPDIR="$work/bin"
export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
unset ZORVEKA_ALIASES
exec xvfb-run -a -s "-screen 0 1024x768x24" "$build/bin/zorveka-screens" "$(cd "$out" && pwd)" "$day" \
    DEMO demo wrong "OCIDLL=$build/bin/liboci_sqlite.so" ${4:-}
