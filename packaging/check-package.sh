#!/bin/sh
# The package from its files alone (a ctest): cpack makes it into a temporary folder, dpkg -x
# unpacks it into a folder tree of its own, and the unpacked programs answer --version and --help
# and run a 2,000-position demo day with the package's engine and schema scripts. The installed
# programs' program directory is the user's configuration folder, here one of the check's own.
#   sh packaging/check-package.sh BUILD_FOLDER CPACK_COMMAND
set -eu
build=$(cd "$1" && pwd)
cpack=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zorveka-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/out/zorveka_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libc6' || fail "no Depends from the shared libraries: $(dpkg-deb -f "$deb" Depends)"
stray=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | grep -Ev \
    '^\./usr/(bin/zorveka(-run|-sql|-demo-db)?|lib/zorveka/liboci_sqlite\.so|share/zorveka/schema/[^/]+|share/doc/zorveka/.+|share/man/man1/zorveka[-a-z]*\.1\.gz|share/applications/zorveka\.desktop|share/icons/hicolor/scalable/apps/zorveka\.svg)$' ||
    true)
[ -z "$stray" ] || fail "files outside the package's folders: $stray"

root="$work/root"
mkdir "$root"
dpkg -x "$deb" "$root"
bin="$root/usr/bin"
unset ZORVEKA_APPDIR ZORVEKA_ALIASES ZORVEKA_PASSWORD
export XDG_CONFIG_HOME="$work/config"
for program in zorveka zorveka-run zorveka-sql zorveka-demo-db; do
    "$bin/$program" --version >/dev/null || fail "$program --version failed"
done
"$bin/zorveka-run" --help | grep -q -- '--day DD.MM.YYYY' || fail "zorveka-run --help failed"

day=15.03.2024
"$bin/zorveka-demo-db" "$work/demo.db" --positions 2000 --day $day >"$work/demo.log" ||
    fail "zorveka-demo-db failed: $(cat "$work/demo.log")"
mkdir -p "$work/config/zorveka"
printf '[PAKET]\nTYPE=ORACLE\nSERVER NAME=%s\n' "$work/demo.db" >"$work/config/zorveka/aliases.ini"
(umask 077 && echo demo >"$work/geslo")
"$bin/zorveka-run" PAKET demo "@$work/geslo" "OCIDLL=$root/usr/lib/zorveka/liboci_sqlite.so" \
    --day $day --risk 1 2>"$work/run.log" || fail "zorveka-run failed: $(tail -5 "$work/run.log")"
[ -s "$work/config/zorveka/ZORVEKA.SQL" ] || fail "the run's statement files are not in the user's folder"
[ "$(ls "$bin" | wc -l)" -eq 4 ] || fail "the run wrote into $bin: $(ls "$bin")"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, the unpacked demo run completed"
