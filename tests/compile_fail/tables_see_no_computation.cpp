// The table readers lie below the staff list's computation: compiled with
// the include root of stafflist/tables/, the rows' headers are not there.
#ifdef TARVOLIN_ACCEPTED
#include "stafflist/tables/table_file.h"
#else
#include "stafflist/computation/staff_table.h"
#endif
