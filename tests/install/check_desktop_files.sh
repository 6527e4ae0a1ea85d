#!/usr/bin/env bash
# The desktop files as built: the launcher and the software-centre metadata pass their
# validators (offline), the icon is well-formed SVG, and the file types compile into a MIME
# database that maps *.tav and *.tag (any case) to the types the launcher and metadata name.
#   check_desktop_files.sh DESKTOP_DIR APP_ID
set -euo pipefail
dir=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$dir/$id.desktop"
appstreamcli validate --no-net --no-color "$dir/$id.metainfo.xml"
xmllint --noout "$dir/$id.svg"
grep -q '<svg[^>]*viewBox="0 0 128 128"' "$dir/$id.svg" || fail "the icon is not square"

# The types the MIME file declares, and the ones the launcher and the metadata name.
mkdir -p "$work/mime/packages"
cp "$dir/mime/packages/$id.xml" "$work/mime/packages/"
update-mime-database "$work/mime" > "$work/mime.log" 2>&1 ||
  fail "update-mime-database: $(cat "$work/mime.log")"
declared=$(grep -o 'mime-type type="[^"]*"' "$dir/mime/packages/$id.xml" | cut -d'"' -f2 | sort)
launcher=$(sed -n 's/^MimeType=//p' "$dir/$id.desktop" | tr ';' '\n' | sed '/^$/d' | sort)
metadata=$(grep -o '<mediatype>[^<]*' "$dir/$id.metainfo.xml" | cut -d'>' -f2 | sort)
[[ "$declared" == "$launcher" ]] || fail "launcher types: $launcher; declared: $declared"
[[ "$declared" == "$metadata" ]] || fail "metadata types: $metadata; declared: $declared"
grep -qx '50:application/x-tavocalc-project:\*\.tav' "$work/mime/globs2" || fail "*.tav not mapped"
grep -qx '50:application/x-tavo-installation:\*\.tag' "$work/mime/globs2" || fail "*.tag not mapped"
grep -q ':cs' "$work/mime/globs2" && fail "a pattern is case-sensitive"
grep -qx 'Exec=tavocalc %f' "$dir/$id.desktop" || fail "the launcher does not pass the file"
grep -qx "Icon=$id" "$dir/$id.desktop" || fail "the launcher names another icon"
echo "desktop files valid"
