#!/bin/sh
# Installs the dependencies, builds, prepares a demo in ./demo and starts
# both programs on it. PELIN logs in with the password "Geheim"; KORAV keeps
# its settings inside ./demo and asks for its data folder on the first start
# (choose ./demo/daten).
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
DEMO="$PWD/demo"
KVD=build/tools/kvd/kvd
mkdir -p "$DEMO/prog" "$DEMO/zeit" "$DEMO/daten" "$DEMO/config"
cp build/pelin/pelin "$DEMO/prog/pelin"
cat > "$DEMO/pelin.cfg.txt" <<CFG
dbversion=161020
LAN_aktiv=1
progordner=$DEMO/prog
zeitordner=$DEMO/zeit
feiertag=000000
landcode=0
CFG
$KVD scramble "$DEMO/pelin.cfg.txt" "$DEMO/prog/pelin.cfg"
MONTHS=""
for offset in -1 0 1 2 3 4 5 6 7 8 9 10 11 12; do
  MONTHS="$MONTHS$(date -d "$(date +%Y-%m-15) $offset month" +%m%Y)16800"
done
cat > "$DEMO/dama.txt" <<EMP
Geheim=4711#Erika Muster#100#
msz4711=10800$MONTHS
key_laestamm=4
EMP
$KVD scramble "$DEMO/dama.txt" "$DEMO/zeit/dama.kvd"
printf '\357\273\277P100=Messebau\r\nP200=Planung\r\n900=Pause\r\n910=Krank\r\n920=Urlaub\r\n930=Gleitfrei\r\n940=Verwaltung\r\n' \
  > "$DEMO/zeit/dprojekte.kvd"
XDG_CONFIG_HOME="$DEMO/config" build/korav/korav &
exec env XDG_CONFIG_HOME="$DEMO/config" "$DEMO/prog/pelin"
