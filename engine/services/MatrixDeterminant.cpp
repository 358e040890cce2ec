// Determinant, inverse, conjugate and adjugate of real and complex matrices.
//
// Determinants are expanded along the first row, so that integer matrices give
// exact results (a singular one exactly 0, which is what the inverse tests).
// A plain recursion costs n! steps; the same minors recur along many paths, so
// each minor's determinant is computed once and kept by its set of columns.
// Every minor is still computed by the same operations in the same order, so
// the results are those of the plain recursion.
#include <bit>
#include <cstdint>
#include <vector>

#include "EngineError.h"
#include "EngineGuard.h"
#include "OrvantaCalcBase.h"

namespace {
bool isZero(double v) {
    return v == 0.0;
}
bool isZero(const Complex& z) {
    Complex r(z);
    r.toRectangular();
    return r.getA() == 0.0 && r.getB() == 0.0;
}

double negate(double v) {
    return -v;
}
Complex negate(const Complex& z) {
    return z * -1.0;
}

double reciprocal(double v) {
    return 1.0 / v;
}
Complex reciprocal(const Complex& z) {
    return Complex(1.0, 0.0) / z;
}

// The conjugate of a real number is that number, without a "-0" imaginary part.
Complex conjugate(const Complex& z) {
    Complex c = z.conj();
    if (c.getB() == 0.0) c.setB(0.0);
    return c;
}

template <typename T> void requireSquare(const std::vector<T>& in, int n) {
    if (n < 1 || in.size() < static_cast<std::size_t>(n) * static_cast<std::size_t>(n))
        raiseEngineError(ErrorCode::INTERNAL);
    if (n > OrvantaCalcBase::MAX_EXPANSION_ORDER) raiseEngineError(ErrorCode::OUT_OF_MEMORY);
}

// Determinants of the minors of an n x n matrix that keep a given list of rows
// (all rows, or all but one). A minor is named by its set of columns; its
// rows are the last ones of the list, as many as it has columns.
template <typename T> class MinorExpansion {
public:
    MinorExpansion(const std::vector<T>& matrix, int n)
        : m_matrix(matrix), m_n(n), m_memo(std::size_t{1} << n), m_known(std::size_t{1} << n, false) {}

    // Keeps every row except skipRow (-1: keeps all) and forgets the minors
    // computed for the previous list.
    void keepRowsWithout(int skipRow) {
        m_rows.clear();
        for (int r = 0; r < m_n; ++r)
            if (r != skipRow) m_rows.push_back(r);
        m_known.assign(m_known.size(), false);
    }

    // Determinant of the kept rows and every column except skipColumn (-1: none).
    T determinantWithout(int skipColumn) {
        std::uint32_t columns = (std::uint32_t{1} << m_n) - 1;
        if (skipColumn >= 0) columns &= ~(std::uint32_t{1} << skipColumn);
        return determinant(columns);
    }

private:
    const T& at(int r, int c) const {
        return m_matrix[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_n) +
                        static_cast<std::size_t>(c)];
    }

    T determinant(std::uint32_t columns) {
        const int size = std::popcount(columns);
        const int* rows = m_rows.data() + (m_rows.size() - static_cast<std::size_t>(size));
        if (size <= 3) return small(rows, columns, size);
        if (m_known[columns]) return m_memo[columns];

        T sum{};
        int j = 0;
        for (int c = 0; c < m_n; ++c) {
            if ((columns & (std::uint32_t{1} << c)) == 0) continue;
            const T term = at(rows[0], c) * determinant(columns & ~(std::uint32_t{1} << c));
            sum = j % 2 == 0 ? sum + term : sum - term;
            ++j;
        }
        m_memo[columns] = sum;
        m_known[columns] = true;
        return sum;
    }

    // Orders 1 to 3 in closed form (the 3 x 3 one by the rule of Sarrus).
    T small(const int* rows, std::uint32_t columns, int size) const {
        int c[3] = {0, 0, 0};
        for (int k = 0, i = 0; k < m_n && i < size; ++k)
            if (columns & (std::uint32_t{1} << k)) c[i++] = k;
        auto a = [&](int r, int col) -> const T& { return at(rows[r], c[col]); };
        if (size == 1) return a(0, 0);
        if (size == 2) return a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
        return a(0, 0) * a(1, 1) * a(2, 2) + a(0, 1) * a(1, 2) * a(2, 0) + a(0, 2) * a(1, 0) * a(2, 1) -
               a(0, 2) * a(1, 1) * a(2, 0) - a(0, 0) * a(1, 2) * a(2, 1) - a(0, 1) * a(1, 0) * a(2, 2);
    }

    const std::vector<T>& m_matrix;
    int m_n;
    std::vector<int> m_rows;
    std::vector<T> m_memo;
    std::vector<bool> m_known;
};

template <typename T> T determinantOf(const std::vector<T>& in, int n) {
    requireSquare(in, n);
    MinorExpansion<T> expansion(in, n);
    expansion.keepRowsWithout(-1);
    return expansion.determinantWithout(-1);
}

// Order 1: the reciprocal; order 2: the closed form; larger: the adjugate
// (signed minors, transposed) over the determinant.
template <typename T> void inverseOf(std::vector<T>& out, const std::vector<T>& in, int n) {
    requireSquare(in, n);
    if (n == 1) {
        if (isZero(in[0])) raiseEngineError(ErrorCode::NO_INVERSE);
        out.assign(1, reciprocal(in[0]));
        return;
    }
    const T det = determinantOf(in, n);
    if (isZero(det)) raiseEngineError(ErrorCode::NO_INVERSE);
    out.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), T{});
    if (n == 2) {
        out[0] = in[3] / det;
        out[1] = negate(in[1]) / det;
        out[2] = negate(in[2]) / det;
        out[3] = in[0] / det;
        return;
    }
    MinorExpansion<T> expansion(in, n);
    for (int i = 0; i < n; ++i) {
        expansion.keepRowsWithout(i);
        for (int j = 0; j < n; ++j) {
            const T minor = expansion.determinantWithout(j);
            out[static_cast<std::size_t>(j * n + i)] = ((i + j) % 2 == 0 ? minor : negate(minor)) / det;
        }
    }
}

void requireShape(const std::vector<Complex>& in, int rows, int cols) {
    if (rows < 0 || cols < 0 || in.size() < static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols))
        raiseEngineError(ErrorCode::INTERNAL);
}
} // namespace

double OrvantaCalcBase::calculateDeterminante(const std::vector<double>& in, int n) {
    return guarded<Guard::Recording>([&] { return determinantOf(in, n); });
}

Complex OrvantaCalcBase::calculateDeterminante(const std::vector<Complex>& in, int n) {
    return guarded<Guard::Recording>([&] { return determinantOf(in, n); });
}

void OrvantaCalcBase::calculateInverse(std::vector<double>& out, const std::vector<double>& in, int n) {
    guarded<Guard::Recording>([&] { inverseOf(out, in, n); });
}

void OrvantaCalcBase::calculateInverse(std::vector<Complex>& out, const std::vector<Complex>& in, int n) {
    guarded<Guard::Recording>([&] { inverseOf(out, in, n); });
}

void OrvantaCalcBase::calculateComplexConjugate(std::vector<Complex>& out, const std::vector<Complex>& in,
                                                int rows, int cols) {
    guarded<Guard::Recording>([&] {
        requireShape(in, rows, cols);
        out.assign(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(rows) * cols);
        for (Complex& z : out)
            z = conjugate(z);
    });
}

// The conjugate transpose: a rows x cols matrix gives a cols x rows one.
void OrvantaCalcBase::calculateComplexAdjugate(std::vector<Complex>& out, const std::vector<Complex>& in,
                                               int rows, int cols) {
    guarded<Guard::Recording>([&] {
        requireShape(in, rows, cols);
        out.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), Complex());
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                out[static_cast<std::size_t>(c * rows + r)] =
                    conjugate(in[static_cast<std::size_t>(r * cols + c)]);
    });
}
