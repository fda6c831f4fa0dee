#!/bin/sh
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan and runs the tests headless. Any memory error or undefined
# behaviour stops the test that meets it, and the test fails.
#   scripts/sanitize.sh                      every library, program and test
#   scripts/sanitize.sh common_core_tests …  only these test programs
set -e
cd "$(dirname "$0")/.."
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZE_WERROR=ON -DZE_SANITIZE=ON $LAUNCHER
export QT_QPA_PLATFORM=offscreen LDAPNOINIT=1 ZE_SOURCE_DIR="$PWD"
export UBSAN_OPTIONS=print_stacktrace=1
if [ $# -eq 0 ]; then
  cmake --build build-asan -j2
  exec ctest --test-dir build-asan --output-on-failure -j2
fi
cmake --build build-asan -j2 --target "$@"
status=0
for program in "$@"; do
  echo "== $program"
  "build-asan/tests/$program" || status=1
done
exit $status
