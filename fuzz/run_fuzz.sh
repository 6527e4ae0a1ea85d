#!/bin/sh
# run_fuzz.sh TARGET WORKDIR SEEDS SECONDS [MAX_LEN]: fuzzes TARGET for SECONDS from the seed
# corpus, with inputs of at most MAX_LEN bytes when given (libFuzzer's default otherwise).
# New inputs go to WORKDIR/corpus, so the seeds in the source tree stay as they are.
set -e
target=$1 work=$2 seeds=$3 seconds=$4 max_len=${5:-}
mkdir -p "$work/corpus"
exec "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
  ${max_len:+-max_len="$max_len"} -artifact_prefix="$work/" "$work/corpus" "$seeds"
