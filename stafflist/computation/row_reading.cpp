#include "stafflist/computation/row_reading.h"

namespace tarvolin {

RowReading::RowReading(StaffRow& r) : row{r}, where{"Zeile " + std::to_string(r.line) + ": "}, notes{&r.notes} {}

void RowReading::note(std::string_view text) { notes->push_back(where + std::string{text}); }

} // namespace tarvolin
