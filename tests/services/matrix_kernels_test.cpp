#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "EngineError.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

namespace {
using CalculatorModes::MATRIXOPERATION;
using Matrix = std::vector<double>;

// The kernels are the facade's own; the tests reach them through a subclass.
class Kernels : public OrvantaCalcBase {
public:
    using OrvantaCalcBase::calculateComplexAdjugate;
    using OrvantaCalcBase::calculateComplexConjugate;
    using OrvantaCalcBase::calculateDeterminante;
    using OrvantaCalcBase::calculateGauss;
    using OrvantaCalcBase::calculateInverse;
};

using MatrixKernelTest = ReportingTest;

// Determinant as the product of the pivots of an elimination with partial
// pivoting: an independent way to the same number.
double pivotProduct(Matrix m, int n) {
    double det = 1.0;
    for (int c = 0; c < n; ++c) {
        int best = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(m[r * n + c]) > std::fabs(m[best * n + c])) best = r;
        if (m[best * n + c] == 0.0) return 0.0;
        if (best != c) {
            for (int k = 0; k < n; ++k)
                std::swap(m[c * n + k], m[best * n + k]);
            det = -det;
        }
        det *= m[c * n + c];
        for (int r = c + 1; r < n; ++r) {
            const double f = m[r * n + c] / m[c * n + c];
            for (int k = c; k < n; ++k)
                m[r * n + k] -= f * m[c * n + k];
        }
    }
    return det;
}

// The expansion along the first row, minor by minor, with the closed forms for
// orders 1 to 3: what the kept minors must reproduce bit for bit.
double plainExpansion(const Matrix& m, int n) {
    auto a = [&](int r, int c) { return m[r * n + c]; };
    if (n == 1) return a(0, 0);
    if (n == 2) return a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
    if (n == 3)
        return a(0, 0) * a(1, 1) * a(2, 2) + a(0, 1) * a(1, 2) * a(2, 0) + a(0, 2) * a(1, 0) * a(2, 1) -
               a(0, 2) * a(1, 1) * a(2, 0) - a(0, 0) * a(1, 2) * a(2, 1) - a(0, 1) * a(1, 0) * a(2, 2);
    double det = 0.0;
    for (int j = 0; j < n; ++j) {
        Matrix minor;
        for (int r = 1; r < n; ++r)
            for (int c = 0; c < n; ++c)
                if (c != j) minor.push_back(a(r, c));
        det += (j % 2 == 0 ? 1.0 : -1.0) * a(0, j) * plainExpansion(minor, n - 1);
    }
    return det;
}

Matrix randomMatrix(int n, unsigned seed, bool integers) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> digits(-9, 9);
    std::uniform_real_distribution<double> reals(-5.0, 5.0);
    Matrix m(static_cast<std::size_t>(n * n));
    for (double& v : m)
        v = integers ? digits(generator) : reals(generator);
    return m;
}

std::uint32_t raisedCode(void (*body)()) {
    try {
        body();
    } catch (const EngineError& e) {
        return e.code();
    }
    return 0;
}

TEST_F(MatrixKernelTest, DeterminantMatchesTheProductOfPivots) {
    for (int n = 1; n <= 10; ++n) {
        for (const bool integers : {true, false}) {
            SCOPED_TRACE("order " + std::to_string(n) + (integers ? " integers" : " reals"));
            const Matrix m = randomMatrix(n, 17u + static_cast<unsigned>(n), integers);
            const double expected = pivotProduct(m, n);
            const double det = Kernels::calculateDeterminante(m, n);
            EXPECT_NEAR(det, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
            if (integers) {
                EXPECT_EQ(det, std::round(det)); // exact on whole numbers
            }
        }
    }
}

TEST_F(MatrixKernelTest, DeterminantIsThePlainExpansionBitForBit) {
    for (int n = 1; n <= 8; ++n) {
        const Matrix m = randomMatrix(n, 3u + static_cast<unsigned>(n), false);
        EXPECT_EQ(Kernels::calculateDeterminante(m, n), plainExpansion(m, n)) << n;
    }
}

TEST_F(MatrixKernelTest, SingularIntegerMatricesHaveAnExactZeroDeterminant) {
    for (int n = 3; n <= 10; ++n) {
        Matrix m = randomMatrix(n, 99u + static_cast<unsigned>(n), true);
        for (int c = 0; c < n; ++c)
            m[(n - 1) * n + c] = m[c] + 2 * m[n + c]; // last row = row 0 + 2 row 1
        EXPECT_EQ(Kernels::calculateDeterminante(m, n), 0.0) << n;
    }
}

TEST_F(MatrixKernelTest, InverseTimesMatrixIsTheIdentity) {
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE("order " + std::to_string(n));
        const Matrix m = randomMatrix(n, 5u + static_cast<unsigned>(n), false);
        Matrix inverse;
        Kernels::calculateInverse(inverse, m, n);
        ASSERT_EQ(inverse.size(), m.size());
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                double s = 0.0;
                for (int k = 0; k < n; ++k)
                    s += inverse[r * n + k] * m[k * n + c];
                EXPECT_NEAR(s, r == c ? 1.0 : 0.0, 1e-9);
            }
        }
    }
}

TEST_F(MatrixKernelTest, SingularMatricesHaveNoInverse) {
    const std::pair<Matrix, int> cases[] = {
        {{0}, 1},
        {{1, 2, 2, 4}, 2},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 3},
        {{1, 2, 3, 4, 2, 4, 6, 8, 0, 1, 0, 1, 5, 5, 5, 5}, 4},
    };
    for (const auto& [m, n] : cases) {
        Matrix out;
        try {
            Kernels::calculateInverse(out, m, n);
            ADD_FAILURE() << "inverted a singular matrix of order " << n;
        } catch (const EngineError& e) {
            EXPECT_EQ(e.code(), 1020u);
            EXPECT_EQ(OrvantaCalcBase::getLastException(), 1020u); // recorded on the way out
        }
    }
}

TEST_F(MatrixKernelTest, OrdersBeyondTheExpansionLimitAreRefused) {
    EXPECT_EQ(raisedCode([] {
                  const int n = OrvantaCalcBase::MAX_EXPANSION_ORDER + 1;
                  Kernels::calculateDeterminante(Matrix(static_cast<std::size_t>(n * n), 1.0), n);
              }),
              1002u);
    EXPECT_EQ(raisedCode([] { Kernels::calculateDeterminante(Matrix(3, 1.0), 2); }), 1024u); // too few cells
}

struct GaussCase {
    const char* name;
    MATRIXOPERATION mode;
    int rows;
    int cols;
    Matrix in;
    Matrix expected;
};

const GaussCase kGaussCases[] = {
    {"linear system x+y=3, x-y=1",
     CalculatorModes::MAT_LINEAR_EQUATION,
     2,
     3,
     {1, 1, 3, 1, -1, 1},
     {1, 0, 2, 0, 1, 1}},
    {"linear system needing a row exchange",
     CalculatorModes::MAT_LINEAR_EQUATION,
     3,
     4,
     {0, 1, 1, 5, 1, 0, 1, 4, 1, 1, 0, 3},
     {1, 0, 0, 1, 0, 1, 0, 2, 0, 0, 1, 3}},
    {"underdetermined system: columns exchanged and restored",
     CalculatorModes::MAT_LINEAR_EQUATION,
     2,
     4,
     {1, 1, 1, 6, 1, 1, 2, 9},
     {1, 1, 0, 3, 0, 0, 1, 3}},
    {"dependent rows: zero row left at the bottom",
     CalculatorModes::MAT_LINEAR_EQUATION,
     3,
     4,
     {1, 1, 1, 6, 1, 1, 2, 9, 2, 2, 1, 9},
     {1, 1, 0, 3, 0, 0, 1, 3, 0, 0, 0, 0}},
    {"rows only: pivot row brought up",
     CalculatorModes::MAT_GAUSS_ROWS,
     2,
     3,
     {0, 2, 4, 1, 1, 1},
     {1, 1, 1, 0, 1, 2}},
    {"rows only: a zero column is passed over",
     CalculatorModes::MAT_GAUSS_ROWS,
     2,
     3,
     {0, 1, 2, 0, 2, 5},
     {0, 1, 2, 0, 0, 1}},
    {"rows and columns: the zero column moves right",
     CalculatorModes::MAT_GAUSS_ROWSCOLS,
     2,
     3,
     {0, 1, 2, 0, 2, 5},
     {1, 2, 0, 0, 1, 0}},
    {"rows and columns: zero cursor row above non-zero rows",
     CalculatorModes::MAT_GAUSS_ROWSCOLS,
     3,
     3,
     {0, 0, 0, 0, 1, 1, 0, 1, 1},
     {1, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"normal form of a regular matrix", CalculatorModes::MAT_GAUSS_NORMAL, 2, 2, {1, 2, 3, 4}, {1, 0, 0, 1}},
    {"normal form of a rank one matrix",
     CalculatorModes::MAT_GAUSS_NORMAL,
     2,
     3,
     {1, 2, 3, 2, 4, 6},
     {1, 0, 0, 0, 0, 0}},
    {"snapping: 0.1 + 0.2 over 0.3 is 1",
     CalculatorModes::MAT_GAUSS_ROWS,
     2,
     2,
     {0.3, 0.1 + 0.2, 1, 2},
     {1, 1, 0, 1}},
    {"snapping: a rounding residue is 0",
     CalculatorModes::MAT_GAUSS_ROWSCOLS,
     2,
     2,
     {0.1, 0.3, 0.2, 0.6},
     {1, 0.3 / 0.1, 0, 0}},
};

TEST_F(MatrixKernelTest, GaussModes) {
    for (const GaussCase& c : kGaussCases) {
        SCOPED_TRACE(c.name);
        Matrix out;
        Kernels::calculateGauss(out, c.in, c.rows, c.cols, c.mode);
        ASSERT_EQ(out.size(), c.expected.size());
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (c.expected[i] == 0.0 || std::fabs(c.expected[i]) == 1.0) {
                EXPECT_EQ(out[i], c.expected[i]) << "at " << i; // snapped values are exact
            } else {
                EXPECT_NEAR(out[i], c.expected[i], 1e-12) << "at " << i;
            }
        }
    }
}

TEST_F(MatrixKernelTest, LinearSystemsSolveRandomRegularSystems) {
    for (int n = 2; n <= 10; ++n) {
        SCOPED_TRACE("order " + std::to_string(n));
        const Matrix a = randomMatrix(n, 31u + static_cast<unsigned>(n), false);
        std::vector<double> x(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            x[i] = i - 2.5;
        Matrix augmented;
        for (int r = 0; r < n; ++r) {
            double b = 0.0;
            for (int c = 0; c < n; ++c) {
                augmented.push_back(a[r * n + c]);
                b += a[r * n + c] * x[c];
            }
            augmented.push_back(b);
        }
        Matrix out;
        Kernels::calculateGauss(out, augmented, n, n + 1, CalculatorModes::MAT_LINEAR_EQUATION);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c)
                EXPECT_EQ(out[r * (n + 1) + c], r == c ? 1.0 : 0.0);
            EXPECT_NEAR(out[r * (n + 1) + n], x[r], 1e-9);
        }
    }
}

// Order 4 takes the adjugate path that orders 1 and 2 (tested with the
// matrix operations) do not.
TEST_F(MatrixKernelTest, ComplexInverseTimesMatrixIsTheIdentity) {
    const int n = 4;
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> digits(-5, 5);
    std::vector<Complex> a(n * n);
    for (Complex& z : a)
        z = Complex(digits(generator), digits(generator));
    std::vector<Complex> inverse;
    Kernels::calculateInverse(inverse, a, n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            Complex s;
            for (int k = 0; k < n; ++k)
                s = s + inverse[r * n + k] * a[k * n + c];
            EXPECT_NEAR(s.getA(), r == c ? 1.0 : 0.0, 1e-9);
            EXPECT_NEAR(s.getB(), 0.0, 1e-9);
        }
    }
}
} // namespace
