#!/usr/bin/env bash
# The fault-injection run: each command that writes files (Save and Save As of a project, the
# CSV export of all networks and of an installation, the import of an installation, a report
# as PDF) runs again and again with one step of its writing failed in turn (opening or creating
# a file to write, each write, each sync, each close, each rename), until no step is left. After
# every failed run every file that was in the folder before must be byte for byte as it was, no
# other file may be left there, the command must end with an error, and the system's text of the
# failure ("Input/output error") must have been shown.
#   scripts/fault-injection.sh [BUILD_DIR]      (default build/default, built by the script)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
if [[ $# -eq 0 ]]; then
  bash scripts/setup.sh
  cmake --preset default > /dev/null
  cmake --build --preset default --target tavocalc-cli tavo-save-tool tavo_fault_shim \
    -j "$(nproc)" > /dev/null
fi
shim=$(realpath "$build/tests/faults/tavo_fault_shim.so")
cli=$(realpath "$build/bin/tavocalc-cli")
save=$(realpath "$build/bin/tavo-save-tool")
catalogue=$(realpath data/TAVOUNIT.DAT)
source=$(pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root/runtime

# The folder every run starts from: the examples, with each command's output already there
# once, so that a failed run has old files to keep.
prepare() {
  rm -rf "$root/base" && mkdir -p "$root/base" && cp -r "$source"/examples/. "$root/base/"
  (cd "$root/base" && "$cli" import --catalogue "$catalogue" Harbour/Harbour.tag &&
    "$cli" export all -o all.csv Sample.tav && "$cli" export installation -o inst.csv \
      Harbour/Harbour.tag && "$cli" report network --all-networks -o report.pdf Sample.tav &&
    "$save" "$catalogue" saveas Sample.tav "$root/base/Copy.tav") > /dev/null 2>&1
}

commands=(
  "save|$save $catalogue save Sample.tav"
  "save as|$save $catalogue saveas Sample.tav Copy.tav"
  "export of all networks|$cli export all -o all.csv Sample.tav"
  "import|$cli import --catalogue $catalogue Harbour/Harbour.tag"
  "export of the installation|$cli export installation -o inst.csv Harbour/Harbour.tag"
  "report as PDF|$cli report network --all-networks -o report.pdf Sample.tav"
)

prepare || { echo "fault-injection: the folder could not be prepared"; exit 1; }
failed=0
total=0
for entry in "${commands[@]}"; do
  name=${entry%%|*}
  command=${entry#*|}
  step=1
  while :; do
    rm -rf "$root/run" && cp -a "$root/base" "$root/run"
    report=$root/report
    rm -f "$report"
    (cd "$root/run" && TAVO_FAULT_DIR=$root/run TAVO_FAULT_AT=$step TAVO_FAULT_REPORT=$report \
      LD_PRELOAD=$shim $command > /dev/null 2> "$root/stderr")
    status=$?
    outcome=$(cat "$report" 2> /dev/null || echo "no report")
    [[ $outcome == missed* ]] && break
    where="$name, step $step (${outcome#hit })"
    if [[ $status -eq 0 ]]; then
      echo "FAIL: $where: the command reported success"; failed=1
    fi
    grep -q "Input/output error" "$root/stderr" ||
      { echo "FAIL: $where: the system's text was not shown"; cat "$root/stderr"; failed=1; }
    if ! diff -r -q "$root/base" "$root/run" > "$root/diff" 2>&1; then
      echo "FAIL: $where: files changed:"; sed 's/^/  /' "$root/diff"; failed=1
    fi
    step=$((step + 1))
  done
  echo "$name: $((step - 1)) steps failed in turn, every old file kept"
  total=$((total + step - 1))
done
echo "fault-injection: $total failed steps in all"
exit $failed
