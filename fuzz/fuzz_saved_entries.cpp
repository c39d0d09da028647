// libFuzzer target: any bytes as the entries file, through the record's
// reader and writer; stops at the first file that breaks a property of
// record_roundtrip.h.

#include "fuzz/record_roundtrip.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string fault = tarvolin::fuzzing::recordRoundTripFault({data, size});
    if (!fault.empty()) {
        std::fprintf(stderr, "entries record: %s (file of %zu bytes)\n", fault.c_str(), size);
        std::abort();
    }
    return 0;
}
