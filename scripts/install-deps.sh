#!/bin/sh
# Installs the Debian packages needed to build and run Cuestaval, only when
# one of them is missing, so a machine that has them all is left untouched.
# With "test", also what the test suite runs: the validators, clang for the
# fuzz target and poppler-utils (pdftotext); with "package", the tool that
# works out the .deb's library dependencies.
set -eu

PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev fonts-liberation"
case "${1:-}" in
    test) PACKAGES="$PACKAGES desktop-file-utils appstream clang libclang-rt-14-dev poppler-utils" ;;
    package) PACKAGES="$PACKAGES dpkg-dev" ;;
esac

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
