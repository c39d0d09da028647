#include "stafflist/tables/sheet_rows.h"

#include <algorithm>
#include <cstdio>

namespace tarvolin {

namespace {

constexpr std::size_t blockSize = 1 << 16;

} // namespace

void SheetRows::beginRow(std::int64_t number)
{
    row_.fields.clear();
    row_.notes.clear();
    row_.problem.clear();
    row_.line = number;
    hasValue_ = false;
    rowCells_ = rowText_ = 0;
}

void SheetRows::cell(std::size_t column, std::string text)
{
    if (!problem_.empty())
        return;
    if (column >= sheetColumns) {
        fail("die Zeile " + std::to_string(row_.line) + " hat Zellen jenseits der Spalte XFD (16.384)");
        return;
    }
    if (text.size() > longestCell) {
        text.resize(longestCell);
        row_.problem = "die Zelle " + cellName(column, row_.line) + " enthält mehr als 1 MB Text";
    }
    emptyRun_ = 0;
    if (text.empty())
        return;
    rowText_ += text.size();
    ++rowCells_;
    if (rowText_ > longestRow) {
        fail("die Zeile " + std::to_string(row_.line) + " enthält mehr als 16 MB Text; so lang ist keine Zeile "
             "einer Personaltabelle");
        return;
    }
    if (row_.fields.size() <= column)
        row_.fields.resize(column + 1);
    row_.fields[column] = std::move(text);
    hasValue_ = true;
}

void SheetRows::emptyCells(std::uint64_t count)
{
    emptyRun_ += count;
    if (emptyRun_ > emptyCellsInARow)
        fail("es folgen mehr als eine Million leere Zellen aufeinander (ganze Spalten oder Zeilen formatiert?); "
             "bitte nur den benutzten Bereich als .xlsx, .ods oder CSV speichern");
}

void SheetRows::endRow(std::uint64_t repeated)
{
    if (!problem_.empty() || (!hasValue_ && row_.notes.empty() && row_.problem.empty()))
        return;
    repeated = std::max<std::uint64_t>(repeated, 1);
    if (repeated > mostRowRepeats) {
        fail("eine Zeile wiederholt sich mehr als 100.000-mal");
        return;
    }
    if (row_.line > sheetRowCount - static_cast<std::int64_t>(repeated) + 1) {
        fail("die Zeile " + std::to_string(std::max(row_.line, sheetRowCount + 1))
             + " liegt hinter der letzten Zeile, die eine Tabelle hat (1.048.576)");
        return;
    }
    // At most 100,000 repeats of at most 16 MB: the sums stay far below 2^63.
    tableCells_ += rowCells_ * repeated;
    tableText_ += rowText_ * repeated;
    if (tableCells_ > mostFilledCells || tableText_ > mostTableText) {
        fail(std::string{"die Tabelle hat mehr als "}
             + (tableCells_ > mostFilledCells ? "50 Millionen Zellen mit einem Wert" : "1 GB Text in ihren Zellen")
             + " (wiederholte Zellen und Zeilen so oft gezählt, wie sie dastehen); so groß ist keine Personaltabelle");
        return;
    }
    ready_.push_back({std::move(row_), repeated});
    if (rowDone)
        rowDone();
}

void SheetRows::fail(std::string problem)
{
    if (problem_.empty())
        problem_ = std::move(problem);
    if (rowDone)
        rowDone();
}

bool SheetRows::take(TableRecord& record)
{
    if (ready_.empty())
        return false;
    Ready& next = ready_.front();
    if (next.count > 1) {
        record = next.row;
        ++next.row.line;
        --next.count;
        return true;
    }
    record = std::move(next.row);
    ready_.pop_front();
    return true;
}

std::string cellName(std::size_t column, std::int64_t row)
{
    std::string letters;
    for (std::size_t c = column + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

std::optional<std::size_t> columnOf(std::string_view reference)
{
    std::size_t column = 0;
    std::size_t letters = 0;
    for (char c : reference) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
        if (++letters > 3)
            return std::nullopt;
    }
    if (letters == 0)
        return std::nullopt;
    return column - 1;
}

StreamedSheet::StreamedSheet(std::unique_ptr<ZipEntryStream> stream, std::string part)
    : stream_{std::move(stream)}, part_{std::move(part)}, block_{std::make_unique<char[]>(blockSize)}
{
    rows_.rowDone = [this] {
        if (feed_)
            feed_->pause();
    };
}

bool StreamedSheet::next(TableRecord& record)
{
    while (!rows_.hasReady()) {
        if (!failure_.empty() || done_ || !pump())
            return false;
    }
    return rows_.take(record);
}

// Parses on until a row is ready, the sheet fails or its end: the paused
// block first, then the next one of the stream.
bool StreamedSheet::pump()
{
    bool fed = true;
    if (feed_->paused()) {
        fed = feed_->resume();
    } else if (!ended_) {
        const long got = stream_->read(block_.get(), blockSize);
        if (got < 0) {
            failure_ = stream_->problem();
            return false;
        }
        ended_ = got == 0;
        fed = feed_->feed(block_.get(), static_cast<std::size_t>(got), ended_);
    } else {
        return rows_.hasReady();
    }
    if (!rows_.problem().empty()) {
        failure_ = "Tabellenblatt: " + rows_.problem();
        rows_.dropReady();
        return false;
    }
    if (!fed) {
        if (!feed_->problem().empty())
            failure_ = "der Teil „" + part_ + "“ der Datei " + feed_->problem();
        return rows_.hasReady();
    }
    return !ended_ || feed_->paused() || rows_.hasReady();
}

bool readsToItsEnd(StreamedSheet& sheet, std::string& problem)
{
    TableRecord record;
    while (sheet.next(record)) {
    }
    problem = sheet.failure();
    return problem.empty();
}

std::string dottedDate(int year, unsigned month, unsigned day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", day, month, year);
    return text;
}

std::string isoDateText(std::string_view text)
{
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
        return std::string{text};
    return std::string{text.substr(8, 2)} + "." + std::string{text.substr(5, 2)} + "." + std::string{text.substr(0, 4)};
}

} // namespace tarvolin
