#pragma once
// What a fuzz target asserts: a broken promise ends the run, so libFuzzer keeps the input.
#include <cstdlib>

namespace pelaconf {

inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace pelaconf
