#pragma once
// The result table's columns, one line each in `resultColumns`: the head of
// the CSV and the window, the head on paper, how the cell is read from the
// window after the case was typed (or copied from the row), and which year
// reports carry it. ResultColumn names each line; a static_assert keeps the
// two in step. A cell keeps what it is (result_cell.h).

#include "stafflist/computation/result_cell.h"
#include "window/jda.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

enum ResultColumn : std::size_t {
    colPersonnelNumber, colName, colFirstName, colBirthday, colPayStart, colReferenceDate,
    colPriorYears, colPriorMonths, colPriorDays, colServiceYears, colServiceMonths, colServiceDays,
    colJdaBegin, col25, col25Reached, col40, col40Reached, col50, col50Reached,
    colRetirementAge, colRetirementDate, colNoticePeriod, colLastNoticeDay, colNoticeEnd, colNotes,
    resultColumnCount
};

// Reads a cell from what the window shows.
using WindowReader = void (*)(JDA& window, ResultCell& cell);

// How a column goes onto paper: a column of its own; joined to the one
// before it with "/" (years/months/days in one column); as the note under
// the row.
enum class OnPaper { Column, Joined, RowNote };

// Which year reports carry a column, after their date (and the anniversary).
enum ReportColumns : unsigned { inNoReport = 0, inAnniversaries = 1, inRetirements = 2, inBothReports = 3 };

struct ResultColumnSpec {
    ResultColumn id;
    std::string_view header;
    std::string_view printed; // the head on paper; long heads may break at soft hyphens
    OnPaper onPaper;
    WindowReader read;        // nullptr: copied from the row, or the notes
    ReportColumns reports;
};

// The cells of the table below, read from the window.
namespace result_cells {
// The day a date field holds; empty when it holds none.
void date(const Control& field, ResultCell& cell);
// The number a panel shows; empty when it shows none.
void count(const Control& panel, ResultCell& cell);
// Whether an anniversary (0: 25, 1: 40, 2: 50 years) the window shows is
// reached, by its "(wird nicht erreicht)"; empty when it shows none.
void reached(JDA& w, int anniversary, ResultCell& cell);
// The retirement age in use.
void retirementAge(JDA& w, ResultCell& cell);
// The marked notice tier; the last notice day and the end of the
// employment. All empty without a reference date (the window marks no tier).
void noticeTier(JDA& w, ResultCell& cell);
void noticeDate(JDA& w, int index, ResultCell& cell);
} // namespace result_cells

#define TARVOLIN_SHY "\xC2\xAD"
inline constexpr std::array<ResultColumnSpec, resultColumnCount> resultColumns{{
    // clang-format off
    {colPersonnelNumber, "Personalnummer", "Personal" TARVOLIN_SHY "nummer", OnPaper::Column, nullptr, inBothReports},
    {colName, "Name", "Name", OnPaper::Column, nullptr, inBothReports},
    {colFirstName, "Vorname", "Vorname", OnPaper::Column, nullptr, inBothReports},
    {colBirthday, "Geburtstag", "Geburtstag", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(0), c); }, inRetirements},
    {colPayStart, "Dienstbezüge ab", "Dienst" TARVOLIN_SHY "bezüge ab", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(1), c); }, inNoReport},
    {colReferenceDate, "Stichtag", "Stichtag", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(31), c); }, inNoReport},
    {colPriorYears, "Vorzeiten J", "Vorzeiten J/M/T", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::count(w.Jahr(16), c); }, inNoReport},
    {colPriorMonths, "Vorzeiten M", "", OnPaper::Joined, [](JDA& w, ResultCell& c) { result_cells::count(w.Monat(16), c); }, inNoReport},
    {colPriorDays, "Vorzeiten T", "", OnPaper::Joined, [](JDA& w, ResultCell& c) { result_cells::count(w.Tage(16), c); }, inNoReport},
    {colServiceYears, "Beschäftigungszeit J", "Beschäf" TARVOLIN_SHY "tigungs" TARVOLIN_SHY "zeit J/M/T", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::count(w.Jahr(17), c); }, inNoReport},
    {colServiceMonths, "Beschäftigungszeit M", "", OnPaper::Joined, [](JDA& w, ResultCell& c) { result_cells::count(w.Monat(17), c); }, inNoReport},
    {colServiceDays, "Beschäftigungszeit T", "", OnPaper::Joined, [](JDA& w, ResultCell& c) { result_cells::count(w.Tage(17), c); }, inNoReport},
    {colJdaBegin, "JDA-Beginn", "JDA-Beginn", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(32), c); }, inAnniversaries},
    {col25, "25 Jahre", "25 Jahre", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(33), c); }, inNoReport},
    {col25Reached, "25 erreicht", "erreicht", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::reached(w, 0, c); }, inNoReport},
    {col40, "40 Jahre", "40 Jahre", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(34), c); }, inNoReport},
    {col40Reached, "40 erreicht", "erreicht", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::reached(w, 1, c); }, inNoReport},
    {col50, "50 Jahre", "50 Jahre", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(35), c); }, inNoReport},
    {col50Reached, "50 erreicht", "erreicht", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::reached(w, 2, c); }, inNoReport},
    {colRetirementAge, "Ruhestandsalter", "Ruhe" TARVOLIN_SHY "stands" TARVOLIN_SHY "alter", OnPaper::Column, result_cells::retirementAge, inRetirements},
    {colRetirementDate, "Altersgrenze am", "Alters" TARVOLIN_SHY "grenze am", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::date(w.Datum(38), c); }, inNoReport},
    {colNoticePeriod, "Kündigungsfrist", "Kündigungs" TARVOLIN_SHY "frist", OnPaper::Column, result_cells::noticeTier, inNoReport},
    {colLastNoticeDay, "spätestens kündigen am", "spätestens kündigen am", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::noticeDate(w, 36, c); }, inNoReport},
    {colNoticeEnd, "Kündigung zum", "Kündigung zum", OnPaper::Column, [](JDA& w, ResultCell& c) { result_cells::noticeDate(w, 37, c); }, inNoReport},
    {colNotes, "Hinweise", "", OnPaper::RowNote, nullptr, inNoReport},
    // clang-format on
}};
#undef TARVOLIN_SHY

constexpr bool inOrder()
{
    for (std::size_t i = 0; i < resultColumns.size(); ++i)
        if (resultColumns[i].id != i)
            return false;
    return true;
}
static_assert(inOrder(), "resultColumns lists the columns in the order of ResultColumn");

// The heads of the CSV and the window.
inline constexpr std::array<std::string_view, resultColumnCount> resultHeader = [] {
    std::array<std::string_view, resultColumnCount> heads{};
    for (std::size_t i = 0; i < resultColumns.size(); ++i)
        heads[i] = resultColumns[i].header;
    return heads;
}();

// One line of the result: a cell per column of the table above, and the
// texts of the staff table's own columns carried through.
struct ResultLine {
    std::array<ResultCell, resultColumnCount> cells;
    std::vector<std::string> carried;

    ResultCell& operator[](std::size_t column) { return cells[column]; }
    const ResultCell& operator[](std::size_t column) const { return cells[column]; }
    // A column copied from the table (the personnel number, the names): its
    // text, "" when empty.
    const std::string& text(ResultColumn column) const;
    // A column of dates: its day, if any.
    std::optional<Date> date(ResultColumn column) const;
    // The row's notes (colNotes).
    RowNotes& notes();
    const RowNotes& notes() const;
    friend bool operator==(const ResultLine&, const ResultLine&) = default;
};

// The result table's columns in their order: the person columns, then the
// staff table's own columns carried through, then the results.
class ResultLayout {
public:
    static constexpr std::size_t carriedFrom = colFirstName + 1;

    ResultLayout() = default;
    explicit ResultLayout(std::vector<std::string> carriedHeaders) : carried_{std::move(carriedHeaders)} {}

    std::size_t size() const { return resultColumnCount + carried_.size(); }
    const std::vector<std::string>& carriedHeaders() const { return carried_; }
    // The column of the result table at a position; nothing for a carried one.
    std::optional<ResultColumn> columnAt(std::size_t position) const;
    // The carried column at a position (columnAt gives nothing).
    std::size_t carriedAt(std::size_t position) const { return position - carriedFrom; }
    std::string_view header(std::size_t position) const;
    ResultCell cell(const ResultLine& line, std::size_t position) const;
    // The heads in their order.
    std::vector<std::string_view> headers() const;

private:
    std::vector<std::string> carried_;
};

// The results the window shows: the days of its date fields (empty where a
// field holds no date), the panels of rows 16 and 17, whether each
// anniversary is reached, the retirement age in use, the marked notice
// tier. The copied columns and the notes are left alone.
void readWindowResults(JDA& window, ResultLine& line);

// The results emptied, the copied columns and the notes left alone.
void clearWindowResults(ResultLine& line);

} // namespace tarvolin
