// Gauss elimination of a real matrix: row echelon form (with or without column
// exchanges), the normal form, and the reduced form of a linear system whose
// last column is the right-hand side.
#include <algorithm>
#include <utility>
#include <vector>

#include "EngineError.h"
#include "EngineGuard.h"
#include "OrvantaCalcBase.h"

using CalculatorModes::MATRIXOPERATION;

namespace {
// Rounding leaves values like 1e-17 where an exact 0 (or 1, -1) belongs; they
// are snapped after every update so that zero tests and pivots stay exact.
double snap(double v) {
    if (v > -1e-12 && v < 1e-12) return 0.0;
    if (v > 0.999999999999 && v < 1.000000000001) return 1.0;
    if (v > -1.000000000001 && v < -0.999999999999) return -1.0;
    return v;
}

class Elimination {
public:
    Elimination(std::vector<double>& m, int rows, int cols, MATRIXOPERATION mode)
        : m_m(m), m_rows(rows), m_cols(cols), m_mode(mode),
          // The right-hand side of a linear system never becomes a pivot column.
          m_pivot_cols(mode == CalculatorModes::MAT_LINEAR_EQUATION ? cols - 1 : cols) {}

    void run() {
        int row = 0;
        int col = 0;
        while (row < m_rows && col < m_pivot_cols) {
            if (!bringPivot(row, col)) {
                if (m_mode == CalculatorModes::MAT_GAUSS_ROWS) {
                    ++col;
                    continue;
                }
                if (!exchangeColumnForPivot(row, col)) break;
            }
            normalise(row, col);
            eliminateBelow(row, col);
            if (m_mode == CalculatorModes::MAT_GAUSS_NORMAL) eliminateRight(row, col);
            ++row;
            ++col;
        }
        if (m_mode == CalculatorModes::MAT_LINEAR_EQUATION) {
            backSubstitute();
            undoColumnExchanges();
        }
    }

private:
    double& at(int r, int c) {
        return m_m[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_cols) + c];
    }

    // The first row from the cursor down with a non-zero entry in col becomes
    // the cursor row. False if the column has none.
    bool bringPivot(int row, int col) {
        for (int r = row; r < m_rows; ++r) {
            if (at(r, col) != 0.0) {
                swapRows(row, r);
                return true;
            }
        }
        return false;
    }

    // The column has no pivot: the first column to the right with a non-zero
    // entry in the cursor row takes its place. A cursor row without one (all
    // zero while rows below are not) first changes places with the first row
    // below that has one; stopping there would leave a zero row above non-zero
    // ones, which is no echelon form and miscounts the rank.
    bool exchangeColumnForPivot(int row, int col) {
        for (int r = row; r < m_rows; ++r) {
            const int c = firstNonZeroRight(r, col);
            if (c < 0) continue;
            swapRows(row, r);
            swapColumns(col, c);
            m_exchanges.emplace_back(col, c);
            return true;
        }
        return false;
    }

    int firstNonZeroRight(int row, int col) {
        for (int c = col + 1; c < m_pivot_cols; ++c)
            if (at(row, c) != 0.0) return c;
        return -1;
    }

    void swapRows(int a, int b) {
        if (a == b) return;
        for (int c = 0; c < m_cols; ++c)
            std::swap(at(a, c), at(b, c));
    }

    void swapColumns(int a, int b) {
        for (int r = 0; r < m_rows; ++r)
            std::swap(at(r, a), at(r, b));
    }

    void normalise(int row, int col) {
        const double factor = 1.0 / at(row, col);
        for (int c = col; c < m_cols; ++c)
            at(row, c) = snap(at(row, c) * factor);
        at(row, col) = 1.0;
    }

    void eliminateBelow(int row, int col) {
        for (int r = row + 1; r < m_rows; ++r) {
            const double factor = -at(r, col);
            for (int c = col; c < m_cols; ++c)
                at(r, c) = snap(at(r, c) + at(row, c) * factor);
        }
    }

    // The normal form also clears the pivot row to the right, by column operations.
    void eliminateRight(int row, int col) {
        for (int c = col + 1; c < m_cols; ++c) {
            const double factor = -at(row, c);
            for (int r = row; r < m_rows; ++r)
                at(r, c) = snap(at(r, c) + at(r, col) * factor);
        }
    }

    // Clears the columns above every pivot (a diagonal entry of exactly 1),
    // from the last one up.
    void backSubstitute() {
        const int last = std::min(m_rows, m_pivot_cols) - 1;
        for (int p = last; p > 0; --p) {
            if (at(p, p) != 1.0) continue;
            for (int r = 0; r < p; ++r) {
                const double factor = at(r, p);
                for (int c = 0; c < m_cols; ++c)
                    at(r, c) = snap(at(r, c) - at(p, c) * factor);
            }
        }
    }

    void undoColumnExchanges() {
        for (auto it = m_exchanges.rbegin(); it != m_exchanges.rend(); ++it)
            swapColumns(it->first, it->second);
    }

    std::vector<double>& m_m;
    int m_rows;
    int m_cols;
    MATRIXOPERATION m_mode;
    int m_pivot_cols;
    std::vector<std::pair<int, int>> m_exchanges;
};
} // namespace

void OrvantaCalcBase::calculateGauss(std::vector<double>& out, const std::vector<double>& in, int rows,
                                     int cols, MATRIXOPERATION op) {
    guarded<Guard::Recording>([&] {
        if (rows < 1 || cols < 1 ||
            in.size() < static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols))
            raiseEngineError(ErrorCode::INTERNAL);
        out.assign(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(rows) * cols);
        Elimination(out, rows, cols, op).run();
    });
}
