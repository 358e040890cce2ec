#pragma once
#include <QImage>
#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "ColorRef.h"
#include "PlotRegion.h"

// What one fractal picture is: the iteration z(n+1) = E(z(n)), plain
// (z starts at the pixel's point p) or with a start value S (z starts at S
// and p is subtracted after every step), over the region with the real
// part across and the imaginary part down, coloured by the escape count.
struct FractalSetup {
    std::wstring iteration;            // E
    std::optional<std::wstring> start; // S, for a start-value fractal
    PlotRegion region;
    int quality = 1; // every q-th column is computed and set with the q - 1 to its right
    int iterations = 50;
    double border = 4.0;
    ColorRef c0 = 0;
    ColorRef c1 = 0;

    // Splits "z(n+1)=E" or "z(n+1)=E;z(0)=S"; nothing for another text.
    static std::optional<FractalSetup> fromText(const std::wstring& text);
    // The colour of an escape count: c0 plus the count times the colour step
    // (c1 - c0) / iterations, taken on the 24-bit colour numbers as whole
    // numbers (not per channel) and truncated.
    ColorRef colourOf(int count) const;
};

// Renders a fractal into a picture, split into bands of rows that run on
// separate threads. Every band parses its own trees and sets the engine's
// evaluation flags on its own thread, so the pixels are the same for any
// number of threads. Finished rows are copied into the picture under a
// lock; the caller sees them through show(), which runs on the calling
// thread now and then while the bands work.
class FractalBands {
public:
    enum class Result { Complete, Cancelled, InvalidFunction };
    static constexpr int BAND_ROWS = 4;
    static constexpr int MAX_THREADS = 64;
    static constexpr int MAX_ITERATIONS = 100000;

    // threads: 0 = one per hardware thread.
    static int threadCount(int threads);
    // Fills picture (its size is the client area); rows not yet finished
    // keep what the picture held. cancelled is asked per pixel; show gets the
    // picture with its lock held.
    static Result render(QImage& picture, const FractalSetup& setup, int threads,
                         const std::function<bool()>& cancelled,
                         const std::function<void(const QImage&)>& show = {});
};
