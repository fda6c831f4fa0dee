#!/bin/sh
# Packs the programs already built in BUILD into Debian packages, unpacks
# both into a scratch root as dpkg would install them, and starts each
# program from there without a display.
#   packages_start.sh BUILD VERSION
set -eu
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; exit 1; }
for name in korav pelin; do
  deb=$(ls "$scratch"/packages/${name}_*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  case $depends in
  *libqt6widgets6*) ;;
  *) echo "$name: the dependencies of the package miss the Qt libraries: $depends"; exit 1 ;;
  esac
  dpkg-deb -x "$deb" "$scratch/root"
done

for name in korav pelin; do
  program="$scratch/root/usr/bin/$name"
  [ -L "$program" ] || { echo "$name: no link in usr/bin"; exit 1; }
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$program" --version)
  expected="$(echo "$name" | tr a-z A-Z) $version"
  [ "$output" = "$expected" ] || { echo "$name --version printed \"$output\", expected \"$expected\""; exit 1; }
done
for file in lib/zeiterfassung/install-pelin lib/zeiterfassung/pelin_help.zip lib/zeiterfassung/pelin \
  share/applications/korav.desktop share/applications/pelin.desktop \
  share/icons/hicolor/scalable/apps/korav.svg share/icons/hicolor/scalable/apps/pelin.svg \
  share/man/man1/korav.1 share/man/man1/pelin.1 share/man/man1/kvd.1 bin/kvd; do
  [ -e "$scratch/root/usr/$file" ] || { echo "missing in the packages: /usr/$file"; exit 1; }
done
