#!/bin/sh
# Installs the dependencies, builds and runs every test headless.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/check-format.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
scripts/fuzz.sh
