// The calculation services that evaluate a tree many times: plot sampling and
// the searches of the function analysis.
#include "Measures.h"

void registerServiceBenchmarks() {}
