#!/usr/bin/env bash
# The selection screen's list queries on generated catalogues of 5,000 to 40,000 applications
# (Release build in $BENCH_BUILD). Check: each query grows as n log n, not quadratically. The
# growth is the exponent k of t ~ n^k from 5,000 to 40,000: n log n alone gives about 1.1, but the
# caches weigh more as the catalogue outgrows them, so it reads up to about 1.5; a quadratic
# query gives 2 or more. Target: k < 1.75.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
salida="$("$build/bench/bench_catalogo")"
echo "$salida" | grep -v '^GROWTH '
echo "$salida" | awk '/^GROWTH / {
  printf "%s: catalogue %s grows as n^%.2f from 5k to 40k (n log n: n^%.2f, quadratic: n^2; target < 1.75)\n",
         ($3 < 1.75 ? "PASS" : "FAIL"), $2, $3, $4
}'
