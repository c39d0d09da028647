#pragma once
// The staff table's input columns, one line each: the name by which messages,
// the help and the column mapping call the column, the other spellings that
// HR systems and spreadsheets write for it, its role, and how a cell's text
// is read into the row. A new column is one more line here (and, when it
// needs one, its reader in cell_readers.h).
//
// Headers and spellings are compared as normalizedHeader gives them: lower
// case, without blanks, ".", "-" and "_", with ä, ö, ü, ß written ae, oe, ue,
// ss; "Pers.-Nr.", "PERS_NR" and "persnr" are one column. A "#" in a name or
// spelling stands for the number of an earlier period (1 to 3 digits):
// "Vorzeit 3 von".

#include "stafflist/computation/cell_readers.h"
#include "stafflist/tables/header_names.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvolin {

// The window's rows for earlier periods.
inline constexpr int periodRows = 14;

enum class ColumnRole {
    Copied,       // copied into the row as it stands, also when the row is refused
    Required,     // a row without it is not computed; a table without it is refused
    Optional,     // a value of the case or letter, read when the table has it
    PeriodDate,   // a date of an earlier period; one column per row 1 to 14
    PeriodDetail, // the tick or description of an earlier period
};

struct InputColumn {
    std::string_view name;      // as messages and the mapping name it
    std::string_view spellings; // further names, "|" between them
    ColumnRole role;
    CellReader read;
};

inline constexpr std::array inputColumns{
    InputColumn{"Personalnummer", "Pers.-Nr.|PersNr|Personal-Nr.|Personalnr|Mitarbeiternummer|Mitarbeiter-Nr.",
                ColumnRole::Copied, readPersonnelNumber},
    InputColumn{"Name", "Nachname|Familienname", ColumnRole::Copied, readName},
    InputColumn{"Vorname", "Vornamen|Rufname", ColumnRole::Copied, readFirstName},
    InputColumn{"Geburtstag", "Geburtsdatum|geb. am|Geb.-Datum|geboren am", ColumnRole::Required, readBirthday},
    InputColumn{"Dienstbezüge ab", "Eintritt|Eintrittsdatum|Beginn|Einstellungsdatum|Diensteintritt|Einstellung",
                ColumnRole::Required, readPayStart},
    InputColumn{"Stichtag", "", ColumnRole::Optional, readReferenceDate},
    InputColumn{"Ruhestandsalter", "Renteneintrittsalter|Pensionsalter", ColumnRole::Optional, readRetirementAge},
    InputColumn{"Vorzeit # von", "Vordienstzeit # von|Vorzeit # ab|Vorzeit # Beginn", ColumnRole::PeriodDate,
                readPeriodFrom},
    InputColumn{"Vorzeit # bis", "Vordienstzeit # bis|Vorzeit # Ende", ColumnRole::PeriodDate, readPeriodTo},
    InputColumn{"Vorzeit # öD", "Vordienstzeit # öD|Vorzeit # öffentlicher Dienst", ColumnRole::PeriodDetail,
                readPeriodTick},
    InputColumn{"Vorzeit # Bezeichnung", "Vordienstzeit # Bezeichnung|Vorzeit # Art", ColumnRole::PeriodDetail,
                readPeriodDescription},
    InputColumn{"Anrede", "", ColumnRole::Copied, readSalutation},
    InputColumn{"Geschlecht", "", ColumnRole::Optional, readGender},
    InputColumn{"Straße", "Str.", ColumnRole::Copied, readStreet},
    InputColumn{"Hausnummer", "Hausnr.|Haus-Nr.", ColumnRole::Copied, readHouseNumber},
    InputColumn{"PLZ", "Postleitzahl", ColumnRole::Copied, readPostalCode},
    InputColumn{"Ort", "Wohnort", ColumnRole::Copied, readTown},
};

constexpr bool perPeriod(const InputColumn& c)
{
    return c.role == ColumnRole::PeriodDate || c.role == ColumnRole::PeriodDetail;
}

// The column of a name in the table; a name that is not there does not compile.
consteval std::size_t inputColumn(std::string_view name)
{
    for (std::size_t i = 0; i < inputColumns.size(); ++i)
        if (inputColumns[i].name == name)
            return i;
    throw "no such input column";
}

// Every input: one per column, and one per column of an earlier period and
// row 1 to 14, the rows of one column together.
struct InputSlot {
    std::size_t column;
    int period; // 1 to 14 for a column of an earlier period, else 0
};

inline constexpr std::size_t inputSlotCount = [] {
    std::size_t n = 0;
    for (const InputColumn& c : inputColumns)
        n += perPeriod(c) ? periodRows : 1;
    return n;
}();

constexpr std::size_t slotOf(std::size_t column, int period = 0)
{
    std::size_t slot = 0;
    for (std::size_t i = 0; i < column; ++i)
        slot += perPeriod(inputColumns[i]) ? periodRows : 1;
    return perPeriod(inputColumns[column]) ? slot + static_cast<std::size_t>(period - 1) : slot;
}

InputSlot slotAt(std::size_t slot);

// "Geburtstag", "Vorzeit 3 von".
std::string slotName(InputSlot slot);

// The column a header names, with its period's number for a column of an
// earlier period (which may lie beyond 14); nothing for any other header.
struct HeaderMatch {
    std::size_t column;
    int period;
};
std::optional<HeaderMatch> matchHeader(std::string_view header);

} // namespace tarvolin
