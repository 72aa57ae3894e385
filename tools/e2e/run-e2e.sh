#!/bin/sh
# The end-to-end check of the desktop program (a ctest): tools/demo.sh sets up a small demo
# database, its alias and referent file in BUILD/e2e and starts zorveka-e2e in place of zorveka,
# under Xvfb on the xcb platform. Exit 77 (skipped) when xvfb-run is not installed.
#   sh tools/e2e/run-e2e.sh BUILD_FOLDER
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "End-to-end window check skipped: xvfb-run is not installed (Debian package xvfb)."
    exit 77
fi
work="$build/e2e"
rm -rf "$work"
mkdir -p "$work/bin"
export ZORVEKA_APPDIR="$work/bin"
export ZORVEKA_DEMO_DIR="$work"
export ZORVEKA_DEMO_POSITIONS=100
export ZORVEKA_DEMO_PROGRAM="$build/bin/zorveka-e2e"
export ZORVEKA_E2E_SCREENSHOT="$work/zorveka-window.png"
export QT_QPA_PLATFORM=xcb
# Grid fonts come from a WIN.INI of the check's own, not the user's.
export XDG_CONFIG_HOME="$work/config"
exec xvfb-run -a -s "-screen 0 1280x900x24" sh "$here/../demo.sh" "$build"
