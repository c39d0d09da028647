#include "stafflist/staff_table.h"

#include "calc/date_text.h"
#include "calc/german_quotes.h"

#include <algorithm>
#include <cctype>

namespace tarvolin {

namespace {

std::string_view trimmedField(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool allDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits)
{
    int n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

std::string lowerAscii(std::string_view s)
{
    std::string out{s};
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string periodLabel(int k, std::string_view part) { return "Vorzeit " + std::to_string(k) + " " + std::string{part}; }

// "vorzeit12von" -> 12 and "von"; 0 when the header names no period column.
int periodColumn(std::string_view normalized, std::string_view& part)
{
    constexpr std::string_view prefix = "vorzeit";
    if (!normalized.starts_with(prefix))
        return 0;
    normalized.remove_prefix(prefix.size());
    std::size_t digits = 0;
    while (digits < normalized.size() && digits < 3 && std::isdigit(static_cast<unsigned char>(normalized[digits])))
        ++digits;
    if (digits == 0)
        return 0;
    part = normalized.substr(digits);
    if (part != "von" && part != "bis" && part != "oed" && part != "bezeichnung")
        return 0;
    return number(normalized.substr(0, digits));
}

// A description goes into a one-line box: line breaks and tabs become blanks.
std::string oneLine(std::string_view text)
{
    std::string out{trimmedField(text)};
    for (char& c : out)
        if (c == '\n' || c == '\r' || c == '\t' || (static_cast<unsigned char>(c) < 0x20))
            c = ' ';
    return out;
}

} // namespace

std::string normalizedHeader(std::string_view header)
{
    std::string out;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const char c = header[i];
        const std::string_view rest = header.substr(i);
        auto replaced = [&](std::string_view utf8, std::string_view with) {
            if (!rest.starts_with(utf8))
                return false;
            out += with;
            i += utf8.size() - 1;
            return true;
        };
        if (c == ' ' || c == '\t' || c == '-' || c == '_' || c == '.')
            continue;
        if (replaced("\xC2\xA0", "") || replaced("ä", "ae") || replaced("Ä", "ae") || replaced("ö", "oe")
            || replaced("Ö", "oe") || replaced("ü", "ue") || replaced("Ü", "ue") || replaced("ß", "ss")
            || replaced("ẞ", "ss"))
            continue;
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

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

StaffColumns findColumns(const std::vector<std::string>& header, std::string& missing)
{
    StaffColumns c;
    c.headerFields = header.size();
    auto take = [](int& column, int i) {
        if (column == StaffColumns::none)
            column = i;
    };
    for (std::size_t at = 0; at < header.size(); ++at) {
        const int i = static_cast<int>(at);
        const std::string n = normalizedHeader(header[at]);
        std::string_view part;
        if (n == "personalnummer")
            take(c.personnelNumber, i);
        else if (n == "name")
            take(c.name, i);
        else if (n == "vorname")
            take(c.firstName, i);
        else if (n == "geburtstag")
            take(c.birthday, i);
        else if (n == "dienstbezuegeab")
            take(c.payStart, i);
        else if (n == "stichtag")
            take(c.referenceDate, i);
        else if (n == "ruhestandsalter")
            take(c.retirementAge, i);
        else if (const int k = periodColumn(n, part); k >= 1 && k <= 14) {
            StaffColumns::Period& p = c.periods[static_cast<std::size_t>(k - 1)];
            take(part == "von" ? p.from : part == "bis" ? p.to : part == "oed" ? p.inService : p.description, i);
        } else if (k > 14 && (part == "von" || part == "bis")) {
            c.extraPeriodDates.push_back(i);
            c.extraPeriodHeaders.push_back(header[at]);
        }
    }
    missing.clear();
    if (c.birthday == StaffColumns::none)
        missing = "Geburtstag";
    else if (c.payStart == StaffColumns::none)
        missing = "Dienstbezüge ab";
    return c;
}

void readStaffRow(const StaffColumns& c, const std::vector<std::string>& fields, int line,
                  std::string_view quoteProblem, std::optional<Date> defaultReferenceDate, StaffRow& row)
{
    const std::string where = "Zeile " + std::to_string(line) + ": ";
    auto field = [&](int column) -> std::string_view {
        return column >= 0 && static_cast<std::size_t>(column) < fields.size() ? trimmedField(fields[column])
                                                                               : std::string_view{};
    };
    auto note = [&](const std::string& text) { row.notes.push_back(where + text); };
    constexpr std::string_view notComputed = "; die Zeile wird nicht berechnet";

    row.line = line;
    row.personnelNumber = field(c.personnelNumber);
    row.name = field(c.name);
    row.firstName = field(c.firstName);
    row.notes.clear();
    row.typedCase.reset();

    if (!quoteProblem.empty()) {
        note(std::string{quoteProblem} + std::string{notComputed});
        return;
    }
    if (fields.size() > c.headerFields) {
        const bool extraText = std::any_of(fields.begin() + static_cast<std::ptrdiff_t>(c.headerFields), fields.end(),
                                           [](const std::string& f) { return !trimmedField(f).empty(); });
        if (extraText) {
            note(std::to_string(fields.size()) + " Felder, die Kopfzeile hat nur " + std::to_string(c.headerFields)
                 + std::string{notComputed});
            return;
        }
    }

    auto requiredDate = [&](int column, std::string_view label) -> std::optional<Date> {
        const std::string_view text = field(column);
        if (text.empty()) {
            note(std::string{label} + " fehlt" + std::string{notComputed});
            return std::nullopt;
        }
        const auto day = parseTableDate(text);
        if (!day)
            note(std::string{label} + " " + inQuotes(text) + " ist kein Datum (TT.MM.JJJJ)" + std::string{notComputed});
        return day;
    };
    auto optionalDate = [&](int column, const std::string& label) -> std::optional<Date> {
        const std::string_view text = field(column);
        if (text.empty())
            return std::nullopt;
        const auto day = parseTableDate(text);
        if (!day)
            note(label + " " + inQuotes(text) + " ist kein Datum (TT.MM.JJJJ) und bleibt unberücksichtigt");
        return day;
    };

    const auto birthday = requiredDate(c.birthday, "Geburtstag");
    const auto payStart = requiredDate(c.payStart, "Dienstbezüge ab");
    bool computable = birthday && payStart;
    for (std::size_t i = 0; i < c.extraPeriodDates.size(); ++i)
        if (!field(c.extraPeriodDates[i]).empty()) {
            note("Spalte " + inQuotes(c.extraPeriodHeaders[i])
                 + ": das Fenster hat nur 14 Zeilen für Vorzeiten (Vorzeiten zusammenfassen)" + std::string{notComputed});
            computable = false;
            break;
        }

    TypedCase typed;
    typed.referenceDate = optionalDate(c.referenceDate, "Stichtag");
    if (!typed.referenceDate)
        typed.referenceDate = defaultReferenceDate;

    if (const std::string_view age = field(c.retirementAge); !age.empty()) {
        const auto slash = age.find('/');
        const std::string_view years = trimmedField(age.substr(0, slash));
        const std::string_view months = slash == std::string_view::npos ? "0" : trimmedField(age.substr(slash + 1));
        const bool numbers = allDigits(years) && years.size() <= 2 && allDigits(months) && months.size() <= 2;
        if (numbers && number(years) >= 55 && number(years) <= 70 && number(months) <= 11)
            typed.retirementAge = TypedCase::Age{number(years), number(months)};
        else if (numbers)
            note("Ruhestandsalter " + inQuotes(age)
                 + " liegt nicht zwischen 55/0 und 70/11 (Jahre/Monate); es gilt die Regelaltersgrenze");
        else
            note("Ruhestandsalter " + inQuotes(age) + " ist keine Angabe wie 66/2 oder 66; es gilt die Regelaltersgrenze");
    }

    for (int k = 1; k <= 14; ++k) {
        const StaffColumns::Period& p = c.periods[static_cast<std::size_t>(k - 1)];
        if (field(p.from).empty() && field(p.to).empty())
            continue;
        const std::string tick = lowerAscii(field(p.inService));
        bool counted = true;
        if (tick.empty() || tick == "x" || tick == "ja" || tick == "j" || tick == "1") {
            counted = true;
        } else if (tick == "nein" || tick == "n" || tick == "0" || tick == "-") {
            counted = false;
        } else {
            note(periodLabel(k, "öD") + " " + inQuotes(field(p.inService))
                 + " ist weder ja (x, ja, j, 1, leer) noch nein (nein, n, 0, -); die Vorzeit bleibt unberücksichtigt");
            continue;
        }
        TypedPeriod period;
        period.from = optionalDate(p.from, periodLabel(k, "von"));
        period.to = optionalDate(p.to, periodLabel(k, "bis"));
        period.description = oneLine(field(p.description));
        period.counted = counted;
        if (period.from || period.to)
            typed.periods[static_cast<std::size_t>(k - 1)] = std::move(period);
    }

    if (computable) {
        typed.birthday = *birthday;
        typed.payStart = *payStart;
        row.typedCase = std::move(typed);
    }
}

} // namespace tarvolin
