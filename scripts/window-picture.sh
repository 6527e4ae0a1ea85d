#!/usr/bin/env bash
# Starts tavocalc on the X display in $DISPLAY (a virtual one from xvfb-run on a machine without
# a screen), waits for its main window, saves a picture of what it shows as PNG, prints the main
# window's caption, and ends the program (nothing is saved):
#   scripts/window-picture.sh GRABBER OUT.png TAVOCALC [ARGUMENTS...]
# GRABBER is tavo-grab-window, TAVOCALC the program to start with the arguments. When they name
# a file, the picture is taken once the caption names that file (it has been opened), or once
# the program asks a question on the way (an installation's import may): the picture covers
# every window the program shows. Exit status 0 with the picture written, 1 when the main
# window did not come within 60 seconds.
set -euo pipefail
grabber=$1
out=$2
program_file=$3
shift 3
file=
for argument in "$@"; do
  if [[ -f "$argument" ]]; then file=$(basename "$argument"); fi
done

"$program_file" "$@" &
program=$!
trap 'kill "$program" 2> /dev/null || true; wait "$program" 2> /dev/null || true' EXIT

# The program's windows on show, one a line: "ID WIDTHxHEIGHT+X+Y CAPTION". Top-level windows
# carry a window class; Qt's helper windows do not.
shown() {
  xwininfo -root -children 2> /dev/null | awk '/": \(".*"\)/ { print $1, $(NF - 1), $0 }' |
    while read -r id geometry line; do
      caption=${line#*\"}
      caption=${caption%\": (*}
      if xwininfo -id "$id" 2> /dev/null | grep -q "Map State: IsViewable"; then
        echo "$id $geometry $caption"
      fi
    done
}

windows=
caption=
for _ in $(seq 600); do
  if ! kill -0 "$program" 2> /dev/null; then
    echo "window-picture: tavocalc ended before its window appeared" >&2
    exit 1
  fi
  windows=$(shown)
  caption=$(sed -n 's|^[^ ]* [^ ]* \(Tavo Calculator/.*\)$|\1|p' <<< "$windows" | head -n 1)
  if [[ -n "$caption" ]]; then
    [[ -z "$file" || "$caption" == *"$file"* || $(wc -l <<< "$windows") -gt 1 ]] && break
  fi
  sleep 0.1
done
if [[ -z "$caption" ]]; then
  echo "window-picture: no window of tavocalc within 60 seconds" >&2
  exit 1
fi
# Lets the windows finish painting what they have just shown.
sleep 0.5
windows=$(shown)
area=$(awk '{
    split($2, g, /[x+]/)
    if (NR == 1 || g[3] < left) left = g[3]
    if (NR == 1 || g[4] < top) top = g[4]
    if (NR == 1 || g[3] + g[1] > right) right = g[3] + g[1]
    if (NR == 1 || g[4] + g[2] > bottom) bottom = g[4] + g[2]
  } END { print left, top, right - left, bottom - top }' <<< "$windows")
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
# shellcheck disable=SC2086 # the area is four numbers
"$grabber" "$root" "$out" $area
echo "$caption"
