#pragma once
// How the text of one cell of the staff table goes into the row being read:
// one reader per input column (input_columns.h). A reader that cannot use
// the text says why in a note; which notes stop a row from being computed
// is said at each reader. The row being read: RowReading (row_reading.h).

#include <string_view>

namespace tarvolin {

struct RowReading; // row_reading.h

using CellReader = void (*)(RowReading& reading, std::string_view text);

// Copied as they stand.
void readPersonnelNumber(RowReading& r, std::string_view text);
void readName(RowReading& r, std::string_view text);
void readFirstName(RowReading& r, std::string_view text);

// Required dates: missing or no date, the row is not computed.
void readBirthday(RowReading& r, std::string_view text);
void readPayStart(RowReading& r, std::string_view text);

// Optional values: what is no date or age is noted and left out.
void readReferenceDate(RowReading& r, std::string_view text);
void readRetirementAge(RowReading& r, std::string_view text);

// The columns of the earlier period RowReading::periodRow. A tick that is
// neither yes nor no leaves the whole period out.
void readPeriodFrom(RowReading& r, std::string_view text);
void readPeriodTo(RowReading& r, std::string_view text);
void readPeriodTick(RowReading& r, std::string_view text);
void readPeriodDescription(RowReading& r, std::string_view text);

// The addressee of letters: "Anrede" as written ("Herr" as "Herrn"), or else
// from "Geschlecht" m/w/d ("Herrn", "Frau", none).
void readSalutation(RowReading& r, std::string_view text);
void readGender(RowReading& r, std::string_view text);
void readStreet(RowReading& r, std::string_view text);
void readHouseNumber(RowReading& r, std::string_view text);
void readPostalCode(RowReading& r, std::string_view text);
void readTown(RowReading& r, std::string_view text);

} // namespace tarvolin
