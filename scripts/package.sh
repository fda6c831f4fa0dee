#!/bin/sh
# Builds the programs (Release, without tests) into ./build-run, the same
# folder the run command uses, and packs the Debian packages korav and pelin
# into ./build-run/packages.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh --run
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DZE_BUILD_TESTS=OFF -DZE_BUILD_BENCH=OFF $LAUNCHER
cmake --build build-run -j"$(nproc)"
cd build-run
cpack -B packages
ls -1 "$PWD"/packages/*.deb
