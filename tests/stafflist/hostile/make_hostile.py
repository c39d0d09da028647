#!/usr/bin/env python3
"""Writes the hostile workbooks of this folder: small files that once made the
reader take gigabytes, overflow its counters or write damaged workbooks, and
the archives that no staff table is (bombs, broken and lying ZIPs).

    python3 make_hostile.py [FOLDER]

The files are kept in the repository, so that the tests and the fuzzers'
seeds never depend on this script; it says how each one was made. Every file
is made the same way each time (fixed ZIP times, no randomness but a seeded
generator)."""

import os
import random
import sys
import zipfile

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
WHEN = (2026, 12, 7, 0, 0, 0)

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"


def archive(name, parts, method=zipfile.ZIP_DEFLATED):
    with zipfile.ZipFile(os.path.join(OUT, name), "w", method, compresslevel=9) as z:
        for part, data in parts:
            info = zipfile.ZipInfo(part, WHEN)
            info.compress_type = method
            z.writestr(info, data)


def xlsx(name, sheet_data, shared=b"", styles=b"", method=zipfile.ZIP_DEFLATED):
    """An .xlsx around the XML inside <sheetData> and inside <sst>."""
    parts = [
        ("[Content_Types].xml", b'<?xml version="1.0"?><Types/>'),
        ("_rels/.rels", ('<?xml version="1.0"?><Relationships xmlns="%s"><Relationship Id="rId1" Type="%s/officeDocument" '
                         'Target="xl/workbook.xml"/></Relationships>' % (PKG, REL)).encode()),
        ("xl/workbook.xml", ('<?xml version="1.0"?><workbook xmlns="%s" xmlns:r="%s"><sheets><sheet name="Personal" '
                             'sheetId="1" r:id="r1"/></sheets></workbook>' % (MAIN, REL)).encode()),
        ("xl/_rels/workbook.xml.rels",
         ('<?xml version="1.0"?><Relationships xmlns="%s"><Relationship Id="r1" Type="%s/worksheet" '
          'Target="worksheets/sheet1.xml"/><Relationship Id="rT" Type="%s/sharedStrings" Target="sharedStrings.xml"/>'
          '<Relationship Id="rS" Type="%s/styles" Target="styles.xml"/></Relationships>' % (PKG, REL, REL, REL)).encode()),
        ("xl/worksheets/sheet1.xml", b'<?xml version="1.0"?><worksheet xmlns="' + MAIN.encode() + b'"><sheetData>'
         + sheet_data + b"</sheetData></worksheet>"),
        ("xl/sharedStrings.xml", b'<?xml version="1.0"?><sst xmlns="' + MAIN.encode() + b'">' + shared + b"</sst>"),
        ("xl/styles.xml", b'<?xml version="1.0"?><styleSheet xmlns="' + MAIN.encode() + b'">' + styles + b"</styleSheet>"),
    ]
    archive(name, parts, method)


ODS_HEAD = (b'<?xml version="1.0"?><office:document-content '
            b'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            b'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            b'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
            b'xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0">'
            b'<office:body><office:spreadsheet><table:table table:name="Personal">')
ODS_FOOT = b"</table:table></office:spreadsheet></office:body></office:document-content>"


def ods(name, rows, method=zipfile.ZIP_DEFLATED):
    archive(name, [("mimetype", b"application/vnd.oasis.opendocument.spreadsheet"),
                   ("content.xml", ODS_HEAD + rows + ODS_FOOT)], method)


def text_cell(text, repeated=None):
    r = b' table:number-columns-repeated="%d"' % repeated if repeated else b""
    return b'<table:table-cell office:value-type="string"' + r + b"><text:p>" + text + b"</text:p></table:table-cell>"


def row(cells, repeated=None):
    r = b' table:number-rows-repeated="%d"' % repeated if repeated else b""
    return b"<table:table-row" + r + b">" + cells + b"</table:table-row>"


HEADER = row(text_cell(b"Geburtstag") + text_cell(b"Eintritt") + text_cell(b"Name"))
DATES = text_cell(b"10.03.1955") + text_cell(b"01.04.1980")


def xrow(r, cells):
    return (b'<row r="%s">' % r if r is not None else b"<row>") + cells + b"</row>"


def scell(ref, index):
    return b'<c r="%s" t="s"><v>%d</v></c>' % (ref, index)


def istr(ref, text):
    return b'<c r="%s" t="inlineStr"><is><t>%s</t></is></c>' % (ref, text)


XHEADER = xrow(b"1", istr(b"A1", b"Geburtstag") + istr(b"B1", b"Eintritt") + istr(b"C1", b"Name"))


def xdata(r, name=b"Meier"):
    n = r.decode() if isinstance(r, bytes) else str(r)
    return xrow(r if isinstance(r, bytes) else str(r).encode(),
                istr(("A" + n).encode(), b"10.03.1955") + istr(("B" + n).encode(), b"01.04.1980")
                + istr(("C" + n).encode(), name))


def main():
    os.makedirs(OUT, exist_ok=True)
    # Repetition: a few hundred bytes that stand for millions of cells.
    ods("ods_repeated_columns.ods", HEADER + row(DATES + text_cell(b"x", 1000), 100000))
    ods("ods_full_width_rows.ods", HEADER + row(DATES + text_cell(b"1", 16381), 1048575))
    ods("ods_repeated_rows_overflow.ods",
        HEADER + row(b'<table:table-cell table:number-columns-repeated="16384"/>', 2**62) + row(DATES, 2**32 + 1))
    spaces = b'<text:s text:c="1000"/>' * 2200
    ods("ods_space_bomb.ods", HEADER + row(DATES + text_cell(b"a" + spaces + b"b", 1000), 10))
    ods("ods_space_counts.ods", HEADER + row(DATES + text_cell(
        b'a<text:s text:c="18446744073709551615"/>b<text:s text:c="-1"/>c<text:s text:c="99999999999999999999999"/>d'
        b'<text:s text:c="0"/>e<text:s text:c="x"/>f')))
    ods("ods_trailing_empty_cells.ods",
        HEADER + row(DATES + b'<table:table-cell table:number-columns-repeated="4294967295"/>', 1000)
        + row(b'<table:table-cell table:number-columns-repeated="18446744073709551615"/>', 2**40) + row(DATES))
    ods("ods_past_last_column.ods", HEADER + row(b'<table:table-cell table:number-columns-repeated="16383"/>'
                                                 + text_cell(b"x", 2)))
    ods("ods_deep_nesting.ods", HEADER + row(DATES + b'<table:table-cell><text:p>'
                                             + b"<text:span>" * 50000 + b"tief" + b"</text:span>" * 50000
                                             + b"</text:p></table:table-cell>"))
    ods("ods_annotations.ods", HEADER + row(DATES + b'<table:table-cell><office:annotation>'
                                            + b"<text:p>" + b'<text:s text:c="1000"/>' * 1000 + b"</text:p>" * 1
                                            + b"</office:annotation><text:p>Notiz</text:p></table:table-cell>", 5000))

    # Shared strings: millions never used, and one long text used everywhere.
    xlsx("xlsx_unused_shared_strings.xlsx", XHEADER + xrow(b"2", scell(b"A2", 0) + scell(b"B2", 1)),
         b"<si><t>10.03.1955</t></si><si><t>01.04.1980</t></si>" + b"<si/>" * 2_500_000)
    long_text = b"<si><t>" + b"L" * (1 << 20) + b"</t></si>"
    xlsx("xlsx_long_shared_string_everywhere.xlsx",
         XHEADER + b"".join(xrow(b"%d" % r, istr(b"A%d" % r, b"10.03.1955") + istr(b"B%d" % r, b"01.04.1980")
                                 + b"".join(b'<c t="s"><v>0</v></c>' for _ in range(2000)))
                            for r in range(2, 40)), long_text)
    xlsx("xlsx_shared_string_index_overflow.xlsx",
         XHEADER + xrow(b"2", istr(b"A2", b"10.03.1955") + istr(b"B2", b"01.04.1980")
                        + b'<c r="C2" t="s"><v>18446744073709551617</v></c><c r="D2" t="s"><v>-1</v></c>'
                        + b'<c r="E2" t="s"><v>4294967296</v></c><c r="F2" t="s"><v>1e3</v></c>'
                        + b'<c r="G2" s="99999999999999999999"><v>1</v></c><c r="H2" s="-3"><v>2</v></c>'),
         b"<si><t>eins</t></si>",
         b'<numFmts><numFmt numFmtId="99999999999999999999" formatCode="dd/mm/yyyy"/></numFmts>'
         b'<cellXfs><xf numFmtId="-14"/><xf numFmtId="4294967310"/></cellXfs>')

    # Row numbers that are none.
    for name, rows in [
        ("xlsx_row_zero.xlsx", XHEADER + xdata(b"0")),
        ("xlsx_row_negative.xlsx", XHEADER + xdata(b"-5")),
        ("xlsx_row_past_last.xlsx", XHEADER + xdata(b"1048577")),
        ("xlsx_row_int_max_then_next.xlsx", XHEADER + xdata(b"2147483647") + xrow(None, istr(b"A1", b"x"))),
        ("xlsx_row_past_uint32.xlsx", XHEADER + xdata(b"4294967297")),
        ("xlsx_row_backwards.xlsx", XHEADER + xdata(b"5") + xdata(b"3")),
        ("xlsx_row_not_digits.xlsx", XHEADER + xdata(b"12abc") + xdata(b"") + xdata(b" 7") + xdata(b"+8")),
        ("xlsx_row_huge_digits.xlsx", XHEADER + xdata(b"9" * 40)),
    ]:
        xlsx(name, rows)

    # Characters XML forbids, and the escapes of a workbook's own texts.
    xlsx("xlsx_forbidden_char_reference.xlsx", XHEADER + xdata(b"2", b"Mei&#xFFFF;er"))
    xlsx("xlsx_forbidden_raw_bytes.xlsx", XHEADER + xdata(b"2", "Mei\uFFFEer".encode()))
    xlsx("xlsx_control_char.xlsx", XHEADER + xdata(b"2", b"Mei\x01er"))
    xlsx("xlsx_escaped_texts.xlsx", XHEADER + xdata(b"2", b"_x0000__xFFFF__xD800__x0009__x005F_x0041__x00e4__xZZZZ_"))

    # Archives that are no staff table.
    zeros = b"<!--" + b" " * (70 << 20) + b"-->"
    xlsx("zip_bomb_sheet.xlsx", XHEADER + xdata(b"2") + zeros)
    ods("zip_bomb_content.ods", HEADER + row(DATES) + zeros)
    rnd = random.Random(35)
    noise = bytes(rnd.getrandbits(8) for _ in range(1 << 12))
    archive("zip_stored_noise.xlsx", [("xl/workbook.xml", noise)], zipfile.ZIP_STORED)
    data = open(os.path.join(OUT, "ods_repeated_columns.ods"), "rb").read()
    open(os.path.join(OUT, "zip_truncated.ods"), "wb").write(data[: len(data) // 2])
    # An entry whose sizes in the directory say less than it unpacks to.
    lying = bytearray(open(os.path.join(OUT, "ods_space_bomb.ods"), "rb").read())
    at = lying.rfind(b"PK\x01\x02")
    while at >= 0:
        name_len = int.from_bytes(lying[at + 28:at + 30], "little")
        if lying[at + 46:at + 46 + name_len] == b"content.xml":
            lying[at + 24:at + 28] = (100).to_bytes(4, "little")
        at = lying.rfind(b"PK\x01\x02", 0, at)
    open(os.path.join(OUT, "zip_lying_size.ods"), "wb").write(bytes(lying))


if __name__ == "__main__":
    main()
