#!/usr/bin/env bash
# Sets up the machine, builds, starts the sandbox Web API server and runs the assistant against it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"

port="${MIRVALO_DEMO_PORT:-8080}"
log="$(mktemp -d)/sandbox.log"
"$root/build/tools/sandbox-server/mirvalo-sandbox-server" --port "$port" --reports "$(dirname "$log")/reports.jsonl" >"$log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  grep -q "http://127.0.0.1:$port" "$log" 2>/dev/null && break
  sleep 0.1
done
grep -q "http://127.0.0.1:$port" "$log" || { cat "$log"; echo "demo: the sandbox server did not start" >&2; exit 1; }
echo "demo: sandbox server at http://127.0.0.1:$port (reports in $(dirname "$log")/reports.jsonl)"

export MIRVALO_API_URL="http://127.0.0.1:$port"
export MIRVALO_SITE_URL="${MIRVALO_SITE_URL:-http://127.0.0.1:$port/sitio}"
export MIRVALO_SYSTEM_ROOT="${MIRVALO_SYSTEM_ROOT:-$HOME/.local/share/mirvalo/sistema}"
"$root/build/mirvalo-asistente"
