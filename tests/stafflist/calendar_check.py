"""The staff list's calendar files read by a real iCalendar parser.

Usage: calendar_check.py TARVOLIN FOLDER

Writes a staff table with umlauts, commas, semicolons and backslashes in its
names, has tarvolin write both year reports as CSV and as .ics, and checks
that the .ics file parses, that its events are the report's lines (day,
summary, one each), that every physical line ends in CRLF, holds at most 75
octets and is whole UTF-8, and that a second file made later gives each
event the same UID.
"""
import csv
import datetime
import io
import os
import subprocess
import sys

import icalendar

TABLE = (
    "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Ruhestandsalter\n"
    "1001;Meier;Anna;10.03.1975;01.04.2002;\n"
    '1002;"Müller-Lüdenscheidt, Jr.";"Jürgen; genannt Jö";15.06.1961;01.06.1987;66/0\n'
    "1003;von der Heide\\Ost;Zoë;01.01.1960;01.04.1987;67/0\n"
    ";Öztürk;Ayşe;01.01.1976;01.09.2002;\n"
    "1005;Schäfer;Sophie-Charlotte Élisabeth Marie-Thérèse Ännchen Großherzogin von Überlingen;"
    "22.09.1990;01.11.2002;\n"
)


def run(tarvolin, folder, report, output):
    subprocess.run([tarvolin, "--list", os.path.join(folder, "staff.csv"), "--today", "07.12.2026",
                    report, "2027", "--output", os.path.join(folder, output)], check=True)
    with open(os.path.join(folder, output), "rb") as f:
        return f.read()


def report_lines(csv_bytes):
    rows = list(csv.reader(io.StringIO(csv_bytes.decode("utf-8-sig")), delimiter=";"))
    return rows[0], rows[1:]


def check_raw(data):
    assert data.endswith(b"\r\n"), "the file ends with CRLF"
    physical = data.split(b"\r\n")[:-1]
    assert b"\n" not in data.replace(b"\r\n", b""), "no line ends but CRLF"
    for line in physical:
        assert len(line) <= 75, f"line of {len(line)} octets: {line!r}"
        line.decode("utf-8")  # raises when a character was split


def check(tarvolin, folder, report):
    ics = run(tarvolin, folder, report, "report.ics")
    head, lines = report_lines(run(tarvolin, folder, report, "report.csv"))
    check_raw(ics)
    calendar = icalendar.Calendar.from_ical(ics)
    events = [c for c in calendar.walk() if c.name == "VEVENT"]
    assert len(events) == len(lines), f"{len(events)} events for {len(lines)} lines"
    assert len(lines) > 0, "the report has lines"
    number, name, first = head.index("Personalnummer"), head.index("Name"), head.index("Vorname")
    uids = set()
    for event, line in zip(events, lines):
        day = datetime.datetime.strptime(line[0], "%d.%m.%Y").date()
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        assert type(start) is datetime.date, f"all-day event: {start!r}"
        assert start == day and end == day + datetime.timedelta(days=1), (start, end, line)
        summary = str(event["SUMMARY"])
        expected = f"{line[first]} {line[name]}" + (f" ({line[number]})" if line[number] else "")
        assert summary.endswith(": " + expected), (summary, expected)
        if report == "--anniversaries":
            assert summary.startswith(f"{line[1]}-jähriges Dienstjubiläum: "), summary
        else:
            assert summary.startswith("Altersgrenze: "), summary
        assert event.decoded("DTSTAMP").tzinfo is not None, "DTSTAMP in UTC"
        uids.add(str(event["UID"]))
    assert len(uids) == len(events), "one UID per event"
    return uids


def main():
    tarvolin, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "staff.csv"), "w", encoding="utf-8") as f:
        f.write(TABLE)
    for report in ("--anniversaries", "--retirements"):
        first = check(tarvolin, folder, report)
        again = check(tarvolin, folder, report)
        assert first == again, "the same UIDs when the file is made again"
    print("calendar files: parsed and matched")


if __name__ == "__main__":
    main()
