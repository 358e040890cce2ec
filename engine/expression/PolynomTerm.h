#pragma once
#include <memory>
#include <string>
#include <vector>

// Term of the symbolic simplifier. It knows sums of numbers and powers of x
// exactly and keeps everything else as symbols, function terms or compound
// terms. Every operation works in place on this term and copies what it keeps
// of the other one; an operation it cannot perform reports "not handled" and
// leaves this term as it was (division alone may first cancel a common factor
// in both terms, so the fraction left behind is the reduced one).
class PolynomTerm {
public:
    enum Kind {
        NUMBER,   // m_value
        XPOWER,   // m_value * x^m_exponent
        SYMBOL,   // m_name: y, e, pi, or a piece of formula text
        FUNCTION, // m_value * m_name(m_argument)
        COMPOUND, // m_left m_operator m_right, operator '*', '/' or '^'
        SUM       // m_summands, in the order they were added
    };

    // Deepest nesting of compound and function terms; deeper terms raise 1007.
    static const int s_max_depth;
    // Most summands a sum takes by addition; beyond it sums nest instead.
    static const int s_max_summands;
    // Most summand products one multiplication of sums may form.
    static const int s_max_products;

    static std::unique_ptr<PolynomTerm> fromNumber(double value);
    // A leading "+" is dropped; a number literal gives a number, "x" the term
    // 1*x^1, anything else a symbol.
    static std::unique_ptr<PolynomTerm> fromToken(const std::wstring& token);
    static std::unique_ptr<PolynomTerm> compound(std::unique_ptr<PolynomTerm> left,
                                                 std::unique_ptr<PolynomTerm> right, wchar_t op);
    static std::unique_ptr<PolynomTerm> sum(std::unique_ptr<PolynomTerm> first,
                                            std::unique_ptr<PolynomTerm> second);
    // Combines the terms of two operands with the operation of an operator
    // node; an operation the rules cannot perform leaves a sum or a compound.
    // Null for an operator the simplifier does not know.
    static std::unique_ptr<PolynomTerm> combine(std::unique_ptr<PolynomTerm> left,
                                                std::unique_ptr<PolynomTerm> right, wchar_t op);

    PolynomTerm(const PolynomTerm& other);
    PolynomTerm& operator=(const PolynomTerm& other);
    PolynomTerm(PolynomTerm&& other) noexcept;
    PolynomTerm& operator=(PolynomTerm&& other) noexcept;
    ~PolynomTerm();
    std::unique_ptr<PolynomTerm> clone() const { return std::make_unique<PolynomTerm>(*this); }

    // Each returns whether it handled the operation.
    bool add(const PolynomTerm& u);
    bool subtract(const PolynomTerm& u);
    bool multiply(const PolynomTerm& u);
    bool divide(PolynomTerm& u);
    bool power(const PolynomTerm& u);
    bool scale(double factor);
    void applyFunction(const std::wstring& name);

    // The formula text: the term text form followed by the clean-up.
    std::wstring text() const;
    // The term text form alone, before the clean-up.
    std::wstring termText() const;
    // Drops parentheses the term writer leaves around whole numbers and pairs.
    static void cleanUp(std::wstring& text);

    Kind kind() const { return m_kind; }
    double value() const { return m_value; }
    const std::wstring& exponent() const { return m_exponent; }
    const std::wstring& name() const { return m_name; }
    wchar_t getOperator() const { return m_operator; }
    const PolynomTerm* left() const { return m_left.get(); }
    const PolynomTerm* right() const { return m_right.get(); }
    const PolynomTerm* argument() const { return m_argument.get(); }
    const std::vector<std::unique_ptr<PolynomTerm>>& summands() const { return m_summands; }
    int depth() const { return m_depth; }

private:
    using Summands = std::vector<std::unique_ptr<PolynomTerm>>;

    PolynomTerm() = default;

    bool isNumber() const { return m_kind == NUMBER; }
    bool isXPower() const { return m_kind == XPOWER; }
    bool isSimple() const { return m_kind == NUMBER || m_kind == XPOWER; }
    bool isSum() const { return m_kind == SUM; }
    bool isFunction() const { return m_kind == FUNCTION; }
    bool isCompound(wchar_t op) const { return m_kind == COMPOUND && m_operator == op; }
    bool hasNumericExponent() const;
    double exponentValue() const;
    bool isZeroSummand() const;

    void becomeNumber(double value);
    void becomeSum(Summands summands);
    void becomeFunction(const std::wstring& name, double coefficient, std::unique_ptr<PolynomTerm> argument);
    void refreshDepth();

    bool addSimple(const PolynomTerm& u);
    bool mergeSummands(const Summands& summands);
    static void mergeInto(Summands& summands, const PolynomTerm& u);
    void removeZeroSummands();

    bool canScale() const;
    void applyScale(double factor);

    bool multiplyDistribute(const PolynomTerm& u);
    bool multiplySumBy(const PolynomTerm& u);
    bool multiplySums(const PolynomTerm& u);
    bool multiplyXPowers(const PolynomTerm& u);

    bool divideXPowers(PolynomTerm& u);
    bool divideNumbers(PolynomTerm& u);
    bool divideXPowerByNumberShort(const PolynomTerm& u);
    void cancelNumberByXPower(PolynomTerm& u);
    bool divideFunctions(PolynomTerm& u);
    bool divideXPowerByNumberExact(const PolynomTerm& u);
    bool divideByLinear(const PolynomTerm& u);
    bool divideByX(const PolynomTerm& u);
    bool divideIntoDenominator(const PolynomTerm& u);
    bool polynomialCoefficients(std::vector<double>& coefficients) const;

    bool powerOfSum(int n);

    wchar_t textOperator() const;
    std::wstring xPowerText() const;
    std::wstring functionText() const;
    std::wstring sumText() const;

    Kind m_kind = NUMBER;
    double m_value = 0.0; // a number's value, an x-power's or a function's coefficient
    std::wstring m_exponent;
    std::wstring m_name;
    wchar_t m_operator = L' ';
    std::unique_ptr<PolynomTerm> m_left;
    std::unique_ptr<PolynomTerm> m_right;
    std::unique_ptr<PolynomTerm> m_argument;
    Summands m_summands;
    int m_depth = 1;
};
