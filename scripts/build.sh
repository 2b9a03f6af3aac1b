#!/bin/sh
# Builds the given targets of the default preset, configuring first if the
# build folder is new, and says so in one line. CMake's and Ninja's own
# output goes to build/build.log and is shown only when the build fails.
set -eu
cd "$(dirname "$0")/.."

mkdir -p build
log=build/build.log
echo "Compilando Cuestaval (la primera vez tarda unos minutos)..."
if { [ -f build/build.ninja ] || cmake --preset default; } >"$log" 2>&1 \
    && cmake --build --preset default --target "$@" >>"$log" 2>&1; then
    exit 0
fi
tail -n 30 "$log" >&2
echo "La compilación ha fallado; el registro completo está en $log." >&2
exit 1
