#!/bin/sh
# Configures and builds into ./build (warnings are errors).
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZE_WERROR=ON
cmake --build build -j2
