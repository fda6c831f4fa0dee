#!/bin/sh
# Installs the dependencies, builds, writes a demo firm into ./demo/firma on
# first use and starts KORAV on it. KORAV keeps its settings inside ./demo
# (./demo/config) and opens the demo firm at once; "Programm PELIN starten"
# then opens PELIN on the same firm. The passwords are printed, and kept in
# ./demo/firma/demo-zugang.txt.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
DEMO="$PWD/demo"
FIRM="$DEMO/firma"
CONFIG="$DEMO/config"
if [ ! -f "$FIRM/zama.kvd" ]; then
  build/korav/korav demo "$FIRM"
else
  tr -d '\r' < "$FIRM/demo-zugang.txt" | sed '1s/^\xEF\xBB\xBF//'
fi
# KORAV reads its data folder from the entry "directory" of its settings.
SETTINGS="$CONFIG/ruvo/korav.conf"
mkdir -p "$CONFIG/ruvo"
if [ ! -f "$SETTINGS" ]; then
  printf '[General]\ndirectory=%s\n' "$FIRM" > "$SETTINGS"
elif grep -q '^directory=' "$SETTINGS"; then
  sed -i "s|^directory=.*|directory=$FIRM|" "$SETTINGS"
elif grep -q '^\[General\]' "$SETTINGS"; then
  sed -i "/^\[General\]/a directory=$FIRM" "$SETTINGS"
else
  sed -i "1i [General]\ndirectory=$FIRM" "$SETTINGS"
fi
exec env XDG_CONFIG_HOME="$CONFIG" build/korav/korav
