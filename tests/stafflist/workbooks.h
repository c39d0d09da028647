#pragma once
// Spreadsheet files made for the tests: a ZIP archive of given parts, and
// the few parts an .xlsx or .ods needs around a sheet's XML.

#include <zip.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tarvolin::testing {

using Parts = std::vector<std::pair<std::string, std::string>>;

// The archive's bytes.
inline std::string zipOf(const Parts& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(memory);
    zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        throw std::runtime_error("zip");
    for (const auto& [name, bytes] : parts) {
        zip_source_t* part = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_file_add(archive, name.c_str(), part, ZIP_FL_ENC_UTF_8);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("zip close");
    zip_source_open(memory);
    zip_source_seek(memory, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(memory);
    zip_source_seek(memory, 0, SEEK_SET);
    std::string out(static_cast<std::size_t>(size), '\0');
    zip_source_read(memory, out.data(), static_cast<zip_uint64_t>(size));
    zip_source_close(memory);
    zip_source_free(memory);
    return out;
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream{path, std::ios::binary} << bytes;
}

// An .xlsx of one or more sheets (name, the XML inside <sheetData>), with
// shared strings, styles (0 general, 1 date 14, 2 "dd/mm/yyyy", 3 "00000")
// and the date system.
inline std::string xlsxOf(const std::vector<std::pair<std::string, std::string>>& sheets,
                          const std::vector<std::string>& shared = {}, bool date1904 = false)
{
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::string workbook = "<?xml version=\"1.0\"?><workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel + "\">"
                           + (date1904 ? "<workbookPr date1904=\"1\"/>" : "") + "<sheets>";
    std::string rels = "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                       "<Relationship Id=\"rS\" Type=\"" + rel + "/styles\" Target=\"styles.xml\"/>"
                       "<Relationship Id=\"rT\" Type=\"" + rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    Parts parts;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        workbook += "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"r" + n + "\"/>";
        rels += "<Relationship Id=\"r" + n + "\" Type=\"" + rel + "/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
        parts.emplace_back("xl/worksheets/sheet" + n + ".xml",
                           "<?xml version=\"1.0\"?><worksheet xmlns=\"" + main + "\"><sheetData>" + sheets[i].second
                               + "</sheetData></worksheet>");
    }
    std::string strings = "<?xml version=\"1.0\"?><sst xmlns=\"" + main + "\">";
    for (const std::string& s : shared)
        strings += s.empty() ? std::string{"<si/>"} : "<si><t>" + s + "</t></si>";
    parts.emplace_back("[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>");
    parts.emplace_back("_rels/.rels",
                       "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                       "<Relationship Id=\"rId1\" Type=\"" + rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    parts.emplace_back("xl/workbook.xml", workbook + "</sheets></workbook>");
    parts.emplace_back("xl/_rels/workbook.xml.rels", rels + "</Relationships>");
    parts.emplace_back("xl/sharedStrings.xml", strings + "</sst>");
    parts.emplace_back("xl/styles.xml",
                       "<?xml version=\"1.0\"?><styleSheet xmlns=\"" + main + "\"><numFmts>"
                       "<numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/><numFmt numFmtId=\"165\" formatCode=\"00000\"/>"
                       "</numFmts><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs><xf numFmtId=\"0\"/>"
                       "<xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/></cellXfs></styleSheet>");
    return zipOf(parts);
}

// An .ods of one or more tables (name, the XML inside <table:table>).
inline std::string odsOf(const std::vector<std::pair<std::string, std::string>>& tables, const std::string& manifest = "")
{
    std::string content =
        "<?xml version=\"1.0\"?><office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\">"
        "<office:body><office:spreadsheet>";
    for (const auto& [name, rows] : tables)
        content += "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
    content += "</office:spreadsheet></office:body></office:document-content>";
    Parts parts{{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", content}};
    if (!manifest.empty())
        parts.emplace_back("META-INF/manifest.xml", manifest);
    return zipOf(parts);
}

} // namespace tarvolin::testing
