#!/bin/sh
# Checks that every C++ source follows .clang-format; with --fix, formats
# them in place instead.
set -e
cd "$(dirname "$0")/.."
mode="--dry-run --Werror"
if [ "$1" = "--fix" ]; then
    mode="-i"
elif [ -n "$1" ]; then
    echo "usage: $0 [--fix]" >&2
    exit 2
fi
folders=""
for folder in common pelin korav tests tools bench fuzz; do
    [ -d "$folder" ] && folders="$folders $folder"
done
# shellcheck disable=SC2086
find $folders -name '*.cpp' -o -name '*.h' | sort | xargs clang-format $mode
