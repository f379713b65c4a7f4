#!/usr/bin/env bash
# Runs every benchmark (bench/run_*.sh) against a Release build in build-bench/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh" >/dev/null
export BENCH_BUILD="$root/build-bench"
bash "$root/scripts/build.sh" "$BENCH_BUILD" -DCMAKE_BUILD_TYPE=Release -DMIRVALO_TESTS=OFF
for script in "$root"/bench/run_*.sh; do
  [ -e "$script" ] || continue
  echo "== $(basename "$script")"
  bash "$script"
done
