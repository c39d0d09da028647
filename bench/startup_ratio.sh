#!/bin/bash
# The window's start-up against the floor of this machine: the real program
# (bench/first_frame: tarvolin's own start-up, quitting after its first frame) and an empty Qt
# window of the same size (bench/empty_window), both built in the same tree,
# both quitting right after their first frame. They run alternately, each in a
# fresh empty working folder, first on the offscreen platform and then on an
# Xvfb server that this script starts on a free display and stops afterwards.
# Printed: the median wall time and median peak RSS of each program and the
# ratios tarvolin / empty window.
#
#   bench/startup_ratio.sh [BUILD_DIR] [RUNS] [--full-case]
#
# BUILD_DIR  the build with -DTARVOLIN_WITH_QT=ON (default: build-bench)
# RUNS       runs of each program per platform, at least 10 (default: 20)
# --full-case  every tarvolin run starts on a saved case with fourteen
#              prior periods (made once through the scripted mode) instead
#              of the first start in an empty folder
#
# Wall time is taken in this shell with EPOCHREALTIME (microseconds, no extra
# process) around /usr/bin/time, which reports the peak RSS (%M, KiB). Both
# programs pay the same small cost of /usr/bin/time itself.

set -euo pipefail

build=build-bench
runs=20
full_case=no
for arg in "$@"; do
    case "$arg" in
        --full-case) full_case=yes ;;
        ''|*[!0-9]*) build=$arg ;;
        *) runs=$arg ;;
    esac
done
if (( runs < 10 )); then
    echo "startup_ratio.sh: at least 10 runs of each program" >&2
    exit 2
fi

build=$(cd "$build" && pwd)
tarvolin=$build/bench/first_frame
script_runner=$build/tarvolin
empty=$build/bench/empty_window
for program in "$tarvolin" "$script_runner" "$empty"; do
    if [[ ! -x $program ]]; then
        echo "startup_ratio.sh: $program is missing (build the target 'benchmarks' with -DTARVOLIN_WITH_QT=ON)" >&2
        exit 2
    fi
done
if [[ ! -x /usr/bin/time ]]; then
    echo "startup_ratio.sh: /usr/bin/time is missing (apt-get install time)" >&2
    exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/startup-ratio.XXXXXX")
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$scratch/xdg-runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

saved_case=
if [[ $full_case == yes ]]; then
    mkdir "$scratch/case"
    script=$scratch/case.script
    {
        echo "today 15/05/2008"
        echo "start"
        echo "date 0 10/03/1955"
        echo "date 1 01/04/1990"
        k=1
        for period in 01/09/1971-31/08/1973 01/10/1973-31/12/1974 01/01/1975-30/06/1976 \
                      01/08/1976-31/03/1977 01/04/1977-28/02/1978 15/03/1978-14/11/1978 \
                      01/12/1978-30/09/1979 01/10/1979-31/07/1980 01/09/1980-31/08/1981 \
                      01/10/1981-30/06/1983 01/07/1983-31/05/1985 01/06/1985-31/12/1986 \
                      01/02/1987-31/01/1988 01/03/1988-28/02/1990; do
            echo "date $((2 * k)) ${period%-*}"
            echo "date $((2 * k + 1)) ${period#*-}"
            echo "type Eingabe($k) Vordienstzeit $k"
            k=$((k + 1))
        done
        echo "click Schließen"
    } >"$script"
    if ! (cd "$scratch/case" && "$script_runner" --script "$script" >"$scratch/case.out") \
        || grep -q '^msgbox' "$scratch/case.out" || [[ ! -s $scratch/case/jda.txt ]]; then
        echo "startup_ratio.sh: the full case could not be saved" >&2
        exit 1
    fi
    saved_case=$scratch/case/jda.txt
fi

# One run of a program in a fresh working folder; appends "microseconds KiB"
# to a file.
run_once() {
    local program=$1 results=$2
    local work
    work=$(mktemp -d "$scratch/run.XXXXXX")
    if [[ $program == "$tarvolin" && -n $saved_case ]]; then
        cp "$saved_case" "$work/jda.txt"
    fi
    local start end status=0
    cd "$work"
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$scratch/rss" "$program" >"$scratch/out" 2>&1 \
        || status=$?
    end=$EPOCHREALTIME
    cd "$scratch"
    if (( status != 0 )); then
        echo "startup_ratio.sh: $program ended with status $status:" >&2
        cat "$scratch/out" >&2
        exit 1
    fi
    local micros=$(( ${end//[.,]/} - ${start//[.,]/} ))
    # GNU time may put a line such as "Command exited ..." before the figure.
    local kib
    kib=$(tail -n 1 "$scratch/rss")
    echo "$micros $kib" >>"$results"
    rm -rf "$work"
}

median() { # column of a results file -> median (the mean of the middle two for an even count)
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The cost of the measuring itself (/usr/bin/time starting a program that
# does nothing), taken off both wall times before the ratio.
harness_overhead() {
    local results=$scratch/harness
    : >"$results"
    for ((i = 0; i < 10; i++)); do
        run_once /bin/true "$results"
    done
    cut -d' ' -f1 "$results" | median
}

measure() {
    local platform=$1
    local tv=$scratch/$platform.tarvolin empty_results=$scratch/$platform.empty
    : >"$tv"
    : >"$empty_results"
    # One unmeasured run of each: the libraries and fonts in the page cache.
    run_once "$empty" /dev/null
    run_once "$tarvolin" /dev/null
    for ((i = 0; i < runs; i++)); do
        run_once "$empty" "$empty_results"
        run_once "$tarvolin" "$tv"
    done
    local tv_us tv_kib empty_us empty_kib
    tv_us=$(cut -d' ' -f1 "$tv" | median)
    tv_kib=$(cut -d' ' -f2 "$tv" | median)
    empty_us=$(cut -d' ' -f1 "$empty_results" | median)
    empty_kib=$(cut -d' ' -f2 "$empty_results" | median)
    awk -v p="$platform" -v n="$runs" -v tw="$tv_us" -v tr="$tv_kib" -v ew="$empty_us" -v er="$empty_kib" -v h="$overhead_us" 'BEGIN {
        printf "%-9s  %d runs each, medians\n", p, n
        printf "  empty window  %7.1f ms  %5.1f MB peak RSS\n", ew / 1000, er / 1024
        printf "  tarvolin      %7.1f ms  %5.1f MB peak RSS\n", tw / 1000, tr / 1024
        printf "  ratio wall    %5.2fx  (%.2fx with the measuring overhead left in)   target 1.3x\n", (tw - h) / (ew - h), tw / ew
        printf "  ratio RSS     %5.2fx   target 1.2x\n", tr / er
    }'
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)   case: $([[ $full_case == yes ]] && echo 'saved full case' || echo 'first start, empty folder')"

export QT_QPA_PLATFORM=offscreen
overhead_us=$(harness_overhead)
awk -v h="$overhead_us" 'BEGIN { printf "measuring overhead (/usr/bin/time running /bin/true): %.1f ms\n", h / 1000 }'
measure offscreen
unset QT_QPA_PLATFORM

# Xvfb picks a free display itself and writes its number to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    display=$(tr -dc '0-9' <"$scratch/display")
    [[ -n $display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $display ]]; then
    echo "startup_ratio.sh: Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$display
measure xvfb

echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
