#!/bin/sh
# Installs the Debian packages needed to build and run Cuestaval, only when
# one of them is missing, so a machine that has them all is left untouched.
# With "test", also what the test suite runs (the validators, clang for the
# fuzz run, poppler-utils for pdftotext); with "package", the tool that works
# out the .deb's library dependencies. Without root and without sudo it only
# says what to install.
set -eu

PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools fonts-liberation"
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

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Faltan estos paquetes de Debian:$missing." >&2
        echo "Instálalos como administrador y vuelve a intentarlo:" >&2
        echo "    su -c 'apt-get install$missing'" >&2
        exit 1
    fi
    SUDO="sudo"
fi

echo "Instalando paquetes:$missing"
# apt's own output only when it fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# shellcheck disable=SC2086
if ! { $SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "No se pudieron instalar los paquetes:$missing." >&2
    exit 1
fi
