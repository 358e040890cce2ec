#pragma once

// The engine's pseudo-random generator: whole numbers 0 to 32767. The facade
// seeds it from the time of day when it is created.
namespace EngineRandom {
void seed(unsigned int value);
int draw();
} // namespace EngineRandom
