#!/bin/sh
# Installs everything the project needs to build, test and run on Debian 12.
set -e
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
echo "slapd slapd/no_configuration boolean true" | $SUDO debconf-set-selections
$SUDO apt-get install -y --no-install-recommends \
  g++ cmake ninja-build pkg-config \
  qt6-base-dev qt6-translations-l10n libgl-dev \
  zlib1g-dev libminizip-dev libcurl4-openssl-dev libldap-dev libxlsxwriter-dev \
  fonts-liberation2 fonts-dejavu-core \
  libgtest-dev libgmock-dev libbenchmark-dev hyperfine rsync \
  python3 python3-pyftpdlib python3-openpyxl slapd ldap-utils poppler-utils unzip
