#!/bin/sh
# make run: from a fresh clone to the start window, saying in a few words
# what it does (installing packages, building, starting).
set -eu
cd "$(dirname "$0")/.."

# The same test as the program's own: without it, Qt's error about its
# platform plugin would be all the user sees, after the whole build.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Cuestaval necesita una sesión gráfica: ejecuta «make run» desde el escritorio (X11 o Wayland)." >&2
    exit 1
fi
sh scripts/install-deps.sh
sh scripts/build.sh cuestaval
echo "Iniciando Cuestaval."
exec build/src/app/cuestaval
