#!/bin/sh
# Builds the programs (Release, without tests) into ./build-run, writes a
# demo firm into ./demo/firma on first use and starts KORAV on it. Missing
# packages are installed first. Everything the programs keep lies inside
# ./demo: KORAV's and PELIN's settings in ./demo/config, PELIN's personal
# folder in ./demo/dokumente/pelin, its desktop folder in ./demo/desktop and
# the help pages in ./demo/share. "Programm PELIN starten" opens PELIN on
# the same firm. The passwords are printed, and kept in
# ./demo/firma/demo-zugang.txt.
set -e
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "KORAV braucht eine grafische Sitzung (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt)." >&2
  exit 1
fi
scripts/deps.sh --run
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DZE_BUILD_TESTS=OFF -DZE_BUILD_BENCH=OFF $LAUNCHER
cmake --build build-run -j"$(nproc)"
DEMO="$PWD/demo"
FIRM="$DEMO/firma"
CONFIG="$DEMO/config"
if [ ! -f "$FIRM/zama.kvd" ]; then
  build-run/korav/korav demo "$FIRM"
else
  tr -d '\r' < "$FIRM/demo-zugang.txt" | sed '1s/^\xEF\xBB\xBF//'
fi
# PELIN's personal folder is the "pelin" folder of the documents folder,
# which the toolkit takes from user-dirs.dirs of the configuration folder.
mkdir -p "$CONFIG/ruvo" "$DEMO/dokumente" "$DEMO/desktop" "$DEMO/share"
printf 'XDG_DOCUMENTS_DIR="%s"\nXDG_DESKTOP_DIR="%s"\n' "$DEMO/dokumente" "$DEMO/desktop" > "$CONFIG/user-dirs.dirs"
# KORAV reads its data folder from the entry "directory" of its settings.
SETTINGS="$CONFIG/ruvo/korav.conf"
if [ ! -f "$SETTINGS" ]; then
  printf '[General]\ndirectory=%s\n' "$FIRM" > "$SETTINGS"
elif grep -q '^directory=' "$SETTINGS"; then
  sed -i "s|^directory=.*|directory=$FIRM|" "$SETTINGS"
elif grep -q '^\[General\]' "$SETTINGS"; then
  sed -i "/^\[General\]/a directory=$FIRM" "$SETTINGS"
else
  sed -i "1i [General]\ndirectory=$FIRM" "$SETTINGS"
fi
exec env XDG_CONFIG_HOME="$CONFIG" XDG_DATA_HOME="$DEMO/share" build-run/korav/korav
