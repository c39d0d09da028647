#!/usr/bin/env bash
# The letters of a whole staff table (`tarvolin --list --letters`) against
# the same table as CSV, in the same run: generated staff tables (half with
# fourteen earlier periods), once to CSV (the computing alone) and once as
# one PDF of a letter per row. Prints peak memory and user CPU of each, and
# the letters' own rate: letters per second of the CPU time the letters add
# to the computing. Peak memory is to stay the same from 1,000 to 10,000.
#   bench/letters_pdf.sh BUILD_DIR [ROWS...]     (default 1000 10000)
# BUILD_DIR holds tarvolin and bench/staff_list_bench.
set -euo pipefail
build=$(readlink -f "${1:?Aufruf: $0 BUILD_DIR [ZEILEN...]}")
shift
sizes=("${@:-1000 10000}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# An empty configuration: the plain letterhead, whoever runs it.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
uptime
printf '%9s %14s %16s %12s %10s %12s\n' rows "CSV MB/user s" "Briefe MB/user s" "PDF MB file" "pages" "letters/s"
for rows in ${sizes[@]}; do
    "$build/bench/staff_list_bench" --write-table="$rows" staff.csv
    /usr/bin/time -f '%M %U' -o csv.txt "$build/tarvolin" --list staff.csv --today 07.12.2026 --output out.csv || true
    /usr/bin/time -f '%M %U' -o pdf.txt "$build/tarvolin" --list staff.csv --today 07.12.2026 --letters \
        --output briefe.pdf || true
    read -r csvKb csvUser < <(tail -1 csv.txt)
    read -r pdfKb pdfUser < <(tail -1 pdf.txt)
    pages=$(pdfinfo briefe.pdf 2>/dev/null | awk '/^Pages:/ { print $2 }')
    awk -v r="$rows" -v ck="$csvKb" -v cu="$csvUser" -v pk="$pdfKb" -v pu="$pdfUser" -v f="$(stat -c %s briefe.pdf)" \
        -v p="${pages:-0}" 'BEGIN { printf "%9d %7.1f/%-6.2f %9.1f/%-6.2f %12.1f %10d %12.0f\n",
                                    r, ck/1024, cu, pk/1024, pu, f/1e6, p, r/(pu-cu) }'
done
