#!/usr/bin/env bash
# The random run over the real main window, offscreen: 100,000 events by default (keys and
# clicks on the grid, the quantity bar, the list tabs, the status strip, the network selector,
# the menus, with every question answered at random), each followed by the window's checks.
# A failure names its seed and event; run it again with that seed to repeat it.
#   scripts/monkey.sh [EVENTS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-100000}
seed=${2:-$RANDOM$RANDOM}
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavo-monkey -j "$(nproc)" > /dev/null
echo "monkey: $events events, seed $seed"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}" \
  build/default/bin/tavo-monkey data/TAVOUNIT.DAT "$events" "$seed"
