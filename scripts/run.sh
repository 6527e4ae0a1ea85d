#!/usr/bin/env bash
# Builds Tavo Calculator (normal configuration) and starts the desktop program. Arguments are
# passed on (the first one may raise the address limit, e.g. 150). Without a display the
# program runs under a virtual X server. "scripts/run.sh cli ..." runs tavocalc-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavocalc tavocalc-cli -j "$(nproc)" > /dev/null
if [[ "${1:-}" == "cli" ]]; then
  shift
  exec build/default/bin/tavocalc-cli "$@"
fi
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/default/bin/tavocalc "$@"
fi
echo "run: no display found; starting tavocalc under a virtual X server (xvfb-run)"
exec xvfb-run -a build/default/bin/tavocalc "$@"
