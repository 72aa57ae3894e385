#!/bin/sh
# The engine library exports exactly the entry points its headers declare, nothing else, and among
# them every function of the reference list.
# Usage: check_exports.sh <liboci_sqlite.so> <reference list> <header>...
set -eu
library=$1
reference=$2
shift 2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
nm -D --defined-only "$library" | awk '{print $3}' | sort > "$dir/actual"
(sed -n 's/^ *X([^,]*, *\([A-Za-z0-9_]*\),.*/\1/p' "$@"
 sed -n 's/^OCI_API_EXPORT .* \**\(ocisqlite_[a-z_]*\)(.*/\1/p' "$@") | sort > "$dir/expected"
diff -u "$dir/expected" "$dir/actual"
grep -v '^#' "$reference" | sort > "$dir/reference"
missing=$(comm -23 "$dir/reference" "$dir/actual")
if [ -n "$missing" ]; then
    echo "not exported, though in the reference list: $missing"
    exit 1
fi
echo "$(wc -l < "$dir/actual") names exported, as declared; all $(wc -l < "$dir/reference") of the reference list"
