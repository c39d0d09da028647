// The calculator's letter never sees the staff list: compiled with the
// include root of qt/letter/, the staff list's headers are not there.
#ifdef TARVOLIN_ACCEPTED
#include "qt/paper/safe_device.h"
#else
#include "stafflist/command/row_letters.h"
#endif
