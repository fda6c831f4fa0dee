#!/bin/sh
# Installs the Debian 12 packages of a list that are not installed yet, and
# touches apt only when some are missing.
#   scripts/deps.sh              everything to build, test and run
#                                (scripts/packages.txt)
#   scripts/deps.sh --run        only what building and running the programs
#                                needs (scripts/packages-run.txt)
set -e
cd "$(dirname "$0")/.."
LIST=scripts/packages.txt
[ "${1:-}" = "--run" ] && LIST=scripts/packages-run.txt
# shellcheck disable=SC2046
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' $(cat "$LIST") 2>/dev/null |
  awk '$2 == "installed" { print $1 }')
missing=""
for package in $(cat "$LIST"); do
  echo "$installed" | grep -qx "$package" || missing="$missing $package"
done
[ -n "$missing" ] || exit 0
echo "Missing packages:$missing"
if [ "$(id -u)" = 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  echo "Installing them through sudo."
  SUDO="sudo"
else
  echo "deps.sh: not root and sudo is missing; install as root: apt-get install$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
echo "slapd slapd/no_configuration boolean true" | $SUDO debconf-set-selections
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
# The tests start vsftpd on ports of their own; the system's service is not needed.
$SUDO service vsftpd stop >/dev/null 2>&1 || true
