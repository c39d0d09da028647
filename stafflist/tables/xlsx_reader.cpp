#include "stafflist/tables/xlsx_reader.h"

#include "calc/date.h"
#include "stafflist/tables/decimal_number.h"
#include "stafflist/tables/short_text.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/tables/xlsx_cell_text.h"
#include "stafflist/tables/xlsx_parts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace tarvolin {

namespace {

// Excel's error values under the names a German Excel shows.
std::string germanError(std::string_view value)
{
    static constexpr std::pair<std::string_view, std::string_view> names[] = {
        {"#N/A", "#NV"},     {"#VALUE!", "#WERT!"}, {"#REF!", "#BEZUG!"}, {"#NAME?", "#NAME?"},
        {"#NUM!", "#ZAHL!"}, {"#NULL!", "#NULL!"},  {"#DIV/0!", "#DIV/0!"}};
    for (const auto& [english, german] : names)
        if (value == english)
            return std::string{german};
    return std::string{value};
}

// A serial day number as the date it stands for, TT.MM.JJJJ. In the 1900
// system Excel counts a 29 February 1900 that never was (day 60): it comes
// out as "29.02.1900", which no date column takes.
std::string serialDate(double value, bool date1904)
{
    const double days = std::floor(value);
    if (!(days >= (date1904 ? 0 : 1) && days < 2958466))
        return {};
    const auto n = static_cast<std::int32_t>(days);
    if (!date1904 && n == 60)
        return "29.02.1900";
    const Date d = Date::fromSerial(date1904 ? n + 1462 : n < 60 ? n + 1 : n);
    return dottedDate(d.year(), d.month(), d.day());
}

// A number as a clerk reads it: whole numbers without a point (with the
// width of a format of zeros), others with a decimal comma.
std::string numberText(std::string_view stored, double value, int zeroWidth)
{
    if (std::floor(value) == value && std::fabs(value) < 1e15) {
        char text[32];
        std::snprintf(text, sizeof text, "%0*lld", zeroWidth, static_cast<long long>(value));
        return text;
    }
    std::string text{stored};
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

class SheetHandler final : public XmlHandler {
public:
    SheetHandler(SheetRows& rows, const SharedStrings& strings, const std::vector<XlsxFormat>& formats, bool date1904,
                 std::function<void()> finished)
        : rows_{rows}, strings_{strings}, formats_{formats}, date1904_{date1904}, finished_{std::move(finished)}
    {
    }

    void start(std::string_view name, const char** a) override
    {
        const std::string_view local = localName(name);
        if (local == "row") {
            rowNumber_ = nextRowNumber(attribute(a, "", "r"));
            column_ = 0;
            rows_.beginRow(rowNumber_);
        } else if (local == "c") {
            const char* r = attribute(a, "", "r");
            const auto column = r != nullptr ? columnOf(r) : std::nullopt;
            if (column)
                column_ = *column;
            const char* t = attribute(a, "", "t");
            type_ = t != nullptr ? t : "n";
            // A style past the formats ("-3", past 2^64) is the general one.
            style_ = static_cast<std::size_t>(decimalNumber(attribute(a, "", "s"), SIZE_MAX).value_or(0));
            value_.clear();
            hasValue_ = false;
        } else if (local == "v" || (local == "t" && inline_ && phonetic_ == 0)) {
            collecting_ = true;
            hasValue_ = true;
        } else if (local == "is") {
            inline_ = true;
        } else if (local == "rPh") {
            ++phonetic_;
        }
    }

    void end(std::string_view name) override
    {
        const std::string_view local = localName(name);
        if (local == "v" || local == "t") {
            collecting_ = false;
        } else if (local == "is") {
            inline_ = false;
        } else if (local == "rPh") {
            --phonetic_;
        } else if (local == "c") {
            endCell();
            ++column_;
        } else if (local == "row") {
            rows_.endRow();
        } else if (local == "sheetData") {
            finished_();
        }
    }

    void text(std::string_view t) override
    {
        if (collecting_ && value_.size() <= longestCell)
            value_.append(t);
    }

private:
    void endCell()
    {
        if (!hasValue_) {
            rows_.emptyCells(1);
            return;
        }
        if (type_ == "e") {
            rows_.note("Zelle " + cellName(column_, rowNumber_) + " enthält den Fehlerwert " + shortText(germanError(value_), 40)
                       + " und gilt als leer");
            rows_.emptyCells(1);
            return;
        }
        rows_.cell(column_, cellText());
    }

    std::string cellText()
    {
        if (type_ == "s") {
            const auto index = decimalNumber(value_);
            if (const auto text = index ? strings_.find(*index) : std::nullopt)
                return std::string{*text};
            rows_.note("Zelle " + cellName(column_, rowNumber_) + " verweist auf einen Text, den die Datei nicht enthält");
            return {};
        }
        if (type_ == "inlineStr" || type_ == "str")
            return decodedXlsxText(value_);
        if (type_ == "b")
            return value_ == "1" ? "ja" : "nein";
        if (type_ == "d")
            return isoDateText(value_);
        char* end = nullptr;
        const double number = std::strtod(value_.c_str(), &end);
        if (end == value_.c_str())
            return value_;
        const XlsxFormat format = style_ < formats_.size() ? formats_[style_] : XlsxFormat{};
        if (format.date)
            if (std::string d = serialDate(number, date1904_); !d.empty())
                return d;
        return numberText(value_, number, format.zeroWidth);
    }

    // The number of the row that starts: its r="...", which must be a row
    // number past the one before (Excel writes them ascending), or without
    // it the next one. Anything else ends the reading, naming the row.
    std::int64_t nextRowNumber(const char* r)
    {
        const std::string after = rowNumber_ > 0 ? " (nach Zeile " + std::to_string(rowNumber_) + ")" : std::string{};
        if (r == nullptr) {
            if (rowNumber_ >= sheetRowCount)
                rows_.fail("nach der Zeile 1.048.576 folgt eine weitere; eine Tabelle hat höchstens 1.048.576 Zeilen");
            return rowNumber_ + 1;
        }
        const auto n = decimalNumber(r, sheetRowCount);
        if (!n || *n == 0) {
            rows_.fail("eine Zeile hat die Nummer " + inQuotes(shortText(r, 20)) + after
                       + ", die keine Zeilennummer ist (1 bis 1.048.576)");
            return rowNumber_ + 1;
        }
        const auto number = static_cast<std::int64_t>(*n);
        if (number <= rowNumber_)
            rows_.fail("die Zeile " + std::to_string(number) + " steht nach der Zeile " + std::to_string(rowNumber_)
                       + "; die Zeilen einer Tabelle stehen aufsteigend (ist die Datei beschädigt?)");
        return number;
    }

    SheetRows& rows_;
    const SharedStrings& strings_;
    const std::vector<XlsxFormat>& formats_;
    bool date1904_;
    std::function<void()> finished_;
    std::int64_t rowNumber_ = 0;
    std::size_t column_ = 0;
    std::string type_;
    std::size_t style_ = 0;
    std::string value_;
    bool hasValue_ = false;
    bool collecting_ = false;
    bool inline_ = false;
    int phonetic_ = 0;
};

class XlsxSheet final : public StreamedSheet {
public:
    XlsxSheet(std::unique_ptr<ZipEntryStream> stream, const std::string& part, SharedStrings strings,
              std::vector<XlsxFormat> formats, bool date1904)
        : StreamedSheet{std::move(stream), part},
          strings_{std::move(strings)},
          formats_{std::move(formats)},
          handler_{rows(), strings_, formats_, date1904, [this] { finish(); }}
    {
        feedTo(handler_);
    }

private:
    SharedStrings strings_;
    std::vector<XlsxFormat> formats_;
    SheetHandler handler_;
};

std::string sheetList(const std::vector<XlsxSheetEntry>& sheets)
{
    std::string names;
    for (const XlsxSheetEntry& s : sheets)
        names += (names.empty() ? "" : ", ") + inQuotes(s.name);
    return names;
}

} // namespace

std::unique_ptr<StreamedSheet> openXlsxSheet(const ZipArchive& archive, const std::string& sheet, bool checkFirst,
                                             std::string& problem)
{
    XlsxWorkbook workbook;
    if (!readXlsxWorkbook(archive, workbook, problem))
        return nullptr;
    if (workbook.sheets.empty()) {
        problem = "die Arbeitsmappe enthält kein Tabellenblatt";
        return nullptr;
    }
    const XlsxSheetEntry* chosen = &workbook.sheets.front();
    if (!sheet.empty()) {
        chosen = nullptr;
        for (const XlsxSheetEntry& s : workbook.sheets)
            if (s.name == sheet)
                chosen = &s;
        if (chosen == nullptr) {
            problem = "die Arbeitsmappe hat kein Tabellenblatt " + inQuotes(sheet) + "; sie hat " + sheetList(workbook.sheets);
            return nullptr;
        }
    }
    std::vector<XlsxFormat> formats;
    SharedStrings strings;
    if (!readXlsxFormats(archive, workbook.stylesPart, formats, problem)
        || !readSharedStrings(archive, workbook.sharedStringsPart, strings, problem))
        return nullptr;
    if (strings.tooMany()) {
        // The sheet read once more for the numbers it uses, and only their
        // texts kept.
        std::vector<std::uint32_t> used;
        if (!usedSharedStrings(archive, chosen->part, used, problem))
            return nullptr;
        strings = SharedStrings{std::move(used)};
        if (!readSharedStrings(archive, workbook.sharedStringsPart, strings, problem))
            return nullptr;
    }
    auto open = [&](SharedStrings texts, std::vector<XlsxFormat> cellFormats) -> std::unique_ptr<XlsxSheet> {
        auto stream = archive.stream(chosen->part, problem);
        return stream ? std::make_unique<XlsxSheet>(std::move(stream), chosen->part, std::move(texts),
                                                    std::move(cellFormats), workbook.date1904)
                      : nullptr;
    };
    if (checkFirst) {
        const auto whole = open(strings, formats);
        if (!whole || !readsToItsEnd(*whole, problem))
            return nullptr;
    }
    return open(std::move(strings), std::move(formats));
}

} // namespace tarvolin
