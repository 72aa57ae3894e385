#!/bin/sh
# `make demo`: starts the desktop program on a demo database of today and sets up what is missing
# first: the database (made again when it was made for another day, since the window opens on
# today), the alias DEMO in the program directory's aliases.ini and a referent file zorveka.ini.
#   sh tools/demo.sh BUILD_FOLDER
# The end-to-end check runs the very same steps elsewhere through ZORVEKA_APPDIR (program
# directory), ZORVEKA_DEMO_DIR, ZORVEKA_DEMO_POSITIONS and ZORVEKA_DEMO_PROGRAM (what is started).
set -eu
build=$(cd "${1:-build}" && pwd)
bin="$build/bin"
appdir=${ZORVEKA_APPDIR:-$bin}
demo=${ZORVEKA_DEMO_DIR:-$build/demo}
positions=${ZORVEKA_DEMO_POSITIONS:-2000}
program=${ZORVEKA_DEMO_PROGRAM:-$bin/zorveka}
engine="$bin/liboci_sqlite.so"
db="$demo/zorveka-demo.db"

missing=""
for f in "$program" "$bin/zorveka-demo-db" "$engine"; do
    [ -e "$f" ] || missing="$missing $f"
done
if [ -n "$missing" ]; then
    echo "The demo cannot start; missing:$missing" >&2
    exit 1
fi

today=$(date +%d.%m.%Y)
mkdir -p "$demo" "$appdir"
if [ ! -f "$db" ] || [ "$(cat "$db.day" 2>/dev/null)" != "$today" ]; then
    echo "Creating the demo database $db for $today ($positions positions) ..."
    "$bin/zorveka-demo-db" "$db" --positions "$positions" --day "$today" --force
    echo "$today" >"$db.day"
fi

aliases="$appdir/aliases.ini"
if ! grep -qi '^\[DEMO\]' "$aliases" 2>/dev/null; then
    [ -s "$aliases" ] && echo >>"$aliases" # an earlier last line may lack its line end
    printf '[DEMO]\nTYPE=ORACLE\nSERVER NAME=%s\n' "$db" >>"$aliases"
fi
referent="$appdir/zorveka.ini"
if [ ! -f "$referent" ]; then
    printf '; Referent codes by user code (the optional fourth argument of zorveka).\n[REFERENT]\ndemo=DEMO\n' \
        >"$referent"
fi

# The alias lives in the program directory's aliases.ini; a personal alias file would hide it.
unset ZORVEKA_ALIASES
exec "$program" DEMO demo demo "OCIDLL=$engine"
