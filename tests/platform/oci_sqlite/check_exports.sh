#!/bin/sh
# The engine library exports exactly the entry points its headers declare, nothing else.
# Usage: check_exports.sh <liboci_sqlite.so> <header>...
set -eu
library=$1
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
nm -D --defined-only "$library" | awk '{print $3}' | sort > "$dir/actual"
(sed -n 's/^ *X([^,]*, *\([A-Za-z0-9_]*\),.*/\1/p' "$@"
 sed -n 's/^OCI_API_EXPORT .* \**\(ocisqlite_[a-z_]*\)(.*/\1/p' "$@") | sort > "$dir/expected"
diff -u "$dir/expected" "$dir/actual"
echo "$(wc -l < "$dir/actual") names exported, as declared"
