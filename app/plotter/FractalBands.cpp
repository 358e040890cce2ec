#include "FractalBands.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "Complex.h"
#include "EngineError.h"
#include "IExpressionHolder.h"

namespace {
constexpr const wchar_t* PREFIX = L"z(n+1)=";
constexpr const wchar_t* START = L";z(0)=";
constexpr std::chrono::milliseconds SHOW_INTERVAL{30};

// The engine's evaluation flags of the running thread, set for a fractal
// (errors raised, the job's angle unit for constant angles) and restored
// on leaving.
class EvaluationFlags {
public:
    explicit EvaluationFlags(CalculatorModes::MODE angle) : m_withex(IExpression::s_withex), m_mode(IExpression::s_mode) {
        IExpression::s_withex = true;
        IExpression::s_mode = angle;
    }
    ~EvaluationFlags() {
        IExpression::s_withex = m_withex;
        IExpression::s_mode = m_mode;
    }
    EvaluationFlags(const EvaluationFlags&) = delete;
    EvaluationFlags& operator=(const EvaluationFlags&) = delete;

private:
    bool m_withex;
    CalculatorModes::MODE m_mode;
};

// One thread's trees: the iteration and the start value.
struct Trees {
    IExpressionHolder iteration;
    Complex start;

    bool parse(const FractalSetup& setup) {
        try {
            iteration.setExpression(IExpression::parseComplexExpression(setup.iteration));
            if (setup.start) {
                IExpressionHolder s(IExpression::parseComplexExpression(*setup.start));
                if (s.isEmpty()) return false;
                start = s.calculateComplexConst();
            }
        } catch (const EngineError&) {
            return false;
        }
        return !iteration.isEmpty();
    }
};

constexpr int CANCEL_CHECK = 4096; // iterations between two looks at the cancel flag

// |z| < border, decided from the square of the magnitude wherever rounding
// cannot matter; only values within a millionth of the border ask for the
// exact magnitude, so every answer is the one the magnitude gives.
bool withinBorder(const Complex& z, double border) {
    if (z.getPolar() || !(border > 1e-100 && border < 1e100)) return z.absAsDouble() < border;
    const double square = z.getA() * z.getA() + z.getB() * z.getB();
    const double limit = border * border;
    if (square < limit * (1.0 - 1e-6)) return true;
    if (square > limit * (1.0 + 1e-6)) return false;
    return z.absAsDouble() < border;
}

// The escape count of one point; a cancel ends a long iteration early
// (the count is then of no use).
int escapeCount(Trees& trees, const FractalSetup& setup, double re, double im, const std::function<bool()>& cancelled) {
    const Complex p(re, im);
    const bool startValue = setup.start.has_value();
    Complex z = startValue ? trees.start : p;
    int count = 0;
    try {
        while (withinBorder(z, setup.border) && count < setup.iterations) {
            z = trees.iteration.calculateComplex(z);
            if (startValue) z -= p;
            if (++count % CANCEL_CHECK == 0 && cancelled()) break;
        }
    } catch (const EngineError&) {
        // A step the engine refuses (a division by zero) ends the iteration there.
    }
    return count;
}

// The state the bands share.
struct Shared {
    Shared(QImage& p, const FractalSetup& s, const std::function<bool()>& c)
        : picture(p), bits(p.bits()), bytesPerLine(p.bytesPerLine()), setup(s), cancelled(c) {}
    QImage& picture;
    uchar* bits;
    qsizetype bytesPerLine;
    const FractalSetup& setup;
    const std::function<bool()>& cancelled;
    std::atomic<int> next{0};
    std::mutex lock;
    std::condition_variable done;
    int running = 0;
};

void runBand(Shared& s, CalculatorModes::MODE angle) {
    EvaluationFlags flags(angle);
    Trees trees;
    const FractalSetup& setup = s.setup;
    const int w = s.picture.width(), h = s.picture.height();
    const PlotRegion& r = setup.region;
    const double dre = (r.xmax - r.xmin) / w, dim = (r.ymax - r.ymin) / h;
    const int q = std::clamp(setup.quality, 1, 4);
    std::vector<QRgb> line(static_cast<std::size_t>(w), qRgb(255, 255, 255));
    bool stop = !trees.parse(setup);
    while (!stop) {
        const int first = s.next.fetch_add(FractalBands::BAND_ROWS);
        if (first >= h) break;
        for (int row = first; row < std::min(first + FractalBands::BAND_ROWS, h) && !stop; ++row) {
            const double im = setup.start ? r.ymin + row * dim : r.ymax - row * dim;
            for (int c = 1; c < w; c += q) {
                if (s.cancelled()) {
                    stop = true;
                    break;
                }
                const ColorRef colour = setup.colourOf(escapeCount(trees, setup, r.xmin + c * dre, im, s.cancelled));
                std::fill(line.begin() + c, line.begin() + std::min(c + q, w),
                          qRgb(colorRefRed(colour), colorRefGreen(colour), colorRefBlue(colour)));
            }
            if (stop) break;
            std::lock_guard guard(s.lock);
            std::memcpy(s.bits + row * s.bytesPerLine + sizeof(QRgb), line.data() + 1, (w - 1) * sizeof(QRgb));
        }
    }
    std::lock_guard guard(s.lock);
    --s.running;
    s.done.notify_all();
}
} // namespace

std::optional<FractalSetup> FractalSetup::fromText(const std::wstring& text) {
    if (text.rfind(PREFIX, 0) != 0) return std::nullopt;
    FractalSetup setup;
    const std::size_t prefix = std::wcslen(PREFIX);
    const std::size_t start = text.find(START);
    if (start == std::wstring::npos) {
        setup.iteration = text.substr(prefix);
    } else {
        if (start < prefix) return std::nullopt;
        setup.iteration = text.substr(prefix, start - prefix);
        setup.start = text.substr(start + std::wcslen(START));
    }
    return setup;
}

ColorRef FractalSetup::colourOf(int count) const {
    // count * (c1 - c0) / iterations in whole numbers: the same truncation as
    // count times the step, without the step's rounding, so that a point that
    // never escapes gets exactly c1.
    const long long span = static_cast<long long>(c1) - static_cast<long long>(c0);
    return static_cast<ColorRef>(static_cast<long long>(c0) + count * span / std::max(1, iterations)) & 0xFFFFFF;
}

int FractalBands::threadCount(int threads) {
    if (threads <= 0) threads = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(threads, 1, MAX_THREADS);
}

FractalBands::Result FractalBands::render(QImage& picture, const FractalSetup& given, int threads,
                                          const std::function<bool()>& cancelled,
                                          const std::function<void(const QImage&)>& show) {
    FractalSetup setup = given;
    setup.iterations = std::clamp(setup.iterations, 1, MAX_ITERATIONS);
    const CalculatorModes::MODE angle = IExpression::s_mode;
    {
        // The same parse every band makes: a text that fails it draws nothing.
        EvaluationFlags flags(angle);
        Trees trial;
        if (!trial.parse(setup)) return Result::InvalidFunction;
    }
    if (picture.isNull() || picture.width() < 2) return cancelled() ? Result::Cancelled : Result::Complete;
    Shared shared(picture, setup, cancelled);
    const int count = std::min(threadCount(threads), (picture.height() + BAND_ROWS - 1) / BAND_ROWS);
    shared.running = count;
    std::vector<std::thread> bands;
    bands.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        try {
            bands.emplace_back(runBand, std::ref(shared), angle);
        } catch (const std::system_error&) {
            // No more threads to be had: the bands started share the rows.
            std::lock_guard guard(shared.lock);
            shared.running -= count - i;
            break;
        }
    }
    if (bands.empty()) {
        shared.running = 1;
        runBand(shared, angle);
    }
    {
        std::unique_lock guard(shared.lock);
        while (shared.running > 0) {
            shared.done.wait_for(guard, SHOW_INTERVAL, [&] { return shared.running == 0; });
            if (show) show(picture);
        }
    }
    for (std::thread& band : bands)
        band.join();
    return cancelled() ? Result::Cancelled : Result::Complete;
}
