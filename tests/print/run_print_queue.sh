#!/usr/bin/env bash
# Prints the program's reports on a real print queue and reads the PDFs that arrive back:
# starts a private CUPS scheduler (its own configuration, spool and socket under WORK) with one
# cups-pdf queue, runs tavo-print-queue against it, waits for the jobs, and checks each PDF's
# job name, page count and texts with pdfinfo and pdftotext. The scheduler is stopped at the end
# whatever happens. Needs root (the cups-pdf backend runs as root); exits 77 (skipped) without.
#   run_print_queue.sh PROGRAM SOURCEDIR WORK
set -uo pipefail
program=$1 source=$2 work=$3
if [[ $(id -u) -ne 0 ]]; then echo "print queue test: needs root, skipped"; exit 77; fi
for tool in cupsd lpadmin lpstat pdfinfo pdftotext; do
  command -v "$tool" > /dev/null || { echo "print queue test: $tool missing"; exit 1; }
done
[[ -x /usr/lib/cups/backend/cups-pdf ]] || { echo "print queue test: cups-pdf missing"; exit 1; }

rm -rf "$work"
cups=$work/cups
mkdir -p "$cups/etc/ppd" "$cups/spool" "$cups/cache" "$cups/run" "$cups/tmp" "$cups/log" \
  "$work/files"
chmod 1777 "$cups/tmp"
cat > "$cups/etc/cups-files.conf" <<CONF
ServerRoot $cups/etc
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/run
TempDir $cups/tmp
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
CONF
cat > "$cups/etc/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
export CUPS_SERVER=$cups/cups.sock
cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" &
pid=$!
trap 'kill "$pid" 2> /dev/null; wait "$pid" 2> /dev/null' EXIT
for _ in $(seq 50); do [[ -S $CUPS_SERVER ]] && break; sleep 0.1; done

# cups-pdf writes into the printing user's ~/PDF; the texts survive the PostScript step when
# poppler's cairo renderer makes it.
out=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
mkdir -p "$out"
before=$(mktemp)
lpadmin -p TavoPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo 2> /dev/null || exit 1
lpadmin -d TavoPDF || exit 1

cp "$source"/examples/Sample.* "$source"/examples/Harbour/Harbour.{tag,dbf,DBT} "$work/files/"
QT_QPA_PLATFORM=offscreen "$program" "$work/files" "$source" || exit 1

for _ in $(seq 300); do [[ -z $(lpstat -o 2> /dev/null) ]] && break; sleep 0.2; done
[[ -z $(lpstat -o) ]] || { echo "print queue test: jobs still queued"; lpstat -o; exit 1; }

failed=0
check() {  # check JOBNAME COUNT PAGES TEXT...: COUNT files of that job, each of PAGES pages
  local job=$1 count=$2 pages=$3; shift 3
  mapfile -t files < <(find "$out" -newer "$before" -name "${job}-job_*.pdf" | sort)
  if [[ ${#files[@]} -ne $count ]]; then
    echo "FAIL: $count PDFs of job $job expected, ${#files[@]} arrived"; failed=1; return
  fi
  for file in "${files[@]}"; do
    got=$(pdfinfo "$file" | awk '/^Pages:/ {print $2}')
    [[ $got == "$pages" ]] || { echo "FAIL: $file has $got pages, not $pages"; failed=1; }
    text=$(pdftotext -layout "$file" -)
    for want in "$@"; do
      grep -qF -- "$want" <<< "$text" || { echo "FAIL: $file lacks \"$want\""; failed=1; }
    done
    echo "ok: $(basename "$file"): $got pages"
  done
}
check Report 1 1 "Project Information" "Harbourside Offices" "Page 1 of 1"
check Report1 3 1 "Network Information" " of 3 Page 1 of 1" "Total"
check Report2 1 3 "Tavo Installation Report" "Harbour Offices" "Decimal (Base 10)" "Annex"
find "$out" -newer "$before" -name 'Report*-job_*.pdf' -delete
rm -f "$before"
exit $failed
