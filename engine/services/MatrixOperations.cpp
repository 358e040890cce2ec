// The matrix mode's operations: checks of the operands, evaluation of every
// cell as a real or a complex number, the computation, and the result cells.
#include <cmath>
#include <cstdio>
#include <vector>

#include "EngineError.h"
#include "EngineGuard.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

using CalculatorModes::MATRIXOPERATION;

namespace {

bool takesTwoMatrices(MATRIXOPERATION op) {
    return op == CalculatorModes::MAT_ADD || op == CalculatorModes::MAT_SUB || op == CalculatorModes::MAT_MUL;
}

bool needsSquare(MATRIXOPERATION op) {
    return op == CalculatorModes::MAT_DET || op == CalculatorModes::MAT_INVERSE;
}

bool isElimination(MATRIXOPERATION op) {
    return op >= CalculatorModes::MAT_RANK && op <= CalculatorModes::MAT_LINEAR_EQUATION;
}

std::wstring notAllCellsMessage(const MatrixContent& m) {
    const std::wstring format = OrvantaCalcBase::loadString(MessageId::MATRIX_NOT_ALL_CELLS);
    std::vector<wchar_t> text(format.size() + 32);
    std::swprintf(text.data(), text.size(), format.c_str(), m.rows, m.columns);
    return text.data();
}

// A matrix of numbers, row by row.
template <typename T> struct Numbers {
    int rows = 0;
    int cols = 0;
    std::vector<T> values;

    Numbers() = default;
    Numbers(int r, int c)
        : rows(r), cols(c), values(static_cast<std::size_t>(r) * static_cast<std::size_t>(c)) {}
    T& at(int r, int c) { return values[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + c]; }
    const T& at(int r, int c) const {
        return values[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + c];
    }
};

// Every cell through evaluate(text, value), which returns false for a cell it
// cannot read. The operands' texts stay as they are.
template <typename T, typename Evaluate> Numbers<T> evaluateCells(const MatrixContent& m, Evaluate evaluate) {
    if (m.isEmpty() || m.cells.size() < m.cellCount()) raiseEngineError(ErrorCode::INVALID_INPUT);
    Numbers<T> numbers(m.rows, m.columns);
    for (std::size_t i = 0; i < numbers.values.size(); ++i)
        evaluate(m.cells[i], numbers.values[i]);
    return numbers;
}

template <typename T> Numbers<T> elementWise(const Numbers<T>& a, const Numbers<T>& b, bool subtract) {
    Numbers<T> sum(a.rows, a.cols);
    for (std::size_t i = 0; i < sum.values.size(); ++i)
        sum.values[i] = subtract ? a.values[i] - b.values[i] : a.values[i] + b.values[i];
    return sum;
}

template <typename T> Numbers<T> product(const Numbers<T>& a, const Numbers<T>& b) {
    Numbers<T> p(a.rows, b.cols);
    for (int r = 0; r < a.rows; ++r) {
        for (int c = 0; c < b.cols; ++c) {
            T s{};
            for (int k = 0; k < a.cols; ++k)
                s = s + a.at(r, k) * b.at(k, c);
            p.at(r, c) = s;
        }
    }
    return p;
}

template <typename T> Numbers<T> transpose(const Numbers<T>& a) {
    Numbers<T> t(a.cols, a.rows);
    for (int r = 0; r < a.rows; ++r)
        for (int c = 0; c < a.cols; ++c)
            t.at(c, r) = a.at(r, c);
    return t;
}

// Element-wise, product and transpose: the operations both number kinds share.
template <typename T>
bool arithmetic(const Numbers<T>& a, const Numbers<T>& b, MATRIXOPERATION op, Numbers<T>& out) {
    switch (op) {
    case CalculatorModes::MAT_ADD:
        out = elementWise(a, b, false);
        return true;
    case CalculatorModes::MAT_SUB:
        out = elementWise(a, b, true);
        return true;
    case CalculatorModes::MAT_MUL:
        out = product(a, b);
        return true;
    case CalculatorModes::MAT_TRANSPOSE:
        out = transpose(a);
        return true;
    default:
        return false;
    }
}

template <typename T> void writeCells(MatrixContent& result, const Numbers<T>& numbers, auto&& format) {
    result.rows = numbers.rows;
    result.columns = numbers.cols;
    result.cells.assign(numbers.values.size(), std::wstring());
    for (std::size_t i = 0; i < numbers.values.size(); ++i)
        format(numbers.values[i], result.cells[i]);
}
} // namespace

bool OrvantaCalcBase::calculateMatrix(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                                      MATRIXOPERATION op, int format1, int format2, bool real,
                                      bool rectangular) {
    if (!prooveMatrix(result, a, b, op)) return false;
    return real ? calculateMatrixReal(result, a, b, op, format1, format2)
                : calculateMatrixComplex(result, a, b, op, rectangular);
}

bool OrvantaCalcBase::prooveMatrix(MatrixContent& /*result*/, MatrixContent& a, MatrixContent& b,
                                   MATRIXOPERATION op) {
    auto refuse = [](const std::wstring& message) {
        setLastError(message);
        return false;
    };
    if (takesTwoMatrices(op) ? (a.isEmpty() || b.isEmpty()) : a.isEmpty())
        return refuse(
            loadString(takesTwoMatrices(op) ? MessageId::MATRIX_FILL_BOTH : MessageId::MATRIX_FILL_FIRST));
    if (!prooveMatrix(a)) return refuse(notAllCellsMessage(a));
    if (needsSquare(op) && a.rows != a.columns) return refuse(loadString(MessageId::MATRIX_NOT_SQUARE));
    if (isElimination(op) && (a.rows < 2 || a.columns < 2))
        return refuse(loadString(MessageId::MATRIX_AT_LEAST_2X2));
    if (!prooveMatrix(b)) return refuse(notAllCellsMessage(b));
    const bool sameShape = a.rows == b.rows && a.columns == b.columns;
    if (op == CalculatorModes::MAT_MUL && a.columns != b.rows)
        return refuse(loadString(MessageId::MATRIX_MULTIPLY_SHAPE));
    if (op == CalculatorModes::MAT_SUB && !sameShape)
        return refuse(loadString(MessageId::MATRIX_SUBTRACT_SHAPE));
    if (op == CalculatorModes::MAT_ADD && !sameShape) return refuse(loadString(MessageId::MATRIX_ADD_SHAPE));
    return true;
}

// Every cell the shape names is there and not empty. An empty matrix passes.
bool OrvantaCalcBase::prooveMatrix(MatrixContent& m) {
    if (m.cells.size() < m.cellCount()) return false;
    for (std::size_t i = 0; i < m.cellCount(); ++i)
        if (m.cells[i].empty()) return false;
    return true;
}

bool OrvantaCalcBase::calculateMatrixReal(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                                          MATRIXOPERATION op, int format1, int format2) {
    return guarded<Guard::Reporting>([&] {
        auto evaluate = [this](const std::wstring& cell, double& value) {
            std::wstring text = cell;
            if (!calculateNormal(text, value)) raiseEngineError(ErrorCode::INVALID_INPUT);
        };
        const Numbers<double> x = evaluateCells<double>(a, evaluate);
        const Numbers<double> y =
            takesTwoMatrices(op) ? evaluateCells<double>(b, evaluate) : Numbers<double>();

        Numbers<double> z;
        if (!arithmetic(x, y, op, z)) {
            switch (op) {
            case CalculatorModes::MAT_DET:
                z = Numbers<double>(1, 1);
                z.values[0] = calculateDeterminante(x.values, x.rows);
                break;
            case CalculatorModes::MAT_INVERSE:
                z = Numbers<double>(x.rows, x.cols);
                calculateInverse(z.values, x.values, x.rows);
                break;
            case CalculatorModes::MAT_RANK: {
                // Rows left with any entry other than 0 (NaN included) after
                // elimination with column exchanges.
                std::vector<double> echelon;
                calculateGauss(echelon, x.values, x.rows, x.cols, CalculatorModes::MAT_GAUSS_ROWSCOLS);
                int rank = 0;
                for (int r = 0; r < x.rows; ++r) {
                    for (int c = 0; c < x.cols; ++c) {
                        if (echelon[static_cast<std::size_t>(r * x.cols + c)] != 0.0) {
                            ++rank;
                            break;
                        }
                    }
                }
                z = Numbers<double>(1, 1);
                z.values[0] = rank;
                break;
            }
            case CalculatorModes::MAT_GAUSS_ROWS:
            case CalculatorModes::MAT_GAUSS_ROWSCOLS:
            case CalculatorModes::MAT_GAUSS_NORMAL:
            case CalculatorModes::MAT_LINEAR_EQUATION:
                z = Numbers<double>(x.rows, x.cols);
                calculateGauss(z.values, x.values, x.rows, x.cols, op);
                break;
            default:
                raiseEngineError(ErrorCode::INTERNAL); // not an operation on real matrices
            }
        }

        writeCells(result, z, [this, format1, format2](double v, std::wstring& text) {
            if (std::isnan(v)) {
                text = L"NAN";
            } else if (std::isinf(v)) {
                text = L"INF";
            } else {
                setValue(v, text, format1, format2);
            }
        });
        return true;
    });
}

bool OrvantaCalcBase::calculateMatrixComplex(MatrixContent& result, MatrixContent& a, MatrixContent& b,
                                             MATRIXOPERATION op, bool rectangular) {
    return guarded<Guard::Reporting>([&] {
        auto evaluate = [this](const std::wstring& cell, Complex& value) {
            // Cells are read in rectangular form: the polar result form holds
            // its angle in the display unit, which arithmetic must not see.
            const CalculatorModes::COMLEXRESULT form = m_complex_result;
            m_complex_result = CalculatorModes::RECTANGULAR;
            std::wstring text = cell;
            const bool read = calculateComplex(text, value);
            m_complex_result = form;
            if (!read) {
                showMessageBox(loadString(MessageId::WRONG_EXPRESSION) + cell);
                raiseEngineError(ErrorCode::INVALID_INPUT);
            }
        };
        const Numbers<Complex> x = evaluateCells<Complex>(a, evaluate);
        const Numbers<Complex> y =
            takesTwoMatrices(op) ? evaluateCells<Complex>(b, evaluate) : Numbers<Complex>();

        Numbers<Complex> z;
        if (!arithmetic(x, y, op, z)) {
            switch (op) {
            case CalculatorModes::MAT_DET:
                z = Numbers<Complex>(1, 1);
                z.values[0] = calculateDeterminante(x.values, x.rows);
                break;
            case CalculatorModes::MAT_INVERSE:
                z = Numbers<Complex>(x.rows, x.cols);
                calculateInverse(z.values, x.values, x.rows);
                break;
            case CalculatorModes::MAT_CONJUGATE:
                z = Numbers<Complex>(x.rows, x.cols);
                calculateComplexConjugate(z.values, x.values, x.rows, x.cols);
                break;
            case CalculatorModes::MAT_ADJUGATE:
                z = Numbers<Complex>(x.cols, x.rows); // transposed
                calculateComplexAdjugate(z.values, x.values, x.rows, x.cols);
                break;
            default:
                raiseEngineError(ErrorCode::INTERNAL); // not an operation on complex matrices
            }
        }

        writeCells(result, z, [rectangular](const Complex& v, std::wstring& text) {
            if (rectangular) {
                v.toStringRectangular(text, 4);
            } else {
                v.toStringPolar(text, 4);
            }
        });
        return true;
    });
}
