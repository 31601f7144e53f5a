// Checks that stay on in every build: a broken rule of the game stops it loudly, with where.
#pragma once

#include <cstdio>
#include <cstdlib>

#define MOKUTA_VERIFY(condition, why)                                                            \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "mokuta: %s:%d: %s (%s)\n", __FILE__, __LINE__, why, #condition); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
