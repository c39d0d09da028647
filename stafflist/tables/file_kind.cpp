#include "stafflist/tables/file_kind.h"

#include <string>

namespace tarvolin {

namespace {

// A name as a compound file's directory holds it: UTF-16, little-endian.
std::string utf16(std::string_view name)
{
    std::string out;
    for (char c : name) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

} // namespace

FileKind fileKindOf(std::string_view b)
{
    if (b.starts_with(std::string_view{"PK\x03\x04", 4}) || b.starts_with(std::string_view{"PK\x05\x06", 4}))
        return FileKind::Zip;
    if (b.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return FileKind::Compound;
    return FileKind::Text;
}

std::string_view compoundFileProblem(std::string_view bytes)
{
    if (bytes.find(utf16("EncryptedPackage")) != std::string_view::npos)
        return "die Datei ist mit einem Kennwort geschützt; bitte in Excel oder LibreOffice ohne Kennwort als .xlsx, "
               ".ods oder CSV speichern";
    if (bytes.find(utf16("Workbook")) != std::string_view::npos || bytes.find(utf16("Book")) != std::string_view::npos)
        return "die Datei ist eine Excel-Arbeitsmappe im alten Format .xls; bitte in Excel oder LibreOffice als .xlsx "
               "oder CSV speichern";
    return "die Datei ist ein Office-Dokument im alten Binärformat, keine Tabelle; bitte die Tabelle als .xlsx, .ods "
           "oder CSV speichern";
}

} // namespace tarvolin
