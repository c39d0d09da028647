#include "stafflist/computation/cell_readers.h"

#include "calc/date_text.h"
#include "stafflist/computation/row_reading.h"
#include "stafflist/computation/short_year_cell.h"
#include "stafflist/computation/staff_table.h"
#include "stafflist/tables/header_names.h"
#include "stafflist/tables/short_text.h"
#include "stafflist/tables/table_date.h"
#include "stafflist/tables/table_text.h"
#include "window/refused_date.h"

#include <cctype>

namespace tarvolin {

namespace {

constexpr std::string_view notComputed = "; die Zeile wird nicht berechnet";

std::string lowerAscii(std::string_view s)
{
    std::string out{s};
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string periodLabel(int k, std::string_view part) { return "Vorzeit " + std::to_string(k) + " " + std::string{part}; }

// A description goes into a one-line box: line breaks and tabs become blanks.
std::string oneLine(std::string_view text)
{
    std::string out{text};
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return out;
}

// A two-digit year is read as the window reads one typed into a date
// field, and the row says how it was read, or why not.
std::optional<Date> shortYear(RowReading& r, std::string_view text, std::string_view label, std::string_view otherwise)
{
    const auto day = shortYearCellDay(text);
    if (day)
        r.note(std::string{label} + " " + inQuotes(shortText(text)) + " gelesen als " + germanDateText(*day) + " (zweistelliges Jahr)");
    else
        r.note(std::string{label} + " " + inQuotes(shortText(text)) + ": " + std::string{fourDigitYearReason} + std::string{otherwise});
    return day;
}

std::optional<Date> requiredDate(RowReading& r, std::string_view text, std::string_view label)
{
    if (text.empty()) {
        r.note(std::string{label} + " fehlt" + std::string{notComputed});
        return std::nullopt;
    }
    if (cellHasShortYear(text))
        return shortYear(r, text, label, notComputed);
    const auto day = parseTableDate(text);
    if (!day)
        r.note(std::string{label} + " " + inQuotes(shortText(text)) + " ist kein Datum (TT.MM.JJJJ)" + std::string{notComputed});
    return day;
}

std::optional<Date> optionalDate(RowReading& r, std::string_view text, const std::string& label)
{
    if (text.empty())
        return std::nullopt;
    if (cellHasShortYear(text))
        return shortYear(r, text, label, "; die Angabe bleibt unberücksichtigt");
    const auto day = parseTableDate(text);
    if (!day)
        r.note(label + " " + inQuotes(shortText(text)) + " ist kein Datum (TT.MM.JJJJ) und bleibt unberücksichtigt");
    return day;
}

} // namespace

void readPersonnelNumber(RowReading& r, std::string_view text) { r.row.personnelNumber = text; }
void readName(RowReading& r, std::string_view text) { r.row.name = text; }
void readFirstName(RowReading& r, std::string_view text) { r.row.firstName = text; }

void readBirthday(RowReading& r, std::string_view text) { r.birthday = requiredDate(r, text, "Geburtstag"); }
void readPayStart(RowReading& r, std::string_view text) { r.payStart = requiredDate(r, text, "Dienstbezüge ab"); }

void readReferenceDate(RowReading& r, std::string_view text)
{
    r.typed.referenceDate = optionalDate(r, text, "Stichtag");
}

void readRetirementAge(RowReading& r, std::string_view age)
{
    if (age.empty())
        return;
    const auto slash = age.find('/');
    const std::string_view years = trimmedField(age.substr(0, slash));
    const std::string_view months = slash == std::string_view::npos ? "0" : trimmedField(age.substr(slash + 1));
    const bool numbers = allDigits(years) && years.size() <= 2 && allDigits(months) && months.size() <= 2;
    if (numbers && number(years) >= 55 && number(years) <= 70 && number(months) <= 11)
        r.typed.retirementAge = TypedCase::Age{number(years), number(months)};
    else if (numbers)
        r.note("Ruhestandsalter " + inQuotes(shortText(age))
               + " liegt nicht zwischen 55/0 und 70/11 (Jahre/Monate); es gilt die Regelaltersgrenze");
    else
        r.note("Ruhestandsalter " + inQuotes(shortText(age)) + " ist keine Angabe wie 66/2 oder 66; es gilt die Regelaltersgrenze");
}

void readPeriodFrom(RowReading& r, std::string_view text)
{
    r.period.from = optionalDate(r, text, periodLabel(r.periodRow, "von"));
}

void readPeriodTo(RowReading& r, std::string_view text)
{
    r.period.to = optionalDate(r, text, periodLabel(r.periodRow, "bis"));
}

void readPeriodTick(RowReading& r, std::string_view text)
{
    const std::string tick = lowerAscii(text);
    if (tick.empty() || tick == "x" || tick == "ja" || tick == "j" || tick == "1") {
        r.period.counted = true;
    } else if (tick == "nein" || tick == "n" || tick == "0" || tick == "-") {
        r.period.counted = false;
    } else {
        r.periodRefusal = periodLabel(r.periodRow, "öD") + " " + inQuotes(shortText(text))
                          + " ist weder ja (x, ja, j, 1, leer) noch nein (nein, n, 0, -); die Vorzeit bleibt unberücksichtigt";
    }
}

void readPeriodDescription(RowReading& r, std::string_view text) { r.period.description = oneLine(text); }

void readSalutation(RowReading& r, std::string_view text)
{
    // On an envelope a man is "Herrn".
    r.row.address.salutation = lowerAscii(text) == "herr" ? std::string{"Herrn"} : std::string{text};
}

void readGender(RowReading& r, std::string_view text)
{
    const std::string g = normalizedHeader(text);
    if (g == "m" || g == "maennlich")
        r.salutationByGender = "Herrn";
    else if (g == "w" || g == "weiblich" || g == "f")
        r.salutationByGender = "Frau";
    else if (!g.empty() && g != "d" && g != "divers" && g != "x")
        r.note("Geschlecht " + inQuotes(shortText(text)) + " ist weder m, w noch d; die Anrede bleibt leer");
}

void readStreet(RowReading& r, std::string_view text) { r.row.address.street = text; }
void readHouseNumber(RowReading& r, std::string_view text) { r.row.address.houseNumber = text; }
void readPostalCode(RowReading& r, std::string_view text) { r.row.address.postalCode = text; }
void readTown(RowReading& r, std::string_view text) { r.row.address.town = text; }

} // namespace tarvolin
