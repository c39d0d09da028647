#include "stafflist/tables/ods_reader.h"

#include "stafflist/tables/decimal_number.h"
#include "stafflist/tables/short_text.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/tables/zip_archive.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace tarvolin {

namespace {

constexpr std::string_view tableSpace = ":table:1.0";
constexpr std::string_view officeSpace = ":office:1.0";
constexpr std::string_view textSpace = ":text:1.0";

// A repeat count; one when there is none, or when it is no count ("-1",
// "x"); a count past 2^64 as the most there is.
std::uint64_t repeatOf(const char* value)
{
    if (value == nullptr)
        return 1;
    const std::string_view text{value};
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return 1;
    const auto n = decimalNumber(text);
    return !n ? UINT64_MAX : *n == 0 ? 1 : *n;
}

// Rows are counted in 64 bits and stop at a number far past any sheet's
// last row (which then refuses a value there), so that no count wraps.
constexpr std::int64_t uncountedRow = std::int64_t{1} << 62;

std::string numberText(std::string_view value, std::string_view shown)
{
    char* end = nullptr;
    const std::string stored{value};
    const double number = std::strtod(stored.c_str(), &end);
    if (end == stored.c_str())
        return stored;
    if (std::floor(number) == number && std::fabs(number) < 1e15) {
        const std::string whole = std::to_string(static_cast<long long>(number));
        // "01001" shown for 1001: the format keeps leading zeros.
        if (allDigits(shown) && shown.size() > whole.size() && shown.ends_with(whole)
            && shown.find_first_not_of('0') == shown.size() - whole.size())
            return std::string{shown};
        return whole;
    }
    std::string text = stored;
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

class ContentHandler final : public XmlHandler {
public:
    ContentHandler(SheetRows& rows, std::string sheet, std::function<void()> finished)
        : rows_{rows}, sheet_{std::move(sheet)}, finished_{std::move(finished)}
    {
    }

    bool found() const { return found_; }
    const std::string& names() const { return names_; }

    void start(std::string_view name, const char** a) override
    {
        if (isNamed(name, tableSpace, "table")) {
            const char* n = attribute(a, tableSpace, "name");
            const std::string tableName = n != nullptr ? n : "";
            names_ += (names_.empty() ? "" : ", ") + inQuotes(tableName);
            if (!found_ && (sheet_.empty() || tableName == sheet_))
                inTable_ = found_ = true;
            return;
        }
        if (!inTable_)
            return;
        if (annotation_ > 0 || isNamed(name, officeSpace, "annotation")) {
            ++annotation_;
            return;
        }
        if (isNamed(name, tableSpace, "table-row")) {
            rowRepeat_ = repeatOf(attribute(a, tableSpace, "number-rows-repeated"));
            rows_.beginRow(rowNumber());
            column_ = 0;
        } else if (isNamed(name, tableSpace, "table-cell") || isNamed(name, tableSpace, "covered-table-cell")) {
            startCell(a);
        } else if (inCell_ && isNamed(name, textSpace, "p")) {
            if (paragraphs_++ > 0)
                shown_ += '\n';
        } else if (inCell_ && isNamed(name, textSpace, "s")) {
            // Blanks counted, never more than the cell holds (a bound of its
            // own finds the cell too long).
            const std::size_t room = longestCell + 1 - std::min(shown_.size(), longestCell);
            shown_.append(static_cast<std::size_t>(std::min<std::uint64_t>(repeatOf(attribute(a, textSpace, "c")), room)),
                          ' ');
        } else if (inCell_ && isNamed(name, textSpace, "tab")) {
            shown_ += '\t';
        } else if (inCell_ && isNamed(name, textSpace, "line-break")) {
            shown_ += '\n';
        }
    }

    void end(std::string_view name) override
    {
        if (!inTable_)
            return;
        if (annotation_ > 0) {
            --annotation_;
            return;
        }
        if (isNamed(name, tableSpace, "table")) {
            inTable_ = false;
            finished_();
        } else if (isNamed(name, tableSpace, "table-row")) {
            rows_.endRow(rowRepeat_);
            nextRow_ += static_cast<std::int64_t>(
                std::min<std::uint64_t>(rowRepeat_, static_cast<std::uint64_t>(uncountedRow - nextRow_)));
        } else if (isNamed(name, tableSpace, "table-cell") || isNamed(name, tableSpace, "covered-table-cell")) {
            endCell();
        }
    }

    void text(std::string_view t) override
    {
        if (inCell_ && annotation_ == 0 && paragraphs_ > 0 && shown_.size() <= longestCell)
            shown_.append(t);
    }

private:
    std::int64_t rowNumber() const { return nextRow_; }

    void startCell(const char** a)
    {
        inCell_ = true;
        cellRepeat_ = repeatOf(attribute(a, tableSpace, "number-columns-repeated"));
        shown_.clear();
        paragraphs_ = 0;
        const char* type = attribute(a, officeSpace, "value-type");
        const char* calcType = attribute(a, "calcext:1.0", "value-type");
        type_ = type != nullptr ? type : "";
        error_ = calcType != nullptr && std::string_view{calcType} == "error";
        auto value = [&](std::string_view local) {
            const char* v = attribute(a, officeSpace, local);
            return std::string{v != nullptr ? v : ""};
        };
        value_ = type_ == "date" ? value("date-value") : type_ == "boolean" ? value("boolean-value")
                 : type_ == "string" ? value("string-value") : value("value");
    }

    void endCell()
    {
        inCell_ = false;
        if (error_) {
            rows_.note("Zelle " + cellName(column_, rowNumber()) + " enthält den Fehlerwert " + shortText(shown_, 40) + " und gilt als leer");
            skipCells();
            return;
        }
        std::string text;
        if (type_ == "date")
            text = isoDateText(value_);
        else if (type_ == "float" || type_ == "percentage" || type_ == "currency")
            text = numberText(value_, shown_);
        else if (type_ == "boolean")
            text = value_ == "true" ? "ja" : "nein";
        else if (type_ == "string" && !value_.empty() && shown_.empty())
            text = value_;
        else
            text = shown_;
        if (text.empty()) {
            skipCells();
            return;
        }
        for (std::uint64_t i = 0; i < cellRepeat_ && column_ < sheetColumns + 1 && rows_.problem().empty(); ++i)
            rows_.cell(column_++, text);
        if (cellRepeat_ > sheetColumns)
            rows_.fail("die Zeile " + std::to_string(rowNumber()) + " hat Zellen jenseits der Spalte XFD (16.384)");
    }

    void skipCells()
    {
        rows_.emptyCells(1);
        column_ += static_cast<std::size_t>(std::min<std::uint64_t>(cellRepeat_, sheetColumns + 1));
    }

    SheetRows& rows_;
    std::string sheet_;
    std::function<void()> finished_;
    std::string names_;
    bool found_ = false;
    bool inTable_ = false;
    int annotation_ = 0;
    std::int64_t nextRow_ = 1;
    std::uint64_t rowRepeat_ = 1;
    std::size_t column_ = 0;
    bool inCell_ = false;
    std::uint64_t cellRepeat_ = 1;
    std::string type_, value_, shown_;
    int paragraphs_ = 0;
    bool error_ = false;
};

class OdsSheet final : public StreamedSheet {
public:
    OdsSheet(std::unique_ptr<ZipEntryStream> stream, const std::string& sheet)
        : StreamedSheet{std::move(stream), "content.xml"}, handler_{rows(), sheet, [this] { finish(); }}
    {
        feedTo(handler_);
    }
    const ContentHandler& handler() const { return handler_; }

private:
    ContentHandler handler_;
};

} // namespace

std::unique_ptr<StreamedSheet> openOdsSheet(const ZipArchive& archive, const std::string& sheet, bool checkFirst,
                                            std::string& problem)
{
    std::string manifest;
    if (archive.has("META-INF/manifest.xml") && archive.readWhole("META-INF/manifest.xml", 16 << 20, manifest, problem)
        && manifest.find("encryption-data") != std::string::npos) {
        problem = "die Datei ist mit einem Kennwort geschützt; bitte ohne Kennwort speichern";
        return nullptr;
    }
    problem.clear();
    auto open = [&]() -> std::unique_ptr<OdsSheet> {
        auto stream = archive.stream("content.xml", problem);
        return stream ? std::make_unique<OdsSheet>(std::move(stream), sheet) : nullptr;
    };
    if (checkFirst) {
        const auto whole = open();
        if (!whole || !readsToItsEnd(*whole, problem))
            return nullptr;
    }
    if (!sheet.empty()) {
        // Whether the table is there shows only once the reading has reached it.
        const auto probe = open();
        TableRecord first;
        if (probe)
            probe->next(first);
        if (probe && !probe->handler().found()) {
            problem = "die Datei hat kein Tabellenblatt " + inQuotes(sheet)
                      + (probe->handler().names().empty() ? std::string{} : "; sie hat " + probe->handler().names());
            return nullptr;
        }
    }
    return open();
}

} // namespace tarvolin
