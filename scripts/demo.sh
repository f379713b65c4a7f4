#!/usr/bin/env bash
# Sets up the machine, builds, starts the sandbox Web API server and runs the assistant against it.
#   MIRVALO_DEMO_PORT    the server's port (default 8080)
#   MIRVALO_DEMO_BUILD   the build folder (default <repository>/build)
#   MIRVALO_SYSTEM_ROOT  the emulated system (default mirvalo/sistema under the user's data folder)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MIRVALO_DEMO_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$build"

port="${MIRVALO_DEMO_PORT:-8080}"
work="$(mktemp -d "${TMPDIR:-/tmp}/mirvalo-demo.XXXXXX")"
log="$work/sandbox.log"
reports="$work/reports.jsonl"
# By default the server serves the complete sample product assembled in the build tree.
"$build/tools/sandbox-server/mirvalo-sandbox-server" --port "$port" --reports "$reports" >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true' EXIT

# Ready once it prints its address; a server that ended first could not start.
ready=""
for _ in $(seq 1 100); do
  if grep -q "listening on http://127.0.0.1:$port " "$log"; then
    ready=1
    break
  fi
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$ready" ]; then
  cat "$log" >&2
  if grep -q "cannot listen" "$log"; then
    echo "demo: port $port is busy; stop what uses it or choose another: MIRVALO_DEMO_PORT=8081 bash scripts/demo.sh" >&2
  else
    echo "demo: the sandbox server did not start (log: $log)" >&2
  fi
  exit 1
fi

# The platform's own default, spelled out so that it can be shown.
data_home="${XDG_DATA_HOME:-}"
[[ "$data_home" == /* ]] || data_home="$HOME/.local/share"
export MIRVALO_SYSTEM_ROOT="${MIRVALO_SYSTEM_ROOT:-$data_home/mirvalo/sistema}"
export MIRVALO_API_URL="http://127.0.0.1:$port"
export MIRVALO_SITE_URL="http://127.0.0.1:$port/sitio"

echo "demo: sandbox server at $MIRVALO_API_URL, public site at $MIRVALO_SITE_URL"
echo "demo: sample Mirvalo IDs: ESCUELA001 (cloud), ESCUELA002 (local), ESCUELA003 (no applications)"
echo "demo: reports received in $reports (server log: $log)"
echo "demo: emulated system root in $MIRVALO_SYSTEM_ROOT"
"$build/mirvalo-asistente"
