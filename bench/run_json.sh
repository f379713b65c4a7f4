#!/usr/bin/env bash
# The JSON reader on a 5 MB file-plan answer, against nlohmann-json (Release build in $BENCH_BUILD).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
"$build/bench/bench_json_parse"
