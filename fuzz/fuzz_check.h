// What the fuzz targets share: a check that stops the run with a message, so that a broken rule
// counts as a crash and libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace chromlet::fuzz {

inline void Check(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}

}  // namespace chromlet::fuzz
