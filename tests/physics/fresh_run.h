#pragma once
// Puts every random source the simulation draws on back to its start-of-process state, so a
// test sees the numbers of a fresh run.
#include "random_source.h"

#include <cstdlib>

inline void startFreshRun() {
    random_reset();
    // glibc's unseeded random() and rand() share one state, seeded with 1.
    srandom(1);
}
