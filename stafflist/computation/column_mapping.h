#pragma once
// A clerk's own answer to "which column of my table is which input": for
// some inputs the header of the column that holds it, or that the table has
// none ("nicht vorhanden"). The command reads it from a small file
// (--columns), one line an input:
//
//   # Zeilen mit # sind Kommentare
//   Geburtstag = Geb.-Datum
//   Dienstbezüge ab = Eintritt in den öD
//   Stichtag = nicht vorhanden
//
// Inputs may be named as the input table spells them ("Geburtsdatum" is
// "Geburtstag"); headers are compared as the table has them, or failing
// that without case, blanks and punctuation. The window keeps it in its
// settings in the same form.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

struct ColumnChoice {
    std::size_t slot;   // input_columns.h
    std::string header; // empty: the table has no column for it
};

using ColumnMapping = std::vector<ColumnChoice>;

inline constexpr std::string_view notPresent = "nicht vorhanden";

// The input a name stands for ("Geburtstag", "geb. am", "Vorzeit 3 von").
std::optional<std::size_t> inputSlotNamed(std::string_view name);

// Reads the lines; `problem` (German, naming the line) when one cannot be
// understood, and then the mapping is empty.
ColumnMapping parseColumnMapping(std::string_view text, std::string& problem);

// The lines of a mapping, as parseColumnMapping reads them.
std::string columnMappingText(const ColumnMapping& mapping);

} // namespace tarvolin
