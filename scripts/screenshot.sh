#!/usr/bin/env bash
# Renders the real main window with a few units placed (every status line shows a verdict)
# into docs/calculator.png, and the main window with the sample project open into
# docs/project.png, offscreen; and the first page of each report, as tavocalc-cli writes them
# as PDF, into docs/report-project.png, docs/report-network.png and
# docs/report-installation.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavocalc-screenshot tavocalc-cli -j "$(nproc)" > /dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}" \
  build/default/bin/tavocalc-screenshot docs data/TAVOUNIT.DAT examples/Sample.tav
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/. "$work/"
cli=$PWD/build/default/bin/tavocalc-cli
(cd "$work" && "$cli" report project -o project.pdf Sample.tav &&
  "$cli" report network -o network.pdf Sample.tav &&
  "$cli" report installation --dec -o installation.pdf Harbour/Harbour.tag 2> /dev/null)
for report in project network installation; do
  pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$work/$report.pdf" "docs/report-$report"
done
echo "wrote docs/calculator.png, docs/project.png and docs/report-*.png"
