// The letter and the entries file lie below the window object: compiled
// with the include root of output/, the window's header is not there.
#ifdef TARVOLIN_ACCEPTED
#include "output/letter.h"
#else
#include "window/jda.h"
#endif
