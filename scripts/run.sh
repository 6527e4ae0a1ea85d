#!/usr/bin/env bash
# Builds Tavo Calculator (normal configuration) and starts the desktop program. Arguments are
# passed on: `[LIMIT] [FILE]`, an address limit (e.g. 150) and a project or tag file to open.
# "scripts/run.sh cli ..." runs tavocalc-cli instead.
#
# Without a display the window cannot be seen: it is started under a virtual X server just long
# enough to save a picture of it (the sample project open, unless other arguments are given),
# then tavocalc-cli evaluates the sample project, and the script ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavocalc tavocalc-cli -j "$(nproc)" > /dev/null
bin=build/default/bin
if [[ "${1:-}" == "cli" ]]; then
  shift
  exec "$bin/tavocalc-cli" "$@"
fi
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$bin/tavocalc" "$@"
fi

cmake --build --preset default --target tavo-grab-window -j "$(nproc)" > /dev/null
arguments=("$@")
[[ $# -gt 0 ]] || arguments=(examples/Sample.tav)
picture=$PWD/build/tavocalc-window.png
echo "run: no display found; starting tavocalc ${arguments[*]} under a virtual X server"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
caption=$(xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash scripts/window-picture.sh "$bin/tavo-grab-window" "$picture" "$bin/tavocalc" \
  "${arguments[@]}")
echo "run: a picture of the window \"$caption\": $picture"
echo "     (tavocalc was ended after the picture; it saved nothing)"
echo
echo "run: the sample project evaluated by tavocalc-cli (evaluate examples/Sample.tav):"
"$bin/tavocalc-cli" evaluate examples/Sample.tav
echo
echo "run: to use the window, run \"bash scripts/run.sh\" in a terminal of a desktop session"
echo "     (or over \"ssh -X\" from one), or install the package (bash scripts/package.sh) on a"
echo "     desktop machine and start Tavo Calculator from its menu."
