#!/usr/bin/env bash
# The fuzz campaign: every file reader's fuzz target, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build tree of its own (build/fuzz-campaign/build, -O1), run for
# EXECUTIONS inputs each (10 million by default) from its seed corpus and the inputs earlier runs
# found, two at a time. Each target's new inputs and any finding stay in
# build/fuzz-campaign/<target>; its executions over all runs add up in <target>/total (an
# interrupted run counts as far as its log got). An input counts as hanging after 60 s, so that
# a run starved of the processor by other work finds no false timeout. The summary gives this run's executions, the
# total, coverage and findings; the exit status is 1 when a target found something.
#   scripts/fuzz-campaign.sh [EXECUTIONS [TARGET...]]
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
shift || true
bash scripts/setup.sh
out=build/fuzz-campaign
all=(catalogue_fuzz:catalogue:32768 dbase_fuzz:dbase:8192 network_file_fuzz:network_file:8192
  project_file_fuzz:project_file:4096 tag_file_fuzz:tag_file:8192 alias_fuzz:alias:4096
  jpeg_fuzz:jpeg:4096)
targets=()  # in the order given, else all of them
for name in "${@:-${all[@]%%:*}}"; do
  for target in "${all[@]}"; do [[ ${target%%:*} == "$name" ]] && targets+=("$target"); done
done
# Optimised as fuzzing builds usually are (-O1): the sanitizers check the same, and the targets
# run five to ten times as many inputs a second as in the unoptimised test build.
cmake --preset asan -B "$out/build" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" > /dev/null
cmake --build "$out/build" --target "${targets[@]%%:*}" -j "$(nproc)" > /dev/null || exit 2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

executed() {  # executions a log reports: the final count, else the last progress line
  local n
  n=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$1" | grep -o '[0-9]*$')
  [[ -z $n ]] && n=$(grep -o '^#[0-9]*' "$1" | tail -1 | tr -d '#')
  echo "${n:-0}"
}
run() {
  local name=${1%%:*} rest=${1#*:}
  local corpus=${rest%%:*} max=${rest#*:} dir=$out/${1%%:*}
  mkdir -p "$dir/corpus"
  # A log an earlier run left without adding it up (it was interrupted) counts first.
  if [[ -f $dir/log && ! -f $dir/counted ]]; then
    echo $(($(cat "$dir/total" 2> /dev/null || echo 0) + $(executed "$dir/log"))) > "$dir/total"
  fi
  rm -f "$dir/counted"
  "$out/build/bin/$name" -runs="$runs" -max_len="$max" -timeout=60 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$dir/" "$dir/corpus" "fuzz/corpus/$corpus" \
    > "$dir/log" 2>&1
  echo "$?" > "$dir/status"
  echo $(($(cat "$dir/total" 2> /dev/null || echo 0) + $(executed "$dir/log"))) > "$dir/total"
  touch "$dir/counted"
}
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  [[ -n ${targets[i + 1]:-} ]] && run "${targets[i + 1]}" &
  wait
done
failed=0
printf '%-20s %12s %12s %10s %s\n' target executions total coverage findings
for target in "${targets[@]}"; do
  name=${target%%:*}
  cov=$(grep -o 'cov: [0-9]*' "$out/$name/log" | tail -1 | grep -o '[0-9]*')
  findings=$(find "$out/$name" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' \
    -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  [[ $(cat "$out/$name/status") -eq 0 && $findings -eq 0 ]] || failed=1
  printf '%-20s %12s %12s %10s %s\n' "$name" "$(executed "$out/$name/log")" \
    "$(cat "$out/$name/total")" "${cov:-?}" "$findings"
done
exit $failed
