#!/usr/bin/env bash
# The manual pages: groff reads them without a warning, and the page of tavocalc-cli describes
# every subcommand the program lists and every option each subcommand's help lists.
#   check_manual.sh TAVOCALC_CLI MAN_DIR
set -euo pipefail
cli=$1
dir=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

for page in "$dir"/tavocalc.1 "$dir"/tavocalc-cli.1; do
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
  [[ -z "$warnings" ]] || fail "$page: $warnings"
  zcat "$page.gz" | cmp -s - "$page" || fail "$page.gz is not $page compressed"
done
page=$(groff -man -Tascii -P-cbou "$dir/tavocalc-cli.1" 2> /dev/null)
commands=$("$cli" --help | sed -n '/^Subcommands:/,/^$/p' | awk '/^  [a-z]/ { print $1 }')
[[ -n "$commands" ]] || fail "tavocalc-cli --help lists no subcommands"
for command in $commands; do
  grep -qx "   $command" <<< "$page" || fail "the manual has no section for $command"
  # The command's section: from its heading to the next heading.
  section=$(awk -v heading="   $command" '
    $0 == heading { inside = 1; next }
    inside && /^ {0,3}[A-Za-z]/ { exit }
    inside { print }' <<< "$page")
  for option in $("$cli" "$command" --help | grep -o '^  *-[-a-z]*' | tr -d ' '); do
    [[ "$option" == "-h" ]] && continue
    grep -qE -- "^ +$option( |$)" <<< "$section" ||
      fail "the manual does not describe $command $option"
  done
done
echo "manual pages complete: $(echo $commands)"
