#include "stafflist/staff_table.h"

#include "stafflist/table_text.h"

#include <algorithm>

namespace tarvolin {

namespace {

constexpr std::string_view notComputed = "; die Zeile wird nicht berechnet";

// Column 3 „Geburtsdatum“, as a message names a field of the header.
std::string columnAt(const std::vector<std::string>& header, int field)
{
    return "Spalte " + std::to_string(field + 1) + " " + inQuotes(header[static_cast<std::size_t>(field)]);
}

void takeColumn(ColumnMap& map, const std::vector<std::string>& header, std::size_t at, std::string& problem)
{
    const auto match = matchHeader(header[at]);
    if (!match)
        return;
    const InputColumn& column = inputColumns[match->column];
    const int field = static_cast<int>(at);
    if (perPeriod(column) && match->period > periodRows) {
        if (column.role == ColumnRole::PeriodDate) {
            map.surplusPeriodDates.push_back(field);
            map.surplusPeriodHeaders.push_back(header[at]);
        }
        return;
    }
    int& slot = map.fields[slotOf(match->column, match->period)];
    if (slot != ColumnMap::none) {
        if (problem.empty())
            problem = columnAt(header, slot) + " und " + columnAt(header, field) + " stehen beide für "
                      + inQuotes(slotName({match->column, match->period}))
                      + "; bitte eine davon umbenennen oder entfernen";
        return;
    }
    slot = field;
}

std::string_view fieldText(const std::vector<std::string>& fields, int at)
{
    return at >= 0 && static_cast<std::size_t>(at) < fields.size() ? trimmedField(fields[static_cast<std::size_t>(at)])
                                                                    : std::string_view{};
}

// Steps of readStaffRow.

void beginRow(StaffRow& row, std::int64_t line)
{
    row = StaffRow{};
    row.line = line;
}

// The whole record refused: its quotes are broken, or it has more fields
// with text than the header has columns.
bool refusedWhole(RowReading& r, const ColumnMap& c, const std::vector<std::string>& fields, std::string_view quoteProblem)
{
    if (!quoteProblem.empty()) {
        r.note(std::string{quoteProblem} + std::string{notComputed});
        return true;
    }
    if (fields.size() <= c.headerFields)
        return false;
    const bool extraText = std::any_of(fields.begin() + static_cast<std::ptrdiff_t>(c.headerFields), fields.end(),
                                       [](const std::string& f) { return !trimmedField(f).empty(); });
    if (extraText)
        r.note(std::to_string(fields.size()) + " Felder, die Kopfzeile hat nur " + std::to_string(c.headerFields)
               + std::string{notComputed});
    return extraText;
}

void readColumns(RowReading& r, const ColumnMap& c, const std::vector<std::string>& fields, ColumnRole role)
{
    for (std::size_t i = 0; i < inputColumns.size(); ++i)
        if (inputColumns[i].role == role)
            inputColumns[i].read(r, fieldText(fields, c.field(i)));
}

void refuseSurplusPeriods(RowReading& r, const ColumnMap& c, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < c.surplusPeriodDates.size(); ++i)
        if (!fieldText(fields, c.surplusPeriodDates[i]).empty()) {
            r.note("Spalte " + inQuotes(c.surplusPeriodHeaders[i])
                   + ": das Fenster hat nur 14 Zeilen für Vorzeiten (Vorzeiten zusammenfassen)"
                   + std::string{notComputed});
            r.computable = false;
            return;
        }
}

// Period k, when it has a from- or a to-date. Its tick decides whether it
// counts at all: when it is neither yes nor no, its dates are not looked at.
void readPeriod(RowReading& r, const ColumnMap& c, const std::vector<std::string>& fields, int k)
{
    constexpr std::size_t from = inputColumn("Vorzeit # von");
    constexpr std::size_t to = inputColumn("Vorzeit # bis");
    if (fieldText(fields, c.field(from, k)).empty() && fieldText(fields, c.field(to, k)).empty())
        return;
    std::vector<std::string> dateNotes;
    std::vector<std::string>* rowNotes = r.notes;
    r.notes = &dateNotes;
    r.periodRow = k;
    r.period = TypedPeriod{};
    r.periodRefusal.clear();
    for (std::size_t i = 0; i < inputColumns.size(); ++i)
        if (perPeriod(inputColumns[i]))
            inputColumns[i].read(r, fieldText(fields, c.field(i, k)));
    r.notes = rowNotes;
    if (!r.periodRefusal.empty()) {
        r.notes->push_back(r.where + r.periodRefusal);
        return;
    }
    for (std::string& n : dateNotes)
        r.notes->push_back(std::move(n));
    if (r.period.from || r.period.to)
        r.typed.periods[static_cast<std::size_t>(k - 1)] = std::move(r.period);
}

void finishRow(RowReading& r)
{
    if (r.row.address.salutation.empty())
        r.row.address.salutation = r.salutationByGender;
    if (r.computable && r.birthday && r.payStart) {
        r.typed.birthday = *r.birthday;
        r.typed.payStart = *r.payStart;
        r.row.typedCase = std::move(r.typed);
    }
}

} // namespace

std::optional<Date> parseTableDate(std::string_view text)
{
    int year = 0, month = 0, day = 0;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        if (!allDigits(text.substr(0, 4)) || !allDigits(text.substr(5, 2)) || !allDigits(text.substr(8, 2)))
            return std::nullopt;
        year = number(text.substr(0, 4));
        month = number(text.substr(5, 2));
        day = number(text.substr(8, 2));
    } else if (text.size() == 10 && text[2] == '/' && text[5] == '/') {
        if (!allDigits(text.substr(0, 2)) || !allDigits(text.substr(3, 2)) || !allDigits(text.substr(6, 4)))
            return std::nullopt;
        day = number(text.substr(0, 2));
        month = number(text.substr(3, 2));
        year = number(text.substr(6, 4));
    } else {
        const auto dot1 = text.find('.');
        const auto dot2 = dot1 == std::string_view::npos ? dot1 : text.find('.', dot1 + 1);
        if (dot2 == std::string_view::npos)
            return std::nullopt;
        const auto d = text.substr(0, dot1);
        const auto m = text.substr(dot1 + 1, dot2 - dot1 - 1);
        const auto y = text.substr(dot2 + 1);
        if (!allDigits(d) || d.size() > 2 || !allDigits(m) || m.size() > 2 || !allDigits(y) || y.size() != 4)
            return std::nullopt;
        day = number(d);
        month = number(m);
        year = number(y);
    }
    if (year < 1)
        return std::nullopt;
    return Date::fromYmd(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

ColumnMap findColumns(const std::vector<std::string>& header, std::string& problem)
{
    ColumnMap c;
    c.headerFields = header.size();
    problem.clear();
    for (std::size_t at = 0; at < header.size(); ++at)
        takeColumn(c, header, at, problem);
    if (!problem.empty())
        return c;
    for (std::size_t i = 0; i < inputColumns.size(); ++i)
        if (inputColumns[i].role == ColumnRole::Required && c.field(i) == ColumnMap::none) {
            problem = "die Spalte " + inQuotes(inputColumns[i].name) + " fehlt in der Kopfzeile";
            break;
        }
    return c;
}

Addressee addresseeOf(const std::string& firstName, const std::string& name, const StaffAddress& a)
{
    auto joined = [](const std::string& x, const std::string& y) { return x.empty() || y.empty() ? x + y : x + " " + y; };
    return Addressee{a.salutation, joined(firstName, name), joined(a.street, a.houseNumber), joined(a.postalCode, a.town)};
}

RowReading::RowReading(StaffRow& r) : row{r}, where{"Zeile " + std::to_string(r.line) + ": "}, notes{&r.notes} {}

void RowReading::note(std::string_view text) { notes->push_back(where + std::string{text}); }

void readStaffRow(const ColumnMap& c, const std::vector<std::string>& fields, std::int64_t line,
                  std::string_view quoteProblem, std::optional<Date> defaultReferenceDate, StaffRow& row)
{
    beginRow(row, line);
    RowReading r{row};
    readColumns(r, c, fields, ColumnRole::Copied);
    if (refusedWhole(r, c, fields, quoteProblem))
        return;
    readColumns(r, c, fields, ColumnRole::Required);
    refuseSurplusPeriods(r, c, fields);
    readColumns(r, c, fields, ColumnRole::Optional);
    if (!r.typed.referenceDate)
        r.typed.referenceDate = defaultReferenceDate;
    for (int k = 1; k <= periodRows; ++k)
        readPeriod(r, c, fields, k);
    finishRow(r);
}

} // namespace tarvolin
