#!/usr/bin/env bash
# Renders the real main window with a few units placed (every status line shows a verdict)
# into docs/calculator.png, and the main window with the sample project open into
# docs/project.png, offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavocalc-screenshot -j "$(nproc)" > /dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}" \
  build/default/bin/tavocalc-screenshot docs data/TAVOUNIT.DAT examples/Sample.tav
echo "wrote docs/calculator.png and docs/project.png"
