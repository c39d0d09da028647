#pragma once
// Scaffolding while the program is being built: a method that is declared but
// not written yet stops the program loudly. Every file that uses this is
// removed as its methods are written.
#include <cstdio>
#include <cstdlib>
[[noreturn]] inline void notBuiltYet(const char* what)
{
    std::fprintf(stderr, "not built yet: %s\n", what);
    std::abort();
}
