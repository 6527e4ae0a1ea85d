#!/bin/sh
# run_fuzz.sh TARGET WORKDIR SEEDS SECONDS: fuzzes TARGET for SECONDS from the seed corpus.
# New inputs go to WORKDIR/corpus, so the seeds in the source tree stay as they are.
set -e
target=$1 work=$2 seeds=$3 seconds=$4
mkdir -p "$work/corpus"
exec "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" "$seeds"
