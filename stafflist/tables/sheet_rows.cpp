#include "stafflist/tables/sheet_rows.h"

#include <cstdio>

namespace tarvolin {

void SheetRows::beginRow(int number)
{
    row_.fields.clear();
    row_.notes.clear();
    row_.problem.clear();
    row_.line = number;
    hasValue_ = false;
}

void SheetRows::cell(std::size_t column, std::string text)
{
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
    if (!hasValue_ && row_.notes.empty() && row_.problem.empty())
        return;
    if (repeated == 1) {
        ready.push_back(std::move(row_));
        return;
    }
    for (std::uint64_t i = 0; i < repeated && problem_.empty(); ++i) {
        if (ready.size() > 100'000) {
            fail("eine Zeile wiederholt sich mehr als 100.000-mal");
            return;
        }
        ready.push_back(row_);
        ++row_.line;
    }
}

void SheetRows::fail(std::string problem)
{
    if (problem_.empty())
        problem_ = std::move(problem);
}

std::string cellName(std::size_t column, int row)
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
    : stream_{std::move(stream)}, part_{std::move(part)}
{
}

bool StreamedSheet::next(TableRecord& record)
{
    while (rows_.ready.empty()) {
        if (!failure_.empty() || done_ || !pump())
            return false;
    }
    record = std::move(rows_.ready.front());
    rows_.ready.pop_front();
    return true;
}

bool StreamedSheet::pump()
{
    char buffer[1 << 16];
    const long got = stream_->read(buffer, sizeof buffer);
    if (got < 0) {
        failure_ = stream_->problem();
        return false;
    }
    const bool fed = feed_->feed(buffer, static_cast<std::size_t>(got), got == 0);
    if (!rows_.problem().empty()) {
        failure_ = "Tabellenblatt: " + rows_.problem();
        rows_.ready.clear();
        return false;
    }
    if (!fed) {
        if (!feed_->problem().empty())
            failure_ = "der Teil „" + part_ + "“ der Datei " + feed_->problem();
        return !rows_.ready.empty();
    }
    return got > 0 || !rows_.ready.empty();
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
