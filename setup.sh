#!/usr/bin/env bash
# Tarvolin on Debian 12: installs what is missing, builds, and then
#   run       starts the program (the window; without a display the scripted example)
#   test      runs every test through CTest
#   sanitize  builds the core and its tests with AddressSanitizer and UBSan and runs them
#   qtsanitize  builds the whole program and every test, the Qt window included, as a Debug
#             build (Qt's own assertions on) with AddressSanitizer and UBSan, and runs them
# Safe to repeat: packages already there are not installed again, builds are incremental.
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

packages=(cmake make g++ pkg-config qt6-base-dev qt6-translations-l10n fonts-liberation2 xdg-utils
          libzip-dev libexpat1-dev libxlsxwriter-dev)
case "$mode" in
    # The screen-reader test: a virtual screen, keys, a session bus and AT-SPI.
    test | qtsanitize)
        packages+=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils appstream desktop-file-utils strace
                   xvfb xdotool dbus at-spi2-core python3-pyatspi python3-icalendar) ;;
    sanitize) packages+=(libgtest-dev libgmock-dev libbenchmark-dev strace) ;;
    run) ;;
    *) echo "Aufruf: $0 run|test|sanitize|qtsanitize" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installiere: ${missing[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
case "$mode" in
run)
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARVOLIN_TESTS=OFF -DTARVOLIN_BENCHMARKS=OFF >/dev/null
    cmake --build build/release -j"$jobs" --target tarvolin
    mkdir -p "${TARVOLIN_HOME:-$HOME/Tarvolin}"
    cd "${TARVOLIN_HOME:-$HOME/Tarvolin}"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
        exec "$OLDPWD/build/release/tarvolin"
    fi
    echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt): statt des Fensters läuft das Beispiel im Skriptmodus."
    exec "$OLDPWD/build/release/tarvolin" --script "$OLDPWD/docs/example.script"
    ;;
test)
    cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build/test -j"$jobs"
    ctest --test-dir build/test --output-on-failure -j"$jobs"
    ;;
sanitize)
    cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVOLIN_WITH_QT=OFF -DTARVOLIN_SANITIZE=ON \
        -DTARVOLIN_BENCHMARKS=OFF >/dev/null
    cmake --build build/sanitize -j"$jobs"
    ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
    ;;
qtsanitize)
    # Debug leaves QT_NO_DEBUG undefined, so that Qt's checks in its headers
    # run (Q_ASSERT, e.g. the one against a slot called on a destroyed
    # object). Qt itself is not built with the sanitizers; its libraries
    # raise no false alarm in these tests, so nothing is suppressed.
    cmake -S . -B build/qtsanitize -DCMAKE_BUILD_TYPE=Debug -DTARVOLIN_SANITIZE=ON -DTARVOLIN_BENCHMARKS=OFF >/dev/null
    cmake --build build/qtsanitize -j"$jobs"
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/qtsanitize --output-on-failure -j"$jobs"
    ;;
esac
