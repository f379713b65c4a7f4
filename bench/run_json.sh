#!/usr/bin/env bash
# The JSON reader on a 5 MB file-plan answer, against nlohmann-json (Release build in $BENCH_BUILD).
# Target: EX_JSON no slower than nlohmann-json, reading and reading plus freeing the tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
salida="$("$build/bench/bench_json_parse")"
echo "$salida"
echo "$salida" | awk -F': ' '/^EX_JSON \/ nlohmann-json/ {
  que = $1; sub(/^EX_JSON \/ nlohmann-json /, "", que)
  printf "%s: JSON %s EX_JSON / nlohmann-json = %.2f (target <= 1.00)\n", ($2 <= 1.0 ? "PASS" : "FAIL"), que, $2
}'
