#!/bin/sh
# The engine library exports exactly the entry points its header declares, nothing else.
# Usage: check_exports.sh <liboci_sqlite.so> <OciApi.h>
set -eu
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
nm -D --defined-only "$1" | awk '{print $3}' | sort > "$dir/actual"
(sed -n 's/^ *X([^,]*, *\([A-Za-z0-9_]*\),.*/\1/p' "$2"; echo ocisqlite_create_database; echo ocisqlite_round_trips) | sort > "$dir/expected"
diff -u "$dir/expected" "$dir/actual"
echo "$(wc -l < "$dir/actual") names exported, as declared"
