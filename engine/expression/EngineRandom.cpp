#include "EngineRandom.h"

#include <random>

namespace {
std::minstd_rand& generator() {
    static std::minstd_rand engine(1);
    return engine;
}
} // namespace

namespace EngineRandom {
void seed(unsigned int value) { generator().seed(value == 0 ? 1u : value); }

int draw() { return static_cast<int>(generator()() % 32768u); }
} // namespace EngineRandom
