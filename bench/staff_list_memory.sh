#!/usr/bin/env bash
# Peak memory and time of `tarvolin --list`, CSV to CSV (or .xlsx to .xlsx),
# on generated staff tables of 1,000, 10,000 and 100,000 rows (half with
# fourteen earlier periods), each run three times; prints the median of each.
#   bench/staff_list_memory.sh BUILD_DIR [csv|xlsx]
# BUILD_DIR holds tarvolin and bench/staff_list_bench (a Release build).
set -euo pipefail
build=$(readlink -f "${1:?Aufruf: $0 BUILD_DIR [csv|xlsx]}")
kind=${2:-csv}
write=--write-table
[ "$kind" = xlsx ] && write=--write-workbook
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '%8s %10s %12s %12s %10s\n' rows "MB file" "peak RSS MB" "seconds" "rows/s"
for rows in 1000 10000 100000; do
    "$build/bench/staff_list_bench" $write=$rows staff.$kind
    runs=()
    for i in 1 2 3; do
        /usr/bin/time -f '%M %e %U' -o time.txt "$build/tarvolin" --list staff.$kind --today 07.12.2026 \
            --output out.$kind
        runs+=("$(cat time.txt)")
    done
    # median by user time
    median=$(printf '%s\n' "${runs[@]}" | sort -k3 -n | sed -n 2p)
    read -r kb wall user <<<"$median"
    awk -v r=$rows -v f="$(stat -c %s staff.$kind)" -v kb="$kb" -v u="$user" -v w="$wall" \
        'BEGIN { printf "%8d %10.1f %12.1f %6.2f/%-5.2f %10.0f\n", r, f/1e6, kb/1024, u, w, r/u }'
done
echo "(seconds: user CPU / wall; rows/s from user CPU)"
