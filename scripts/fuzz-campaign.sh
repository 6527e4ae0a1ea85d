#!/usr/bin/env bash
# The fuzz campaign: every file reader's fuzz target, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset), run for EXECUTIONS inputs each (10 million by
# default) from its seed corpus, two at a time. Each target's new inputs and any finding stay
# in build/fuzz-campaign/<target>; the summary gives executions, coverage and findings.
#   scripts/fuzz-campaign.sh [EXECUTIONS]
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
bash scripts/setup.sh
cmake --preset asan > /dev/null
targets=(catalogue_fuzz:catalogue:32768 dbase_fuzz:dbase:8192 network_file_fuzz:network_file:8192
  project_file_fuzz:project_file:4096 tag_file_fuzz:tag_file:8192 alias_fuzz:alias:4096
  jpeg_fuzz:jpeg:4096)
cmake --build --preset asan --target "${targets[@]%%:*}" -j "$(nproc)" > /dev/null
out=build/fuzz-campaign
mkdir -p "$out"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run() {
  local name=${1%%:*} rest=${1#*:}
  local corpus=${rest%%:*} max=${rest#*:}
  mkdir -p "$out/$name/corpus"
  "build/asan/bin/$name" -runs="$runs" -max_len="$max" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/$name/" "$out/$name/corpus" "fuzz/corpus/$corpus" \
    > "$out/$name/log" 2>&1
  echo "$?" > "$out/$name/status"
}
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  [[ -n ${targets[i + 1]:-} ]] && run "${targets[i + 1]}" &
  wait
done
failed=0
printf '%-20s %12s %10s %s\n' target executions coverage findings
for target in "${targets[@]}"; do
  name=${target%%:*}
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$name/log" | grep -o '[0-9]*$')
  cov=$(grep -o 'cov: [0-9]*' "$out/$name/log" | tail -1 | grep -o '[0-9]*')
  findings=$(find "$out/$name" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' \
    -o -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*' | wc -l)
  [[ $(cat "$out/$name/status") -eq 0 && $findings -eq 0 ]] || failed=1
  printf '%-20s %12s %10s %s\n' "$name" "${execs:-?}" "${cov:-?}" "$findings"
done
exit $failed
