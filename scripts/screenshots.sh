#!/bin/sh
# Makes the README's pictures docs/korav.png and docs/pelin.png: builds the
# programs like the run command, writes a demo firm into a scratch folder
# and lets each program save its main window under the offscreen platform.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh --run
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DZE_BUILD_TESTS=OFF -DZE_BUILD_BENCH=OFF $LAUNCHER
cmake --build build-run -j"$(nproc)"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
FIRM="$SCRATCH/firma"
# A fixed last month gives the same firm on every day.
build-run/korav/korav demo "$FIRM" --until 2025-06 >/dev/null
mkdir -p "$SCRATCH/config/ruvo" docs
printf '[General]\ndirectory=%s\n' "$FIRM" > "$SCRATCH/config/ruvo/korav.conf"
printf 'XDG_DOCUMENTS_DIR="%s"\nXDG_DESKTOP_DIR="%s"\n' "$SCRATCH/dokumente" "$SCRATCH/desktop" \
  > "$SCRATCH/config/user-dirs.dirs"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$SCRATCH/config" XDG_DATA_HOME="$SCRATCH/share"
export XDG_RUNTIME_DIR="$SCRATCH/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
ZE_SCREENSHOT="$PWD/docs/korav.png" timeout 60 build-run/korav/korav
(cd "$FIRM" && ZE_SCREENSHOT="$OLDPWD/docs/pelin.png" timeout 60 ./pelin korav)
ls -l docs/korav.png docs/pelin.png
