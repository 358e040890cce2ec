#include "Measures.h"

std::vector<Measure>& measures() {
    static std::vector<Measure> s_measures;
    return s_measures;
}

void addMeasure(Measure measure, std::function<void(benchmark::State&)> body) {
    benchmark::RegisterBenchmark(measure.name.c_str(), [body](benchmark::State& state) {
        body(state);
    })->Unit(benchmark::kNanosecond);
    measures().push_back(std::move(measure));
}
