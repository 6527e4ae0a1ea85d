#!/usr/bin/env bash
# tavocalc-cli report, end to end: each report of the sample project and the sample installation
# written as PDF and read back with pdfinfo and pdftotext (title, pages, texts); a PDF that
# cannot be written leaves what was there and ends with the system's text.
#   check_reports.sh CLI SOURCEDIR WORK
set -uo pipefail
cli=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cp -r "$source"/examples/. "$work/"
failed=0
check() {  # check PDF TITLE PAGES TEXT...
  local pdf=$1 title=$2 pages=$3; shift 3
  local info text
  info=$(pdfinfo "$pdf" 2>&1) || { echo "FAIL: $pdf unreadable: $info"; failed=1; return; }
  grep -q "^Title: *$title\$" <<< "$info" || { echo "FAIL: $pdf title is not $title"; failed=1; }
  grep -q "^Pages: *$pages\$" <<< "$info" || { echo "FAIL: $pdf has not $pages pages"; failed=1; }
  text=$(pdftotext -layout "$pdf" -)
  for want in "$@"; do
    grep -qF -- "$want" <<< "$text" || { echo "FAIL: $pdf lacks \"$want\""; failed=1; }
  done
}
cd "$work" || exit 1
"$cli" report project -o project.pdf Sample.tav || failed=1
check project.pdf Report 1 "Project Information" "Harbourside Offices" "Robin Quayle" "Page 1 of 1"
"$cli" report network --all-networks -o networks.pdf Sample.tav || failed=1
check networks.pdf Report1 3 "Ground floor (1 of 3)" "Plant room (3 of 3)" "Report 2 of 3 Page 1 of 1" \
  "Total 15"
"$cli" report network -o network.pdf Sample.tav || failed=1
check network.pdf Report1 1 "Ground floor (1 of 3)" "Report 1 of 3 Page 1 of 1"
"$cli" report installation --dec -o installation.pdf Harbour/Harbour.tag 2> /dev/null || failed=1
check installation.pdf Report2 3 "Tavo Installation Report" "Decimal (Base 10)" "Harbour Offices" \
  "Car park" "Page 3 of 3"
"$cli" report installation -o hex.pdf Harbour/Harbour.tag 2> /dev/null || failed=1
check hex.pdf Report2 3 "Hexadecimal (Base 16)"
# A calculator project has no installation report; a directory that is not there takes no PDF.
if "$cli" report installation -o none.pdf Sample.tav 2> err.txt || [[ -e none.pdf ]]; then
  echo "FAIL: an installation report of a calculator project"; failed=1
fi
grep -q "^error: The installation report can only be printed" err.txt || { cat err.txt; failed=1; }
if "$cli" report project -o missing/p.pdf Sample.tav 2> err.txt; then
  echo "FAIL: a PDF into a missing directory"; failed=1
fi
grep -q "^error: Cannot create file \"missing/p.pdf\": No such file or directory" err.txt || { cat err.txt; failed=1; }
[[ $failed -eq 0 ]] && echo "all reports as expected"
exit $failed
