#include "EngineRandom.h"

#include <atomic>
#include <random>

namespace {
// The last seed given; a thread that draws for the first time starts from it,
// moved on by the number of threads that started before it, so that workers
// started together do not repeat each other's numbers.
std::atomic<unsigned int> s_seed{1};
std::atomic<unsigned int> s_threads{0};

unsigned int nonZero(unsigned int value) {
    return value == 0 ? 1u : value;
}

// Each thread draws from its own generator: std::minstd_rand is not safe to
// share, and a worker must not change the sequence the GUI thread sees.
std::minstd_rand& generator() {
    thread_local std::minstd_rand engine(nonZero(s_seed.load() + 7919u * s_threads.fetch_add(1)));
    return engine;
}
} // namespace

namespace EngineRandom {
void seed(unsigned int value) {
    s_seed.store(value);
    generator().seed(nonZero(value));
}

int draw() { return static_cast<int>(generator()() % 32768u); }
} // namespace EngineRandom
