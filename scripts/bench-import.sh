#!/usr/bin/env bash
# Measures the installation import for the README: builds the benchmark configuration
# (build/bench, optimised with debug information), writes the installation of 100 networks x
# 100 units x 8 rows with its memo file, runs the import benchmark (which also checks the import
# against the literal procedures on 10,000 rows), measures the time and peak memory of
# `tavocalc-cli import` on that installation, and times the reading of its table (every
# record, every field, memos included) against pgdbf converting the same table and memo file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if ! command -v pgdbf > /dev/null; then
  echo "bench-import: installing pgdbf"
  sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends pgdbf
fi

echo "=== build (build/bench)"
cmake --preset bench -DTAVO_WERROR=ON > /dev/null
cmake --build --preset bench --target import_bench tavo-import-bench-tool tavocalc-cli -j "$(nproc)" \
  > /dev/null
bin=build/bench/bin

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/tavo-import-bench-tool" write "$work"

echo "=== benchmark"
"$bin/import_bench" --benchmark_counters_tabular=true

# The fastest of runs wall-clock times of a command, in microseconds.
fastest() {
  local runs=$1 best=0 start end
  shift
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" > /dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    (( best == 0 || (end - start) / 1000 < best )) && best=$(( (end - start) / 1000 ))
  done
  echo "$best"
}
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v <= limit ? "ok" : "MISSED") }'; }

echo "=== whole import by tavocalc-cli (80,000 rows, 100 network files)"
cli=("$bin/tavocalc-cli" import --catalogue data/TAVOUNIT.DAT --alias data/TavoAlias.als
  "$work/large.tag")
seconds() { awk -v t="$1" 'BEGIN { printf "%.3f", t / 1e6 }'; }
# The first import writes the network files and the project file anew; later ones replace them.
first_us=$(fastest 1 "${cli[@]}")
again_us=$(fastest 5 "${cli[@]}")
peak_kb=0
for _ in 1 2 3; do
  /usr/bin/time -f "%M" -o "$work/peak" "${cli[@]}" > /dev/null 2> /dev/null
  kb=$(tail -n 1 "$work/peak")
  (( kb > peak_kb )) && peak_kb=$kb
done
echo "first import $(seconds "$first_us") s (target < 1 s: $(verdict "$first_us" 1000000))"
echo "import again, replacing its files: $(seconds "$again_us") s (target < 1 s: $(verdict "$again_us" 1000000))"
printf "peak memory %.1f MB (target < 200 MB: %s)\n" \
  "$(awk -v k="$peak_kb" 'BEGIN { print k / 1024 }')" "$(verdict "$peak_kb" 204800)"

echo "=== reading the table (10,000 records, memo file) against pgdbf"
"$bin/tavo-import-bench-tool" read "$work/large.dbf"
ours_us=$(fastest 10 "$bin/tavo-import-bench-tool" read "$work/large.dbf")
pgdbf_us=$(fastest 10 pgdbf -m "$work/large.DBT" "$work/large.dbf")
ratio=$(awk -v o="$ours_us" -v p="$pgdbf_us" 'BEGIN { printf "%.2f", o / p }')
printf "ours %.1f ms, pgdbf %.1f ms, ratio %s (target <= 2: %s)\n" \
  "$(awk -v t="$ours_us" 'BEGIN { print t / 1000 }')" \
  "$(awk -v t="$pgdbf_us" 'BEGIN { print t / 1000 }')" "$ratio" "$(verdict "$ratio" 2)"
