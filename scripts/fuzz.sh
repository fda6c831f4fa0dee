#!/bin/sh
# Builds the fuzz programs of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-fuzz (only the libraries they need)
# and runs each from its seed files for a short while, two at a time. A
# crash, a sanitizer report or a broken check fails the run; the input that
# shows it and the log are left in build-fuzz/findings/<program>/.
#   scripts/fuzz.sh [SECONDS]      seconds per program, 20 by default
set -e
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-20}"
CXX_CLANG="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$CXX_CLANG" ]; then
  echo "fuzz.sh: clang++ is missing (scripts/packages.txt lists clang-14)" >&2
  exit 1
fi
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZE_WERROR=ON \
  -DCMAKE_CXX_COMPILER="$CXX_CLANG" -DZE_FUZZ=ON -DZE_SANITIZE=ON $LAUNCHER
cmake --build build-fuzz -j2 --target fuzzers

# The readers write scratch files for every input; a folder in memory keeps
# the disk from setting the pace.
SCRATCH="$(mktemp -d /dev/shm/ze-fuzz.XXXXXX 2>/dev/null || mktemp -d)"
trap 'rm -rf "$SCRATCH"' EXIT

run_one() {
  name="$(basename "$1")"
  findings="build-fuzz/findings/$name"
  rm -rf "$findings"
  mkdir -p "$findings" "$SCRATCH/$name/neu" "$SCRATCH/$name/tmp"
  # New inputs go to the scratch folder, so the seed files stay as they are.
  if TMPDIR="$SCRATCH/$name/tmp" UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/fuzz/$name" -max_total_time="$SECONDS_EACH" -timeout=25 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$SCRATCH/$name/neu" "$1" \
    >"$findings/log.txt" 2>&1; then
    echo "== $name: $(grep -E '^stat::number_of_executed_units' "$findings/log.txt" | sed 's/.*: *//') inputs, no findings"
  else
    tail -n 60 "$findings/log.txt"
    echo "== $name FAILED: see $findings/"
    touch "$findings/failed"
  fi
}

set -- fuzz/corpus/*/
while [ $# -gt 0 ]; do
  run_one "$1" &
  if [ $# -gt 1 ]; then
    run_one "$2" &
    shift
  fi
  shift
  wait
done
if ls build-fuzz/findings/*/failed >/dev/null 2>&1; then
  exit 1
fi
