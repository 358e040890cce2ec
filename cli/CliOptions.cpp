#include "CliOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>

const char* const s_usage =
    "usage: orvanta-calc [OPTIONS] [EXPR ...]\n"
    "  --mode normal|complex|programmer   calculator mode (default normal)\n"
    "  --angle deg|rad|grad               angle unit (default rad)\n"
    "  --lang en|de                       language of messages (default en)\n"
    "  --format float|sci|eng             number mode (default float)\n"
    "  --digits N                         precision, 1 to 14 (default 10)\n"
    "  --input-base hex|bin|dec|oct       programmer input base (default hex)\n"
    "  --result-base hex|bin|dec|oct      programmer result base (default hex)\n"
    "  --polar                            complex results in polar form\n"
    "  --use-j                            imaginary unit written j\n"
    "  --param NAME=VALUE                 value of a placeholder [w], [x], [y] or [z]\n"
    "  --complex                          the same as --mode complex\n"
    "  --programmer=BASE                  programmer mode reading and printing BASE,\n"
    "                                     without the base prefix\n"
    "  --help, --version\n"
    "Each EXPR is answered on one line; without EXPR, one expression per line\n"
    "is read from standard input. Exit status: 0 all succeeded, 1 any failed,\n"
    "2 usage error.\n";

namespace {
template <typename T>
struct Choice {
    const char* word;
    T value;
};

template <typename T, std::size_t N>
T choose(const Choice<T> (&choices)[N], const std::string& option, const std::string& word) {
    for (const auto& c : choices)
        if (word == c.word) return c.value;
    throw UsageError{"unknown value '" + word + "' for " + option};
}

const Choice<CalculatorMode> s_modes[] = {
    {"normal", CalculatorMode::Normal}, {"complex", CalculatorMode::Complex}, {"programmer", CalculatorMode::Programmer}};
const Choice<CalculatorModes::MODE> s_angles[] = {
    {"deg", CalculatorModes::DEG}, {"rad", CalculatorModes::RAD}, {"grad", CalculatorModes::GRAD}};
const Choice<int> s_languages[] = {{"en", 0}, {"de", 1}};
const Choice<int> s_formats[] = {{"float", 0}, {"sci", 1}, {"eng", 2}};
const Choice<CalculatorModes::COMPMODE> s_input_bases[] = {{"hex", CalculatorModes::COMP_HEX},
                                                           {"bin", CalculatorModes::COMP_BIN},
                                                           {"dec", CalculatorModes::COMP_DEC},
                                                           {"oct", CalculatorModes::COMP_OCT}};
const Choice<CalculatorModes::COMPUTERRESULT> s_result_bases[] = {{"hex", CalculatorModes::RESULT_HEX},
                                                                  {"bin", CalculatorModes::RESULT_BIN},
                                                                  {"dec", CalculatorModes::RESULT_DEC},
                                                                  {"oct", CalculatorModes::RESULT_OCT}};

int parseDigits(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || n < 1 || n > 14)
        throw UsageError{"--digits takes a whole number from 1 to 14"};
    return static_cast<int>(n);
}

void parseParameter(CliOptions& options, const std::string& text) {
    std::size_t eq = text.find('=');
    if (eq != 1 || std::string("wxyz").find(text[0]) == std::string::npos)
        throw UsageError{"--param takes NAME=VALUE with NAME one of w, x, y, z"};
    std::string number = text.substr(2);
    char* end = nullptr;
    double value = std::strtod(number.c_str(), &end);
    if (number.empty() || *end != '\0' || !std::isfinite(value))
        throw UsageError{"--param " + text.substr(0, 1) + ": '" + number + "' is not a number"};
    options.parameters[static_cast<wchar_t>(text[0])] = value;
}

using Setter = std::function<void(CliOptions&, const std::string&)>;

struct OptionEntry {
    const char* name;
    bool takesValue;
    Setter set;
};

const OptionEntry s_options[] = {
    {"--mode", true, [](CliOptions& o, const std::string& v) { o.mode = choose(s_modes, "--mode", v); }},
    {"--angle", true,
     [](CliOptions& o, const std::string& v) { o.settings.angle = choose(s_angles, "--angle", v); }},
    {"--lang", true, [](CliOptions& o, const std::string& v) { o.language = choose(s_languages, "--lang", v); }},
    {"--format", true,
     [](CliOptions& o, const std::string& v) { o.settings.numberMode = choose(s_formats, "--format", v); }},
    {"--digits", true, [](CliOptions& o, const std::string& v) { o.settings.precision = parseDigits(v); }},
    {"--input-base", true,
     [](CliOptions& o, const std::string& v) {
         o.settings.computerMode = choose(s_input_bases, "--input-base", v);
     }},
    {"--result-base", true,
     [](CliOptions& o, const std::string& v) {
         o.settings.computerResult = choose(s_result_bases, "--result-base", v);
     }},
    {"--polar", false, [](CliOptions& o, const std::string&) { o.settings.complexResult = CalculatorModes::POLAR; }},
    {"--use-j", false, [](CliOptions& o, const std::string&) { o.useJ = true; }},
    {"--param", true, parseParameter},
    // Shortcuts kept from the first command line: the complex mode, and the
    // programmer mode reading and printing one base, without the base prefix.
    {"--complex", false, [](CliOptions& o, const std::string&) { o.mode = CalculatorMode::Complex; }},
    {"--programmer", true,
     [](CliOptions& o, const std::string& v) {
         o.mode = CalculatorMode::Programmer;
         o.settings.computerMode = choose(s_input_bases, "--programmer", v);
         o.settings.computerResult = choose(s_result_bases, "--programmer", v);
         o.bareProgrammerResult = true;
     }},
    {"--help", false, [](CliOptions& o, const std::string&) { o.help = true; }},
    {"--version", false, [](CliOptions& o, const std::string&) { o.version = true; }},
};

const OptionEntry* findOption(const std::string& name) {
    for (const auto& entry : s_options)
        if (name == entry.name) return &entry;
    return nullptr;
}
} // namespace

CliOptions parseOptions(const std::vector<std::string>& args) {
    CliOptions options;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.rfind("--", 0) != 0) break; // an expression such as '-3^2'
        std::size_t eq = arg.find('=');
        std::string name = arg.substr(0, eq);
        const OptionEntry* entry = findOption(name);
        if (!entry) throw UsageError{"unknown option " + name};
        std::string value;
        if (entry->takesValue) {
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw UsageError{name + " needs a value"};
            }
        } else if (eq != std::string::npos) {
            throw UsageError{name + " takes no value"};
        }
        entry->set(options, value);
    }
    options.arguments.assign(args.begin() + static_cast<long>(i), args.end());
    return options;
}
