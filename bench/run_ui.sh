#!/usr/bin/env bash
# What long work pays per call for letting window events run and for the progress bar, with the
# forms layer's real event pump on the offscreen platform (Release build in $BENCH_BUILD).
# Figures only: no target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
export QT_QPA_PLATFORM=offscreen
# Qt's run-time folder, only so that it does not warn about a missing one.
runtime="$(mktemp -d "${TMPDIR:-/tmp}/mirvalo-bench-ui-XXXXXX")"
trap 'rm -rf "$runtime"' EXIT
salida="$(XDG_RUNTIME_DIR="$runtime" "$build/bench/bench_ui_eventos")"
echo "$salida"
echo "$salida" | awk -F': *' '
  /nothing pending, window shown/ { eventos = $2 }
  /same value as shown/ { igual = $2 }
  /changed value/ { cambiado = $2 }
  END { printf "INFO: DejaCorrerEventos %s (nothing pending); MuestraElProgreso %s same value, %s changed value\n",
               eventos, igual, cambiado }'
