// A name of an input column that the column table does not have does not
// compile.
#include "stafflist/computation/input_columns.h"

#ifdef TARVOLIN_ACCEPTED
[[maybe_unused]] constexpr std::size_t column = tarvolin::inputColumn("Geburtstag");
#else
[[maybe_unused]] constexpr std::size_t column = tarvolin::inputColumn("Geburtsdatum");
#endif
