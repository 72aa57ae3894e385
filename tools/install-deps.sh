#!/bin/sh
# Installs the Debian packages the build and the tests need, and only those that are missing.
# As root it runs apt-get itself (the package lists are refreshed first, once); otherwise it prints
# the exact command to run and fails, so nothing is built half-equipped.
set -eu
here=$(dirname "$0")
missing=""
for pkg in $(cat "$here/packages.txt"); do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $pkg" ;;
    esac
done
[ -z "$missing" ] && exit 0
line="apt-get install -y$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && $line" >&2
    exit 1
fi
echo "Installing:$missing" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update
$line
