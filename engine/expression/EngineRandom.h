#pragma once

// The engine's pseudo-random generator: whole numbers 0 to 32767, one
// generator per thread. The facade seeds its thread's generator from the time
// of day when it is created; other threads start from that seed, each moved on.
namespace EngineRandom {
void seed(unsigned int value);
int draw();
} // namespace EngineRandom
