#include "stafflist/computation/staff_list.h"

#include "calc/date_text.h"
#include "stafflist/computation/list_input.h"
#include "stafflist/computation/row_typing.h"
#include "window/notice_hints.h"

namespace tarvolin {

namespace {

std::string dateLabel(int index)
{
    if (index == 0)
        return "Geburtstag";
    if (index == 1)
        return "Dienstbezüge ab";
    if (index == 31)
        return "Stichtag";
    return "Vorzeit " + std::to_string(index / 2) + (index % 2 == 0 ? " von" : " bis");
}

std::string rangeText(const DateRange& r)
{
    auto text = [](const auto& d) {
        const auto day = Date::fromYmd(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day));
        return day ? germanDateText(*day) : std::string{};
    };
    return text(r.first) + " und " + text(r.last);
}

} // namespace

StaffListComputer::StaffListComputer(Date today)
    : platform_{today}, blank_{platform_.platform()}, window_{platform_.platform()}
{
    startBlank(blank_);
    platform_.messages.texts.clear();
}

bool StaffListComputer::compute(const StaffRow& row, ResultLine& line)
{
    line[colPersonnelNumber] = row.personnelNumber;
    line[colName] = row.name;
    line[colFirstName] = row.firstName;
    line.carried = row.carried;
    RowNotes& notes = line.notes();
    notes = row.notes;
    dateNotes_ = 0;
    if (!row.typedCase) {
        clearWindowResults(line);
        return false;
    }

    copyWindowState(window_, blank_);
    platform_.messages.texts.clear();
    const TypingOutcome outcome = typeCase(window_, *row.typedCase);

    for (const std::string& m : platform_.messages.texts)
        notes.push_back({0, m});
    for (const RefusedDate& r : outcome.refused) {
        const Control& field = window_.Datum(r.index);
        std::string text = dateLabel(r.index) + " " + germanDateText(r.typed);
        if (!field.accepts(r.typed))
            text += " liegt nicht zwischen " + rangeText(field.design->range) + " und wird vom Fenster nicht angenommen";
        else
            text += " wird vom Fenster abgewiesen";
        if (r.index <= 1)
            text += "; die Zeile wird nicht berechnet";
        notes.push_back({row.line, std::move(text)});
    }
    if (!outcome.computed) {
        clearWindowResults(line);
        return false;
    }
    readWindowResults(window_, line);
    const std::vector<std::string> hints = noticeDateHints(noticeDatesOf(window_), platform_.clock.today());
    for (const std::string& h : hints)
        notes.push_back({0, h});
    dateNotes_ = hints.size();
    return true;
}

std::size_t computeStaffRows(ListInput& input, Date today, std::optional<Date> referenceDate,
                             const std::function<void(const ComputedRow&)>& take,
                             const std::function<bool(std::size_t, std::size_t)>& goOn)
{
    StaffListComputer computer{today};
    TableRecord record;
    StaffRow row;
    ResultLine line;
    std::size_t rows = 0;
    while (input.reader().next(record)) {
        readStaffRow(input.columns(), record.fields, record.line, record.problem, referenceDate, row);
        // What the spreadsheet said of single cells goes first.
        for (auto note = record.notes.rbegin(); note != record.notes.rend(); ++note)
            row.notes.insert(row.notes.begin(), RowNote{record.line, *note});
        const bool computed = computer.compute(row, line);
        ++rows;
        take(ComputedRow{row, line, computed, computer.dateNotes()});
        if (!goOn(rows, input.reader().bytesRead()))
            break;
    }
    return rows;
}

} // namespace tarvolin
