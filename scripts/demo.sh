#!/bin/sh
# Installs the dependencies, builds, prepares a demo data folder in ./demo and
# starts the programs on it.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
DEMO="$PWD/demo"
mkdir -p "$DEMO/prog" "$DEMO/zeit"
cp build/pelin/pelin "$DEMO/prog/pelin"
cat > "$DEMO/pelin.cfg.txt" <<CFG
dbversion=161020
LAN_aktiv=1
progordner=$DEMO/prog
zeitordner=$DEMO/zeit
feiertag=000000
landcode=0
CFG
build/tools/kvd/kvd scramble "$DEMO/pelin.cfg.txt" "$DEMO/prog/pelin.cfg"
exec "$DEMO/prog/pelin"
