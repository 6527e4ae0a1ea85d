#!/usr/bin/env bash
# Measures the installation report for the README: builds the benchmark configuration
# (build/bench) and runs report_bench, which imports the installation of 100 networks x 100
# units x 8 rows (80,000 rows) once and then writes its installation report as PDF (about 2,760
# pages: total time, time per page over the first and the last 100 pages, peak memory) and lays
# out and paints the preview's first page.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset bench -DTAVO_WERROR=ON > /dev/null
cmake --build --preset bench --target report_bench -j "$(nproc)" > /dev/null
build/bench/bin/report_bench --benchmark_counters_tabular=true
