#pragma once
// The generator that places new spheres: a 128-bit counter spread over a block of sixteen
// words and stirred by three add-rotate-xor rounds. It is never seeded, so every run places
// its spheres at the same points in the same order.
#include <cstdint>

extern std::uint32_t random_in[4];  // the counter, word 0 least significant
extern std::uint32_t random_t[16];  // the current block of output words
extern int random_pos;              // words of the current block not yet handed out

// Makes a new block from the counter, advances the counter, returns the block's top word.
std::uint32_t random_fill();
// The next number: the block is handed out from the top word down, then refilled.
std::uint32_t random_draw();

// Puts the generator back to its start-of-process state. The program never calls it; tests
// use it to replay a run from the beginning.
void random_reset();
