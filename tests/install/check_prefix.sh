#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks the layout, and runs the installed
# tavocalc-cli on a copy of the sample project from another working directory: it must find
# its catalogue in PREFIX/share/tavocalc and print what the build tree's copy prints.
#   check_prefix.sh BUILD_DIR SOURCE_DIR APP_ID [GRABBER]
# With GRABBER (tavo-grab-window), the installed tavocalc is also started on a virtual X
# display with the sample project as its argument, and a picture of its window is taken
# once it shows the project.
set -euo pipefail
build=$1
source=$(cd "$2" && pwd)
id=$3
grabber=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
expected=(
  bin/tavocalc bin/tavocalc-cli
  share/tavocalc/TAVOUNIT.DAT share/tavocalc/TavoCalc.hlp share/tavocalc/TavoAlias.als
  share/tavocalc/TavoLogo.jpg
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg" "share/mime/packages/$id.xml"
  share/man/man1/tavocalc.1.gz share/man/man1/tavocalc-cli.1.gz
)
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ "$installed" == "$wanted" ]] ||
  fail "installed files differ:$(diff <(echo "$wanted") <(echo "$installed") | sed 's/^/ /')"

mkdir "$work/elsewhere"
cp "$source"/examples/Sample.* "$work/elsewhere/"
cd "$work/elsewhere"
"$prefix/bin/tavocalc-cli" evaluate Sample.tav > out.txt 2> err.txt || fail "evaluate: $(cat err.txt)"
cmp -s out.txt "$source/tests/cli/cases/sample.out" || fail "evaluate printed: $(cat out.txt)"
[[ ! -s err.txt ]] || fail "evaluate wrote: $(cat err.txt)"
echo "installed copy evaluates the sample"

if [[ -n "$grabber" ]]; then
  caption=$(XDG_RUNTIME_DIR=$work TAVO_WINDIR=$work xvfb-run -a \
    bash "$source/scripts/window-picture.sh" "$grabber" "$work/window.png" \
    "$prefix/bin/tavocalc" "$work/elsewhere/Sample.tav")
  [[ "$caption" == "Tavo Calculator/Installation Reporter [$work/elsewhere/Sample.tav]" ]] ||
    fail "the window showed: $caption"
  size=$(file "$work/window.png")
  [[ "$size" == *"PNG image data, "* ]] || fail "no picture of the window: $size"
  echo "installed tavocalc opened the sample given as its argument: ${size#*: }"
fi
