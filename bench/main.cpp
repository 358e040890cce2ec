// orvanta-bench: runs every benchmark (repeated, medians taken) and prints the
// formula table against muparser and native C++, then the services.
//
//   orvanta-bench [--csv FILE] [--repetitions N] [--min-time SECONDS]
//                 [--filter REGEX] [--verbose]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <muParser.h>

#include "Formulas.h"
#include "IExpression.h"
#include "Measures.h"
#include "OrvantaCalcBase.h"

namespace {
struct Options {
    std::string csv;
    int repetitions = 9;
    std::string minTime = "0.1";
    std::string filter;
    bool verbose = false;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: orvanta-bench [--csv FILE] [--repetitions N] [--min-time SECONDS] "
                         "[--filter REGEX] [--verbose]\n");
    std::exit(2);
}

Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usage();
            return argv[++i];
        };
        if (a == "--csv")
            o.csv = value();
        else if (a == "--repetitions")
            o.repetitions = std::max(1, std::atoi(value().c_str()));
        else if (a == "--min-time")
            o.minTime = value();
        else if (a == "--filter")
            o.filter = value();
        else if (a == "--verbose")
            o.verbose = true;
        else
            usage();
    }
    return o;
}

// Keeps the median of each benchmark (or its only run without repetitions),
// and shows the usual console output only when asked.
class Collector : public benchmark::ConsoleReporter {
public:
    Collector(int repetitions, bool verbose) : m_repetitions(repetitions), m_verbose(verbose) {}

    bool ReportContext(const Context& context) override {
        return m_verbose ? ConsoleReporter::ReportContext(context) : true;
    }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool wanted = m_repetitions > 1
                                    ? run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"
                                    : run.run_type == Run::RT_Iteration;
            if (!wanted || run.error_occurred) continue;
            for (Measure& m : measures())
                if (m.name == run.run_name.function_name)
                    m.median = run.GetAdjustedCPUTime() / m.perIteration;
        }
        if (m_verbose) ConsoleReporter::ReportRuns(runs);
    }

private:
    int m_repetitions;
    bool m_verbose;
};

double find(Column column, int formula) {
    for (const Measure& m : measures())
        if (m.column == column && m.formula == formula) return m.median;
    return -1;
}

std::string number(double v, const char* format) {
    if (v < 0) return "-";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

std::string ratio(double a, double b) {
    return a < 0 || b <= 0 ? "-" : number(a / b, "%.2f");
}

// The three variants must compute the same function, or the comparison means
// nothing. Where muparser rewrites a formula (x*x*x for x^3, a folded chain
// of constants) its doubles differ from ours in the last bits: the table
// counts the samples where they are not the same double.
std::vector<int> s_differences;

void checkAgreement() {
    for (const BenchFormula& f : benchFormulas()) {
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(f.ours, true));
        mu::Parser parser;
        double x = 0;
        parser.DefineVar("x", &x);
        parser.SetExpr(f.muparser);
        double worst = 0;
        int differences = 0;
        for (double v : plotSamples()) {
            x = v;
            const double ours = tree->calculate(v, 0.0);
            const double theirs = parser.Eval();
            const double scale = std::max(1.0, std::fabs(ours));
            worst =
                std::max({worst, std::fabs(ours - theirs) / scale, std::fabs(ours - f.native(v)) / scale});
            if (ours != theirs && !(std::isnan(ours) && std::isnan(theirs))) ++differences;
        }
        s_differences.push_back(differences);
        if (!(worst < 1e-9))
            std::printf("warning: '%s' differs from its peers by %g\n", narrow(f.ours).c_str(), worst);
    }
}

void printFormulaTable() {
    std::printf("%-28s %9s %12s %10s %8s %12s %10s %12s %11s %10s\n", "formula", "ours ns", "muparser ns",
                "native ns", "ours/mu", "ours/native", "parse us", "mu parse us", "plot640 us", "mu differs");
    const auto formulas = benchFormulas();
    int atMostOne = 0;
    int atMostOneHalf = 0;
    int parseUnder50 = 0;
    const int n = static_cast<int>(formulas.size());
    for (int i = 0; i < n; ++i) {
        const double ours = find(Column::OursEval, i);
        const double mu = find(Column::MuparserEval, i);
        const double native = find(Column::NativeEval, i);
        const double parse = find(Column::OursParse, i);
        const double muParse = find(Column::MuparserParse, i);
        const double plot = find(Column::OursPlot, i);
        if (ours >= 0 && mu > 0 && ours <= mu) ++atMostOne;
        if (ours >= 0 && mu > 0 && ours <= 1.5 * mu) ++atMostOneHalf;
        if (parse >= 0 && parse < 50000) ++parseUnder50;
        const std::string differs =
            i < static_cast<int>(s_differences.size())
                ? std::to_string(s_differences[i]) + "/" + std::to_string(plotSamples().size())
                : "-";
        std::printf("%-28s %9s %12s %10s %8s %12s %10s %12s %11s %10s\n", narrow(formulas[i].ours).c_str(),
                    number(ours, "%.1f").c_str(), number(mu, "%.1f").c_str(), number(native, "%.1f").c_str(),
                    ratio(ours, mu).c_str(), ratio(ours, native).c_str(),
                    number(parse / 1000, "%.2f").c_str(), number(muParse / 1000, "%.2f").c_str(),
                    number(plot / 1000, "%.1f").c_str(), differs.c_str());
    }
    std::printf(
        "\nevaluation at most 1.0x muparser: %d of %d (target 6); at most 1.5x: %d of %d (target all); "
        "parse under 50 us: %d of %d\n",
        atMostOne, n, atMostOneHalf, n, parseUnder50, n);
}

void printServiceTable() {
    bool any = false;
    for (const Measure& m : measures()) {
        if (m.column != Column::Service) continue;
        if (!any) std::printf("\n%-70s %12s\n", "service", "us per call");
        any = true;
        std::printf("%-70s %12s\n", m.label.c_str(), number(m.median / 1000, "%.1f").c_str());
    }
}

bool writeCsv(const std::string& path) {
    std::ofstream out(path);
    out << "formula,ours_ns,muparser_ns,native_ns,ours_parse_us,muparser_parse_us\n";
    const auto formulas = benchFormulas();
    for (int i = 0; i < static_cast<int>(formulas.size()); ++i) {
        auto field = [](double v, double scale) { return v < 0 ? std::string() : number(v / scale, "%.4f"); };
        out << '"' << narrow(formulas[i].ours) << '"' << ',' << field(find(Column::OursEval, i), 1) << ','
            << field(find(Column::MuparserEval, i), 1) << ',' << field(find(Column::NativeEval, i), 1) << ','
            << field(find(Column::OursParse, i), 1000) << ',' << field(find(Column::MuparserParse, i), 1000)
            << '\n';
    }
    return static_cast<bool>(out);
}
} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    OrvantaCalcBase calculator; // pre-translation reads the user constants and functions through it

    std::vector<std::string> flags = {argv[0],
                                      "--benchmark_repetitions=" + std::to_string(options.repetitions),
                                      "--benchmark_min_time=" + options.minTime,
                                      // The machine may be busy with other work: repetitions of all
                                      // benchmarks in random order spread a busy spell over all of them.
                                      "--benchmark_enable_random_interleaving=true"};
    if (!options.filter.empty()) flags.push_back("--benchmark_filter=" + options.filter);
    std::vector<char*> args;
    for (std::string& f : flags)
        args.push_back(f.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    registerExpressionBenchmarks();
    registerServiceBenchmarks();
    checkAgreement();

    Collector collector(options.repetitions, options.verbose);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    printFormulaTable();
    printServiceTable();
    if (!options.csv.empty() && !writeCsv(options.csv)) {
        std::fprintf(stderr, "cannot write %s\n", options.csv.c_str());
        return 1;
    }
    return 0;
}
