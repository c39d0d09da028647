#include "stafflist/computation/row_reading.h"

namespace tarvolin {

RowReading::RowReading(StaffRow& r) : row{r}, notes{&r.notes} {}

void RowReading::note(std::string_view text) { notes->push_back({row.line, std::string{text}}); }

} // namespace tarvolin
