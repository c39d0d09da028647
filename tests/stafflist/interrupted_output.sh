#!/bin/sh
# The staff list's output file when the run is interrupted or the system
# refuses a step: strace makes each fault at the system call where it hurts
# most. The file named by --output holds its old bytes or the whole new list,
# never a part; a signal leaves no temporary file; every message is German.
#   interrupted_output.sh TARVOLIN TABLE
set -u
bin=$1
table=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
old='alte Liste'

fail() {
    echo "FEHLER: $*"
    failed=1
}

# The file each run writes: the CSV first, then the Excel workbook.
out=out.csv

# run NAME EXPECTED-STATUS STRACE-OPTIONS...: the list into $out under
# strace, $out holding the old bytes before.
run() {
    name=$1
    expected=$2
    shift 2
    printf '%s' "$old" >"$out"
    # (LeakSanitizer cannot work under ptrace: a sanitizer build checks leaks elsewhere.)
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -f -o /dev/null "$@" "$bin" --list "$table" --today 07.12.2026 --output "$out" >/dev/null 2>err.txt
    status=$?
    [ "$status" = "$expected" ] || fail "$name: Status $status statt $expected ($(cat err.txt))"
}

unchanged() {
    [ "$(cat "$out")" = "$old" ] || fail "$1: $out wurde verändert"
}

# The old bytes or the whole new list: a rename that the signal does not stop
# has put the complete list in place.
whole() {
    [ "$(cat out.csv)" = "$old" ] || cmp -s out.csv whole.csv || fail "$1: out.csv ist weder alt noch vollständig"
}

no_leftovers() {
    left=$(ls -A | grep '\.neu$')
    [ -z "$left" ] || fail "$1: übrig geblieben: $left"
}

german() {
    grep -q "$2" err.txt || fail "$1: Meldung ohne „$2“: $(cat err.txt)"
    ! grep -q -i -E 'error|denied|no such|input/output' err.txt || fail "$1: englische Meldung: $(cat err.txt)"
}

renames=rename,renameat,renameat2
"$bin" --list "$table" --today 07.12.2026 >whole.csv 2>/dev/null

run "SIGTERM beim Schreiben auf den Datenträger" 143 -e inject=fsync:signal=SIGTERM:when=1
unchanged "SIGTERM"; no_leftovers "SIGTERM"

run "SIGINT beim Umbenennen" 130 -e inject=$renames:signal=SIGINT:when=1
whole "SIGINT"; no_leftovers "SIGINT"

run "SIGKILL beim Umbenennen" 137 -e inject=$renames:signal=SIGKILL:when=1
unchanged "SIGKILL"
run "der nächste Lauf nach SIGKILL" 0
head -c 3 out.csv | od -An -tx1 | grep -q 'ef bb bf' || fail "der nächste Lauf: keine vollständige Liste"
no_leftovers "der nächste Lauf räumt auf"

run "voller Datenträger beim Schreiben auf den Datenträger" 2 -e inject=fsync:error=ENOSPC:when=1
unchanged "ENOSPC"; no_leftovers "ENOSPC"; german "ENOSPC" "der Datenträger ist voll"

run "Rechte verweigert" 2 -e inject=fchmod:error=EPERM
unchanged "EPERM"; no_leftovers "EPERM"; german "EPERM" "Zugriffsrechte der neuen Datei .* (keine Berechtigung)"

run "Umbenennen verweigert" 2 -e inject=$renames:error=EXDEV:when=1
unchanged "EXDEV"; no_leftovers "EXDEV"; german "EXDEV" "anderen Datenträger"

# A new list is for its owner only.
rm -f out.csv
"$bin" --list "$table" --today 07.12.2026 --output out.csv 2>/dev/null
[ "$(stat -c %a out.csv)" = 600 ] || fail "neue Liste: Rechte $(stat -c %a out.csv) statt 600"

# A read-only output is not replaced.
printf '%s' "$old" >out.csv
chmod 0444 out.csv
"$bin" --list "$table" --today 07.12.2026 --output out.csv >/dev/null 2>err.txt
[ $? = 2 ] || fail "schreibgeschützt: nicht verweigert"
chmod 0644 out.csv
unchanged "schreibgeschützt"; german "schreibgeschützt" "schreibgeschützt"

# The output is never the input, under whatever name.
cp "$table" personal.csv
ln -s personal.csv verweis.csv
for output in personal.csv ./personal.csv verweis.csv; do
    "$bin" --list personal.csv --today 07.12.2026 --output "$output" >/dev/null 2>err.txt
    [ $? = 2 ] || fail "--output $output: die Eingabe nicht geschützt"
    cmp -s personal.csv "$table" || fail "--output $output: die Personaltabelle wurde überschrieben"
    german "--output $output" "ist die Personaltabelle selbst"
done

# The Excel workbook is written the same way: libxlsxwriter fills the
# temporary file, which takes the name only when it is complete.
out=out.xlsx
run "xlsx: SIGTERM beim Schreiben auf den Datenträger" 143 -e inject=fsync:signal=SIGTERM:when=1
unchanged "xlsx: SIGTERM"; no_leftovers "xlsx: SIGTERM"
run "xlsx: voller Datenträger" 2 -e inject=fsync:error=ENOSPC:when=1
unchanged "xlsx: ENOSPC"; no_leftovers "xlsx: ENOSPC"; german "xlsx: ENOSPC" "der Datenträger ist voll"
run "xlsx: Umbenennen verweigert" 2 -e inject=$renames:error=EXDEV:when=1
unchanged "xlsx: EXDEV"; no_leftovers "xlsx: EXDEV"; german "xlsx: EXDEV" "anderen Datenträger"

printf '%s' "$old" >out.xlsx
chmod 0444 out.xlsx
"$bin" --list "$table" --today 07.12.2026 --output out.xlsx >/dev/null 2>err.txt
[ $? = 2 ] || fail "xlsx schreibgeschützt: nicht verweigert"
chmod 0644 out.xlsx
unchanged "xlsx schreibgeschützt"; german "xlsx schreibgeschützt" "schreibgeschützt"; no_leftovers "xlsx schreibgeschützt"

# A workbook read as the staff table is not overwritten by its own list.
"$bin" --list "$table" --today 07.12.2026 --output personal.xlsx 2>/dev/null
cp personal.xlsx before.xlsx
ln -s personal.xlsx verweis.xlsx
ln personal.xlsx hart.xlsx
for output in personal.xlsx ./personal.xlsx verweis.xlsx hart.xlsx; do
    "$bin" --list personal.xlsx --today 07.12.2026 --output "$output" >/dev/null 2>err.txt
    [ $? = 2 ] || fail "xlsx --output $output: die Eingabe nicht geschützt"
    cmp -s personal.xlsx before.xlsx || fail "xlsx --output $output: die Arbeitsmappe wurde überschrieben"
    german "xlsx --output $output" "ist die Personaltabelle selbst"
done
"$bin" --list verweis.xlsx --today 07.12.2026 --output personal.xlsx >/dev/null 2>err.txt
[ $? = 2 ] || fail "xlsx über den Verweis gelesen: die Eingabe nicht geschützt"

[ $failed = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
