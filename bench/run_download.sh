#!/usr/bin/env bash
# EX_Download against curl on the same files from the same loopback server (Release build in
# $BENCH_BUILD): one 1 GiB file (throughput and the client's peak memory) and 2,000 files of 10 KiB
# (curl gets all of them in one invocation). Each figure is the best of five runs, the two clients
# taking turns, so a busy machine weighs on both alike.
# Targets: 1 GiB at >= 0.9 of curl's throughput with peak memory < 64 MiB; 2,000 files in <= 1.3x curl's time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
servidor="$build/bench/bench_download_servidor"
cliente="$build/bench/bench_download_cliente"
export QT_QPA_PLATFORM=offscreen
export MIRVALO_SYSTEM_ROOT
work="$(mktemp -d "${TMPDIR:-/tmp}/mirvalo-bench-download-XXXXXX")"
MIRVALO_SYSTEM_ROOT="$work/sistema"
# Qt's run-time folder, only so that the client does not warn about a missing one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pid=""
limpia() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
# The 1 GiB file and its copies go whatever way the run ends, also when it is interrupted.
trap limpia EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

echo "preparing 1 GiB and 2,000 x 10 KiB of random data in $work"
mkdir -p "$work/srv/pequenos" "$work/out"
head -c $((1024 * 1024 * 1024)) /dev/urandom > "$work/srv/grande.bin"
head -c $((2000 * 10240)) /dev/urandom > "$work/todos.bin"
split -b 10240 -a 4 -d "$work/todos.bin" "$work/srv/pequenos/p"
rm "$work/todos.bin"

"$servidor" "$work/srv" > "$work/puerto" &
pid=$!
for _ in $(seq 100); do [ -s "$work/puerto" ] && break; sleep 0.05; done
base="http://127.0.0.1:$(cat "$work/puerto")"

printf '%s\t%s\n' "$base/grande.bin" "$work/out/grande.bin" > "$work/grande.lista"
: > "$work/pequenos.lista"
: > "$work/pequenos.curl"
for f in "$work"/srv/pequenos/p*; do
  n="$(basename "$f")"
  printf '%s\t%s\n' "$base/pequenos/$n" "$work/out/$n" >> "$work/pequenos.lista"
  printf 'url = "%s"\noutput = "%s"\n' "$base/pequenos/$n" "$work/out/$n" >> "$work/pequenos.curl"
done

ahora_us() { echo $(( $(date +%s%N) / 1000 )); }
vacia() { rm -rf "$work/out"; mkdir -p "$work/out"; }

# curl's wall time, in microseconds.
curl_us() {
  vacia
  local inicio fin
  inicio=$(ahora_us)
  curl -s --fail "$@"
  fin=$(ahora_us)
  echo $((fin - inicio))
}
# EX_Download's time from its first transfer to its last, in microseconds; its peak memory in KiB
# goes to $work/rss.
ex_us() {
  vacia
  /usr/bin/time -f "%M" -o "$work/rss" "$cliente" "$1" > "$work/cliente.out"
  awk '{print $2}' "$work/cliente.out"
}
verifica() { cmp -s "$1" "$2" || { echo "the copy of $1 differs" >&2; exit 1; }; }
minimo() { printf '%s\n' "$@" | sort -n | head -1; }

# Warm the page cache and check both clients get the right bytes.
curl_us -o "$work/out/grande.bin" "$base/grande.bin" > /dev/null
ex_us "$work/grande.lista" > /dev/null
verifica "$work/srv/grande.bin" "$work/out/grande.bin"

curl_grande=() ex_grande=() rss=()
for _ in 1 2 3 4 5; do
  curl_grande+=("$(curl_us -o "$work/out/grande.bin" "$base/grande.bin")")
  ex_grande+=("$(ex_us "$work/grande.lista")")
  rss+=("$(cat "$work/rss")")
done
verifica "$work/srv/grande.bin" "$work/out/grande.bin"
eventos="$(cat "$work/cliente.out")"

curl_pequenos=() ex_pequenos=()
for _ in 1 2 3 4 5; do
  curl_pequenos+=("$(curl_us -K "$work/pequenos.curl")")
  ex_pequenos+=("$(ex_us "$work/pequenos.lista")")
done
diff -rq "$work/srv/pequenos" "$work/out" > /dev/null || { echo "the copies of the 2,000 files differ" >&2; exit 1; }

cg=$(minimo "${curl_grande[@]}"); eg=$(minimo "${ex_grande[@]}")
cp=$(minimo "${curl_pequenos[@]}"); ep=$(minimo "${ex_pequenos[@]}")
rss_max=$(printf '%s\n' "${rss[@]}" | sort -n | tail -1)
awk -v cg="$cg" -v eg="$eg" -v cp="$cp" -v ep="$ep" -v rss="$rss_max" -v ev="$eventos" 'BEGIN {
  mib = 1024 * 1024 * 1024 / 1048576
  printf "1 GiB:        curl %.3f s (%.0f MiB/s), EX_Download %.3f s (%.0f MiB/s)\n", cg/1e6, mib/(cg/1e6), eg/1e6, mib/(eg/1e6)
  printf "              last run: %s\n", ev
  printf "2,000 x 10 KiB: curl %.3f s, EX_Download %.3f s\n", cp/1e6, ep/1e6
  printf "%s: download 1 GiB EX_Download throughput / curl = %.2f (target >= 0.90)\n", (cg/eg >= 0.9 ? "PASS" : "FAIL"), cg/eg
  printf "%s: download 1 GiB EX_Download peak memory = %.1f MiB (target < 64)\n", (rss/1024 < 64 ? "PASS" : "FAIL"), rss/1024
  printf "%s: download 2,000 x 10 KiB EX_Download time / curl = %.2f (target <= 1.30)\n", (ep/cp <= 1.3 ? "PASS" : "FAIL"), ep/cp
}'
