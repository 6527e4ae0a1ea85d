#!/usr/bin/env bash
# Builds Tavo Calculator (normal configuration) and runs it. Until the desktop program is in
# place this evaluates the sample project with the command-line program; extra arguments go
# to tavocalc-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavocalc-cli -j "$(nproc)" > /dev/null
if [[ $# -gt 0 ]]; then
  exec build/default/bin/tavocalc-cli "$@"
fi
exec build/default/bin/tavocalc-cli evaluate examples/Sample.tav
