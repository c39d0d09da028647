#!/usr/bin/env bash
# Runs screen_reader_walk.py against the program on a virtual screen, with a
# session bus and an accessibility bus of its own, as a screen reader on a
# desktop would meet it.
#   run_walk.sh PROGRAM
# TARVOLIN_TEST_DISPLAY=N uses display :N (a server already there is used
# as it is); without it Xvfb takes a free display.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool fehlt: bash setup.sh test installiert es" >&2
        exit 1
    fi
done
/usr/bin/python3 -c 'import pyatspi' || { echo "python3-pyatspi fehlt: bash setup.sh test installiert es" >&2; exit 1; }

work=$(mktemp -d)
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

display=${TARVOLIN_TEST_DISPLAY:-}
if [ -n "$display" ] && [ -e "/tmp/.X11-unix/X$display" ]; then
    :
elif [ -n "$display" ]; then
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    display=$(cat "$work/display")
fi
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"
set +e +o pipefail
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_walk.py" "$program" "$work" 2>&1 | grep -v '^dbus-daemon\['
status=${PIPESTATUS[0]}
exit "$status"
