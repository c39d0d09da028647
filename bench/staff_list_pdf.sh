#!/usr/bin/env bash
# The staff list as PDF against the same list as CSV, in the same run:
# `tarvolin --list` on generated staff tables (half with fourteen earlier
# periods), once to CSV (the computing alone) and once to PDF. Prints peak
# memory and user CPU of each, and the PDF's own rate: rows per second of
# the CPU time the PDF adds to the computing.
#   bench/staff_list_pdf.sh BUILD_DIR [ROWS...]     (default 10000 100000)
# BUILD_DIR holds tarvolin and bench/staff_list_bench.
set -euo pipefail
build=$(readlink -f "${1:?Aufruf: $0 BUILD_DIR [ZEILEN...]}")
shift
sizes=("${@:-10000 100000}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
printf '%9s %14s %14s %14s %10s %12s\n' rows "CSV MB/user s" "PDF MB/user s" "PDF MB file" "pages" "PDF rows/s"
for rows in ${sizes[@]}; do
    "$build/bench/staff_list_bench" --write-table="$rows" staff.csv
    /usr/bin/time -f '%M %U' -o csv.txt "$build/tarvolin" --list staff.csv --today 07.12.2026 --output out.csv
    /usr/bin/time -f '%M %U' -o pdf.txt "$build/tarvolin" --list staff.csv --today 07.12.2026 --output out.pdf
    read -r csvKb csvUser <csv.txt
    read -r pdfKb pdfUser <pdf.txt
    pages=$(grep -a -c '/Type /Page$\|/Type /Page ' out.pdf || true)
    awk -v r="$rows" -v ck="$csvKb" -v cu="$csvUser" -v pk="$pdfKb" -v pu="$pdfUser" -v f="$(stat -c %s out.pdf)" \
        -v p="$pages" 'BEGIN { printf "%9d %7.1f/%-6.2f %7.1f/%-6.2f %14.1f %10d %12.0f\n",
                               r, ck/1024, cu, pk/1024, pu, f/1e6, p, r/(pu-cu) }'
done
