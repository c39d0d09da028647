#include "stafflist/tables/xlsx_parts.h"

#include "stafflist/tables/decimal_number.h"
#include "stafflist/tables/sheet_rows.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/tables/xlsx_cell_text.h"
#include "stafflist/tables/xml_feed.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace tarvolin {

namespace {

constexpr std::size_t smallPart = 64 << 20;

// Calls `onStart` for each element of a small part read whole.
class ElementVisitor final : public XmlHandler {
public:
    using Visit = std::function<void(std::string_view name, const char** attributes)>;
    explicit ElementVisitor(Visit visit) : visit_{std::move(visit)} {}
    void start(std::string_view name, const char** attributes) override { visit_(name, attributes); }
    void end(std::string_view) override {}
    void text(std::string_view) override {}

private:
    Visit visit_;
};

bool visitPart(const ZipArchive& archive, const std::string& part, const ElementVisitor::Visit& visit,
               std::string& problem)
{
    std::string xml;
    if (!archive.readWhole(part, smallPart, xml, problem))
        return false;
    ElementVisitor visitor{visit};
    XmlFeed feed{visitor};
    if (!feed.feed(xml.data(), xml.size(), true)) {
        problem = "der Teil „" + part + "“ der Datei " + feed.problem();
        return false;
    }
    return true;
}

std::string folderOf(const std::string& part)
{
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string{} : part.substr(0, slash + 1);
}

// A relationship's target as a part name: relative to the source's folder,
// or from the archive's root when it begins with "/".
std::string resolved(const std::string& source, const std::string& target)
{
    std::vector<std::string> parts;
    auto walk = [&](std::string_view path) {
        while (!path.empty()) {
            const auto slash = path.find('/');
            const std::string_view part = path.substr(0, slash);
            if (part == ".." && !parts.empty())
                parts.pop_back();
            else if (!part.empty() && part != "." && part != "..")
                parts.emplace_back(part);
            path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
        }
    };
    if (!target.starts_with("/"))
        walk(folderOf(source));
    walk(target);
    std::string path;
    for (const std::string& p : parts)
        path += (path.empty() ? "" : "/") + p;
    return path;
}

struct Relationship {
    std::string type, target;
};

bool readRelationships(const ZipArchive& archive, const std::string& source, std::map<std::string, Relationship>& out,
                       std::string& problem)
{
    const std::string part = folderOf(source) + "_rels/" + source.substr(folderOf(source).size()) + ".rels";
    if (!archive.has(part))
        return true;
    return visitPart(
        archive, part,
        [&](std::string_view name, const char** a) {
            const char* id = attribute(a, "", "Id");
            const char* target = attribute(a, "", "Target");
            if (localName(name) == "Relationship" && id != nullptr && target != nullptr) {
                const char* type = attribute(a, "", "Type");
                out[id] = {type != nullptr ? type : "", resolved(source, target)};
            }
        },
        problem);
}

bool isTrue(const char* value) { return value != nullptr && (std::string_view{value} == "1" || std::string_view{value} == "true"); }

} // namespace

bool readXlsxWorkbook(const ZipArchive& archive, XlsxWorkbook& workbook, std::string& problem)
{
    std::map<std::string, Relationship> root;
    if (!readRelationships(archive, "", root, problem))
        return false;
    std::string part = "xl/workbook.xml";
    for (const auto& [id, r] : root)
        if (r.type.ends_with("/officeDocument"))
            part = r.target;
    std::map<std::string, Relationship> rels;
    if (!readRelationships(archive, part, rels, problem))
        return false;
    for (const auto& [id, r] : rels) {
        if (r.type.ends_with("/styles"))
            workbook.stylesPart = r.target;
        if (r.type.ends_with("/sharedStrings"))
            workbook.sharedStringsPart = r.target;
    }
    return visitPart(
        archive, part,
        [&](std::string_view name, const char** a) {
            if (localName(name) == "workbookPr")
                workbook.date1904 = isTrue(attribute(a, "", "date1904"));
            if (localName(name) != "sheet")
                return;
            const char* sheetName = attribute(a, "", "name");
            const char* id = attribute(a, "relationships", "id");
            const auto rel = id != nullptr ? rels.find(id) : rels.end();
            if (sheetName != nullptr && rel != rels.end())
                workbook.sheets.push_back({sheetName, rel->second.target});
        },
        problem);
}

bool isDateFormat(std::string_view code)
{
    bool quoted = false;
    int bracket = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\\' || c == '_' || c == '*')
            ++i;
        else if (c == '[')
            ++bracket;
        else if (c == ']')
            bracket = bracket > 0 ? bracket - 1 : 0;
        else if (c == ';')
            return false; // the first section decides
        else if (bracket == 0 && (c == 'd' || c == 'D' || c == 'y' || c == 'Y' || c == 'j' || c == 'J'))
            return true;
    }
    return false;
}

bool readXlsxFormats(const ZipArchive& archive, const std::string& part, std::vector<XlsxFormat>& formats,
                     std::string& problem)
{
    formats.clear();
    if (part.empty() || !archive.has(part))
        return true;
    std::map<int, std::string> codes;
    bool inCellFormats = false;
    auto builtinDate = [](int id) { return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58); };
    return visitPart(
        archive, part,
        [&](std::string_view name, const char** a) {
            const std::string_view local = localName(name);
            if (local == "numFmt") {
                const auto id = decimalNumber(attribute(a, "", "numFmtId"), INT32_MAX);
                const char* code = attribute(a, "", "formatCode");
                if (id && code != nullptr)
                    codes[static_cast<int>(*id)] = code;
            } else if (local == "cellXfs") {
                inCellFormats = true;
            } else if (local == "cellStyleXfs" || local == "dxfs") {
                inCellFormats = false;
            } else if (local == "xf" && inCellFormats) {
                // A number that is none ("-14", past 2^31) is a format of no kind.
                const char* id = attribute(a, "", "numFmtId");
                const int n = id == nullptr ? 0 : static_cast<int>(decimalNumber(id, INT32_MAX).value_or(-1));
                XlsxFormat f;
                if (const auto code = codes.find(n); code != codes.end()) {
                    f.date = isDateFormat(code->second);
                    if (code->second.size() >= 2 && code->second.find_first_not_of('0') == std::string::npos)
                        f.zeroWidth = static_cast<int>(code->second.size());
                } else {
                    f.date = builtinDate(n);
                }
                formats.push_back(f);
            }
        },
        problem);
}

namespace {

// <si><t>text</t></si>, or runs <si><r><t>a</t></r><r><t>b</t></r></si>;
// the phonetic hints <rPh> are left out.
class SharedStringsHandler final : public XmlHandler {
public:
    explicit SharedStringsHandler(SharedStrings& strings) : strings_{strings} {}
    XmlFeed* feed = nullptr; // stopped once the strings keep no more
    void start(std::string_view name, const char**) override
    {
        const std::string_view local = localName(name);
        if (local == "si")
            text_.clear();
        else if (local == "rPh")
            ++phonetic_;
        else if (local == "t" && phonetic_ == 0)
            collecting_ = true;
    }
    void end(std::string_view name) override
    {
        const std::string_view local = localName(name);
        if (local == "si" && !strings_.push_back(decodedXlsxText(text_)) && feed != nullptr)
            feed->stop();
        else if (local == "rPh")
            --phonetic_;
        else if (local == "t")
            collecting_ = false;
    }
    void text(std::string_view t) override
    {
        if (collecting_ && text_.size() < longestCell)
            text_.append(t);
    }

private:
    SharedStrings& strings_;
    std::string text_;
    bool collecting_ = false;
    int phonetic_ = 0;
};

} // namespace

bool readSharedStrings(const ZipArchive& archive, const std::string& part, SharedStrings& strings, std::string& problem)
{
    if (part.empty() || !archive.has(part))
        return true;
    const auto stream = archive.stream(part, problem);
    if (!stream)
        return false;
    SharedStringsHandler handler{strings};
    XmlFeed feed{handler};
    handler.feed = &feed;
    char buffer[1 << 16];
    for (;;) {
        const long got = stream->read(buffer, sizeof buffer);
        if (got < 0) {
            problem = stream->problem();
            return false;
        }
        if (!feed.feed(buffer, static_cast<std::size_t>(got), got == 0)) {
            if (strings.tooMany())
                return true;
            problem = "der Teil „" + part + "“ der Datei " + feed.problem();
            return false;
        }
        if (got == 0)
            return true;
    }
}

} // namespace tarvolin
