#!/bin/sh
# Installs everything the project needs to build, test and run on Debian 12;
# the package list is scripts/packages.txt.
set -e
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
echo "slapd slapd/no_configuration boolean true" | $SUDO debconf-set-selections
# shellcheck disable=SC2046
$SUDO apt-get install -y --no-install-recommends $(cat scripts/packages.txt)
