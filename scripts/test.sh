#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
#   scripts/test.sh            normal build in build/
#   scripts/test.sh --sanitize AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"

build="$root/build"
args=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-asan"
  args=(-DCMAKE_BUILD_TYPE=Debug -DMIRVALO_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1)
fi
bash "$root/scripts/build.sh" "$build" "${args[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
