#include "random_source.h"

std::uint32_t random_in[4] = {0, 0, 0, 0};
std::uint32_t random_t[16] = {};
int random_pos = 0;

namespace {

std::uint32_t rotl(std::uint32_t v, int places) { return (v << places) | (v >> (32 - places)); }

constexpr int rotation[4] = {5, 7, 9, 13};

void advanceCounter() {
    // Counts modulo 2^128: a word carries into the next only when it wraps to zero.
    for (std::uint32_t& word : random_in) {
        if (++word != 0) {
            break;
        }
    }
}

} // namespace

std::uint32_t random_fill() {
    for (int k = 0; k < 4; ++k) {
        random_t[4 * k] = random_in[k];
        random_t[4 * k + 1] = random_t[4 * k + 2] = random_t[4 * k + 3] = 0;
    }
    std::uint32_t x = 0;
    std::uint32_t sum = 0;
    for (int rounds = 3; rounds > 0; --rounds) {
        sum += 0x9E3779B9u;
        // x runs on from word to word and from the last word of a round into the next round.
        for (int i = 0; i < 16; ++i) {
            const std::uint32_t y = x + sum;
            x = random_t[i] + (rotl(x, rotation[i % 4]) ^ y);
            random_t[i] = x;
        }
    }
    advanceCounter();
    random_pos = 15;
    return random_t[15];
}

std::uint32_t random_draw() {
    if (random_pos != 0) {
        --random_pos;
        return random_t[random_pos];
    }
    return random_fill();
}

void random_reset() {
    for (std::uint32_t& word : random_in) {
        word = 0;
    }
    for (std::uint32_t& word : random_t) {
        word = 0;
    }
    random_pos = 0;
}
