#include "stafflist/computation/staff_table.h"

#include "stafflist/computation/staff_result.h"
#include "stafflist/tables/short_text.h"
#include "stafflist/tables/table_text.h"

#include <algorithm>

namespace tarvolin {

namespace {

constexpr std::string_view notComputed = "; die Zeile wird nicht berechnet";

// Column 3 „Geburtsdatum“, as a message names a field of the header.
std::string columnAt(const std::vector<std::string>& header, int field)
{
    return "Spalte " + std::to_string(field + 1) + " " + inQuotes(shortText(header[static_cast<std::size_t>(field)]));
}

std::string clash(const std::vector<std::string>& header, int first, int second, InputSlot slot)
{
    return columnAt(header, first) + " und " + columnAt(header, second) + " stehen beide für " + inQuotes(slotName(slot))
           + "; bitte eine davon umbenennen oder entfernen";
}

// The header's field a mapping names: the same text, or failing that the
// one field alike without case, blanks and punctuation.
int mappedField(const std::vector<std::string>& header, const ColumnChoice& choice, std::string& problem)
{
    for (std::size_t at = 0; at < header.size(); ++at)
        if (trimmedField(header[at]) == trimmedField(choice.header))
            return static_cast<int>(at);
    int found = ColumnMap::none;
    const std::string wanted = normalizedHeader(choice.header);
    for (std::size_t at = 0; at < header.size(); ++at)
        if (normalizedHeader(header[at]) == wanted) {
            if (found != ColumnMap::none) {
                problem = clash(header, found, static_cast<int>(at), slotAt(choice.slot));
                return ColumnMap::none;
            }
            found = static_cast<int>(at);
        }
    if (found == ColumnMap::none)
        problem = "der Zuordnung " + inQuotes(slotName(slotAt(choice.slot)) + " = " + shortText(choice.header))
                  + " fehlt die Spalte " + inQuotes(shortText(choice.header)) + " in der Kopfzeile";
    return found;
}

// A header field found by its name; `decided` are the inputs the mapping has
// settled, which no name takes.
void takeColumn(ColumnMap& map, const std::vector<std::string>& header, std::size_t at,
                const std::vector<bool>& decided, std::vector<bool>& used, std::string& problem)
{
    const auto match = matchHeader(header[at]);
    if (!match)
        return;
    const InputColumn& column = inputColumns[match->column];
    const int field = static_cast<int>(at);
    if (perPeriod(column) && match->period > periodRows) {
        used[at] = true;
        if (column.role == ColumnRole::PeriodDate) {
            map.surplusPeriodDates.push_back(field);
            map.surplusPeriodHeaders.push_back(header[at]);
        }
        return;
    }
    const std::size_t s = slotOf(match->column, match->period);
    if (decided[s])
        return;
    int& slot = map.fields[s];
    if (slot != ColumnMap::none) {
        if (problem.empty())
            problem = clash(header, slot, field, {match->column, match->period});
        return;
    }
    slot = field;
    used[at] = true;
}

// Inputs that the result shows in no column of its own (the addressee's)
// are carried through as well.
bool carriedInput(const InputColumn& c)
{
    return !perPeriod(c) && std::find(resultHeader.begin(), resultHeader.end(), c.name) == resultHeader.end();
}

void findCarried(ColumnMap& map, const std::vector<std::string>& header, std::vector<bool> used)
{
    for (std::size_t s = 0; s < inputSlotCount; ++s)
        if (const int f = map.fields[s]; f != ColumnMap::none && carriedInput(inputColumns[slotAt(s).column]))
            used[static_cast<std::size_t>(f)] = false;
    for (std::size_t at = 0; at < header.size(); ++at) {
        const std::string_view name = trimmedField(header[at]);
        if (used[at] || name.empty())
            continue;
        map.carriedFields.push_back(static_cast<int>(at));
        const bool taken = std::find(resultHeader.begin(), resultHeader.end(), name) != resultHeader.end();
        map.carriedHeaders.push_back(std::string{name} + (taken ? " (Tabelle)" : ""));
    }
}

std::string missingText(const std::vector<std::size_t>& missing)
{
    std::string names;
    for (std::size_t i = 0; i < missing.size(); ++i)
        names += (i == 0 ? "" : i + 1 == missing.size() ? " und " : ", ") + inQuotes(slotName(slotAt(missing[i])));
    return missing.size() == 1 ? "die Spalte " + names + " fehlt in der Kopfzeile"
                               : "die Spalten " + names + " fehlen in der Kopfzeile";
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
            r.note("Spalte " + inQuotes(shortText(c.surplusPeriodHeaders[i]))
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
    RowNotes dateNotes;
    RowNotes* rowNotes = r.notes;
    r.notes = &dateNotes;
    r.periodRow = k;
    r.period = TypedPeriod{};
    r.periodRefusal.clear();
    for (std::size_t i = 0; i < inputColumns.size(); ++i)
        if (perPeriod(inputColumns[i]))
            inputColumns[i].read(r, fieldText(fields, c.field(i, k)));
    r.notes = rowNotes;
    if (!r.periodRefusal.empty()) {
        r.notes->push_back({r.row.line, r.periodRefusal});
        return;
    }
    for (RowNote& n : dateNotes)
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

ColumnMap findColumns(const std::vector<std::string>& header, std::string& problem, const ColumnMapping& mapping)
{
    ColumnMap c;
    c.headerFields = header.size();
    problem.clear();
    std::vector<bool> decided(inputSlotCount, false);
    std::vector<bool> used(header.size(), false);
    for (const ColumnChoice& choice : mapping) {
        decided[choice.slot] = true;
        if (choice.header.empty())
            continue;
        const int field = mappedField(header, choice, problem);
        if (!problem.empty())
            return c;
        if (used[static_cast<std::size_t>(field)]) {
            const auto other = std::find(c.fields.begin(), c.fields.end(), field) - c.fields.begin();
            problem = columnAt(header, field) + " ist " + inQuotes(slotName(slotAt(static_cast<std::size_t>(other))))
                      + " und " + inQuotes(slotName(slotAt(choice.slot))) + " zugeordnet; eine Spalte kann nur eines sein";
            return c;
        }
        c.fields[choice.slot] = field;
        used[static_cast<std::size_t>(field)] = true;
    }
    for (std::size_t at = 0; at < header.size(); ++at)
        if (!used[at])
            takeColumn(c, header, at, decided, used, problem);
    if (!problem.empty())
        return c;
    for (std::size_t s = 0; s < inputSlotCount; ++s)
        if (inputColumns[slotAt(s).column].role == ColumnRole::Required && c.fields[s] == ColumnMap::none)
            c.missing.push_back(s);
    if (!c.missing.empty()) {
        problem = missingText(c.missing);
        return c;
    }
    findCarried(c, header, std::move(used));
    return c;
}

Addressee addresseeOf(const std::string& firstName, const std::string& name, const StaffAddress& a)
{
    auto joined = [](const std::string& x, const std::string& y) { return x.empty() || y.empty() ? x + y : x + " " + y; };
    return Addressee{a.salutation, joined(firstName, name), joined(a.street, a.houseNumber), joined(a.postalCode, a.town)};
}

void readStaffRow(const ColumnMap& c, const std::vector<std::string>& fields, std::int64_t line,
                  std::string_view quoteProblem, std::optional<Date> defaultReferenceDate, StaffRow& row)
{
    beginRow(row, line);
    RowReading r{row};
    readColumns(r, c, fields, ColumnRole::Copied);
    for (int f : c.carriedFields)
        row.carried.emplace_back(fieldText(fields, f));
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
