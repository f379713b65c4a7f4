#!/usr/bin/env bash
# Runs every benchmark (bench/run_*.sh) against a Release build in build-bench/, then sums up:
# every checked target as a PASS or FAIL line, and the figures that have no target as INFO lines.
# Timings are noisy, so a missed target leaves the exit code at 0; a failed build or a benchmark
# that could not run to its end (a crash, a wrong copy, readers that disagree) makes it 1.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh" >/dev/null || { echo "bench: the set-up failed" >&2; exit 1; }
export BENCH_BUILD="$root/build-bench"
if ! bash "$root/scripts/build.sh" "$BENCH_BUILD" -DCMAKE_BUILD_TYPE=Release -DMIRVALO_TESTS=OFF; then
  echo "bench: the Release build failed" >&2
  exit 1
fi

salida="$(mktemp "${TMPDIR:-/tmp}/mirvalo-bench-XXXXXX")"
trap 'rm -f "$salida"' EXIT
sin_terminar=()
for script in "$root"/bench/run_*.sh; do
  [ -e "$script" ] || continue
  echo "== $(basename "$script")"
  bash "$script" 2>&1 | tee -a "$salida"
  [ "${PIPESTATUS[0]}" -eq 0 ] || sin_terminar+=("$(basename "$script")")
done

echo
echo "== summary"
grep -E '^(PASS|FAIL|INFO): ' "$salida"
echo "targets met: $(grep -c '^PASS: ' "$salida"), missed: $(grep -c '^FAIL: ' "$salida")"
if [ ${#sin_terminar[@]} -gt 0 ]; then
  echo "ERROR: did not run to the end: ${sin_terminar[*]}"
  exit 1
fi
exit 0
