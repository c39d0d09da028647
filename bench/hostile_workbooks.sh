#!/usr/bin/env bash
# Peak memory, time and answer of `tarvolin --list` on each hostile workbook
# of tests/stafflist/hostile, written into a file (the sheet read as it
# streams). Each run may take at most 6 GB of address space and 120 s, so
# that a workbook that once took gigabytes ends as "abgebrochen" instead of
# taking the machine.
#   bench/hostile_workbooks.sh TARVOLIN [FOLDER]
set -uo pipefail
bin=$(readlink -f "${1:?Aufruf: $0 TARVOLIN [FOLDER]}")
folder=$(readlink -f "${2:-$(dirname "$0")/../tests/stafflist/hostile}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-42s %6s %10s %9s  %s\n' file status "peak MB" seconds answer
for f in "$folder"/*.xlsx "$folder"/*.ods; do
    /usr/bin/time -f '%M %e' -o "$work/time" timeout 120 prlimit --as=6000000000 \
        "$bin" --list "$f" --today 07.12.2026 --output "$work/out.csv" >/dev/null 2>"$work/err"
    status=$?
    read -r kb seconds < <(tail -1 "$work/time")
    printf '%-42s %6s %10.1f %9s  %s\n' "$(basename "$f")" "$status" "$(echo "$kb/1024" | bc -l)" "$seconds" \
        "$(head -c 160 "$work/err" | tr '\n' ' ')"
    rm -f "$work/out.csv"
done
