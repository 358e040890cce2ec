#include "EvaluationProgram.h"

#include <cmath>
#include <cstdint>
#include <cstddef>
#include <memory>
#include <utility>

#include "FunctionExpression.h"
#include "OperatorExpression.h"
#include "ValueExpression.h"

// acc holds the value computed last; the stack holds the values waiting for
// their operator. A load pushes acc and replaces it. Binary steps take their
// left operand from the stack and the right one from acc; the fused steps take
// a constant or a variable as one operand, which spares a load, a push and a
// pop for the most common shapes ("x^2", "3*x", "x/4", "e^(...)").
enum class EvaluationProgram::Code : std::uint8_t {
    LoadConst,
    LoadVar,
    LoadNode, // any other node, evaluated by its own calculate
    // left from the stack, right from acc
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    // right operand a constant
    AddConst,
    SubConst,
    MulConst,
    DivConst, // by a constant that is not 0
    PowConst, // to a constant that is not 2 or 3
    Square,
    Cube,
    AddMulRun,    // additions and multiplications by constants, in pairs
    VarAddMulRun, // a variable loaded, then such a run
    // a leaf loaded and combined at once
    VarSquare,   // a variable squared
    VarCube,     // a variable cubed
    ConstMulVar, // a constant times a variable
    // right operand a variable
    AddVar,
    SubVar,
    MulVar,
    DivVar,
    PowVar,
    // left operand a constant
    ConstAdd,
    ConstSub,
    ConstMul,
    ConstDiv,
    ConstPow,
    Faculty,
    // function calls; node is the FunctionExpression
    CachedOrSkip, // push its cached result and skip to target, or go on
    Call1,
    CallCached,      // a one-argument call after its argument, answered by the cache if it can
    CallOfVar,       // a one-argument call whose argument is just x or y
    SkipIfNotFinite, // a two-argument call whose first argument is not finite
    Call2,
    End
};

namespace {
using Code = EvaluationProgram::Code;

double divide(double left, double right) {
    // Where the handheld's processor faulted; see OperatorExpression.
    if (right == 0.0 && IExpression::s_withex) raiseEngineError(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
    return left / right;
}

double power(double left, double right) {
    return right == 2.0 ? left * left : std::pow(left, right);
}

// The rounding error of product = a * b, exactly: with a fused multiply-add
// where the processor has one, else (Dekker) with each factor split into
// halves of 26 bits, whose products are all exact. Both give the same error,
// so the cube below is the same double either way.
struct Split {
    double hi;
    double lo;
};
Split split(double a) {
    const double c = 134217729.0 * a; // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}
struct SplitProductError {
    [[gnu::always_inline]] double operator()(double a, double b, double product) const {
        const Split sa = split(a);
        const Split sb = split(b);
        return ((sa.hi * sb.hi - product) + sa.hi * sb.lo + sa.lo * sb.hi) + sa.lo * sb.lo;
    }
};
struct FusedProductError {
    [[gnu::always_inline]] double operator()(double a, double b, double product) const {
        return __builtin_fma(a, b, -product);
    }
};

// x^3 as the power function gives it, in a fraction of its time. The cube is
// computed to about 104 bits. The library's power function is off by at most
// 0.509 units in the last place plus |y ln x| * 1.5 * 2^-15 units; for y = 3
// and 2^-64 < |x| < 2^64 that is under 0.516 units, so wherever the exact
// cube lies closer than 0.48 units to a double, that double is what the power
// function returns too. Cubes closer to the middle between two doubles (about
// one in twenty-five), and those outside that range, ask the power function.
template <class ProductError> [[gnu::always_inline]] inline double cubeWith(double x) {
    const ProductError productError;
    const double magnitude = std::fabs(x);
    if (!(magnitude > 0x1p-64 && magnitude < 0x1p+64)) return std::pow(x, 3.0);
    const double square = x * x;
    const double squareError = productError(x, x, square);
    const double rough = square * x;
    const double tail = productError(square, x, rough) + squareError * x;
    const double result = rough + tail;
    const double remainder = (rough - result) + tail;
    // The remainder, stretched by 0.5 / 0.48, still rounds away into the
    // result exactly when it is under 0.48 units of the result's last place
    // (on the side where it lies, which matters at a power of two).
    return result + remainder * 1.0417 == result ? result : std::pow(x, 3.0);
}

#if defined(FP_FAST_FMA)
double cube(double x) { return cubeWith<FusedProductError>(x); }
#elif defined(__x86_64__)
// The fused multiply-add instruction where the processor has it, chosen once.
[[gnu::target("fma")]] double cubeFused(double x) { return cubeWith<FusedProductError>(x); }
double cubeSplit(double x) { return cubeWith<SplitProductError>(x); }
bool hasFusedMultiplyAdd() {
    __builtin_cpu_init(); // the answer is needed before the library's constructors ran
    return __builtin_cpu_supports("fma");
}
const bool s_fusedMultiplyAdd = hasFusedMultiplyAdd();
double cube(double x) { return s_fusedMultiplyAdd ? cubeFused(x) : cubeSplit(x); }
#else
double cube(double x) { return cubeWith<SplitProductError>(x); }
#endif

// A constant of exactly 2^k whose reciprocal is a normal number: dividing by
// it and multiplying by the reciprocal are both exact scalings and give the
// same double for every dividend.
bool hasExactReciprocal(double c) {
    if (!std::isnormal(c)) return false;
    int exponent = 0;
    const double mantissa = std::frexp(c, &exponent);
    return (mantissa == 0.5 || mantissa == -0.5) && std::isnormal(1.0 / c);
}
} // namespace

class ProgramBuilder {
public:
    bool build(IExpression* node);
    EvaluationProgram take() { return std::move(m_program); }

private:
    // A leaf whose value needs no evaluation: a number, pi, e, x or y.
    struct Leaf {
        bool isVariable;
        std::uint8_t variable;
        double value;
    };
    static bool asLeaf(IExpression* node, Leaf& leaf);

    bool emitNode(IExpression* node);
    bool emitOperator(OperatorExpression* node);
    bool emitFunction(FunctionExpression* node);
    void emitLeaf(const Leaf& leaf);
    void emitRightLeaf(wchar_t op, const Leaf& right);
    void emitLeftConstant(wchar_t op, double left);
    void emitPower(double c);
    void emitMultiplication(double factor);
    using StepIterator = std::vector<EvaluationProgram::Step>::const_iterator;
    static bool isPlainArithmetic(StepIterator first, StepIterator last);
    static constexpr std::uint16_t MAX_RUN = 0xFFFF;
    std::size_t emit(Code code, double value = 0.0, IExpression* node = nullptr, std::uint8_t variable = 0);
    void push() {
        if (++m_depth > m_maxDepth) m_maxDepth = m_depth;
    }
    void pop() { --m_depth; }

    EvaluationProgram m_program;
    int m_depth = 0;
    int m_maxDepth = 0;
};

bool ProgramBuilder::asLeaf(IExpression* node, Leaf& leaf) {
    auto* value = dynamic_cast<ValueExpression*>(node);
    if (!value) return false;
    switch (value->getKind()) {
    case ValueExpression::Kind::X:
        leaf = {true, 0, 0.0};
        return true;
    case ValueExpression::Kind::Y:
        leaf = {true, 1, 0.0};
        return true;
    case ValueExpression::Kind::Number:
    case ValueExpression::Kind::Pi:
    case ValueExpression::Kind::E:
        leaf = {false, 0, value->calculateConst()};
        return true;
    default:
        return false;
    }
}

std::size_t ProgramBuilder::emit(Code code, double value, IExpression* node, std::uint8_t variable) {
    switch (code) {
    case Code::LoadNode:
    case Code::Pow:
    case Code::PowConst:
    case Code::Cube:
    case Code::VarCube:
    case Code::PowVar:
    case Code::ConstPow:
    case Code::Faculty:
    case Code::CachedOrSkip:
    case Code::Call1:
    case Code::CallCached:
    case Code::CallOfVar:
    case Code::Call2:
        m_program.m_withCalls = true;
        break;
    default:
        break;
    }
    m_program.m_steps.push_back({code, variable, 0, 0, value, node});
    return m_program.m_steps.size() - 1;
}

void ProgramBuilder::emitLeaf(const Leaf& leaf) {
    push();
    if (leaf.isVariable)
        emit(Code::LoadVar, 0.0, nullptr, leaf.variable);
    else
        emit(Code::LoadConst, leaf.value);
}

void ProgramBuilder::emitRightLeaf(wchar_t op, const Leaf& right) {
    if (right.isVariable) {
        EvaluationProgram::Step& last = m_program.m_steps.back();
        if (op == L'*' && last.code == Code::LoadConst) {
            // A constant times a variable ("2*x"): the same product either way round.
            last.code = Code::ConstMulVar;
            last.variable = right.variable;
            return;
        }
        const Code code = op == L'+'   ? Code::AddVar
                          : op == L'-' ? Code::SubVar
                          : op == L'*' ? Code::MulVar
                          : op == L'/' ? Code::DivVar
                                       : Code::PowVar;
        emit(code, 0.0, nullptr, right.variable);
        return;
    }
    const double c = right.value;
    switch (op) {
    case L'+':
        emit(Code::AddConst, c);
        break;
    case L'-':
        emit(Code::SubConst, c);
        break;
    case L'*':
        emitMultiplication(c);
        break;
    case L'/':
        if (hasExactReciprocal(c))
            emitMultiplication(1.0 / c);
        else if (c != 0.0)
            emit(Code::DivConst, c);
        else {
            emitLeaf(right);
            pop();
            emit(Code::Div);
        }
        break;
    default:
        emitPower(c);
        break;
    }
}

// A variable just loaded and squared or cubed takes one step; the loading
// step becomes the fused one, so a jump that lands on it still lands right.
void ProgramBuilder::emitPower(double c) {
    EvaluationProgram::Step& last = m_program.m_steps.back();
    const bool afterVariable = last.code == Code::LoadVar;
    if (c == 2.0 && afterVariable)
        last.code = Code::VarSquare;
    else if (c == 3.0 && afterVariable) {
        last.code = Code::VarCube;
        m_program.m_withCalls = true;
    } else
        emit(c == 2.0 ? Code::Square : c == 3.0 ? Code::Cube : Code::PowConst, c);
}

// A run of additions and multiplications by constants ("((x+1)*2-3)/4")
// takes one step: each multiplication, with the addition just before it,
// becomes a pair (a, m) computed as (acc + a) * m. A multiplication without
// an addition gets a = -0, and adding -0 changes no double; subtracting c
// and adding -c give the same double too. A variable loaded just before the
// run is loaded by the run. A jump may land on the first step of a run (it
// follows a call), never inside one.
void ProgramBuilder::emitMultiplication(double factor) {
    std::vector<EvaluationProgram::Step>& steps = m_program.m_steps;
    std::vector<double>& constants = m_program.m_constants;
    double addend = -0.0;
    if (steps.back().code == Code::AddConst || steps.back().code == Code::SubConst) {
        addend = steps.back().code == Code::SubConst ? -steps.back().value : steps.back().value;
        steps.pop_back();
    }
    EvaluationProgram::Step& last = steps.back();
    const bool isRun = last.code == Code::AddMulRun || last.code == Code::VarAddMulRun;
    if (isRun && last.count < MAX_RUN &&
        last.target + 2 * last.count == static_cast<std::int32_t>(constants.size())) {
        ++last.count;
    } else if (last.code == Code::LoadVar) {
        last.code = Code::VarAddMulRun;
        last.target = static_cast<std::int32_t>(constants.size());
        last.count = 1;
    } else {
        const std::size_t run = emit(Code::AddMulRun);
        steps[run].target = static_cast<std::int32_t>(constants.size());
        steps[run].count = 1;
    }
    constants.push_back(addend);
    constants.push_back(factor);
}

void ProgramBuilder::emitLeftConstant(wchar_t op, double left) {
    const Code code = op == L'+'   ? Code::ConstAdd
                      : op == L'-' ? Code::ConstSub
                      : op == L'*' ? Code::ConstMul
                      : op == L'/' ? Code::ConstDiv
                                   : Code::ConstPow;
    emit(code, left);
}

bool ProgramBuilder::emitOperator(OperatorExpression* node) {
    const wchar_t op = node->getOperator();
    IExpression* left = node->getLeft();
    IExpression* right = node->getRight();
    if (op == L'!') {
        if (!emitNode(left)) return false;
        emit(Code::Faculty);
        return true;
    }
    // No other operator is ever built; the node is left to evaluate itself.
    if (op != L'+' && op != L'-' && op != L'*' && op != L'/' && op != L'^') return false;
    // Leaves have no side effects and raise nothing, so evaluating a constant
    // left operand after the right one changes nothing.
    Leaf leaf{};
    if (asLeaf(right, leaf)) {
        if (!emitNode(left)) return false;
        emitRightLeaf(op, leaf);
        return true;
    }
    if (asLeaf(left, leaf) && !leaf.isVariable) {
        if (!emitNode(right)) return false;
        emitLeftConstant(op, leaf.value);
        return true;
    }
    if (!emitNode(left) || !emitNode(right)) return false;
    pop();
    switch (op) {
    case L'+':
        emit(Code::Add);
        break;
    case L'-':
        emit(Code::Sub);
        break;
    case L'*':
        emit(Code::Mul);
        break;
    case L'/':
        emit(Code::Div);
        break;
    default:
        emit(Code::Pow);
        break;
    }
    return true;
}

// The same sequence as FunctionExpression::calculate: the cache is looked up
// before the argument is evaluated, and a first argument that is not finite
// is the result without the second argument being evaluated.
bool ProgramBuilder::emitFunction(FunctionExpression* node) {
    if (node->getParameterCount() == 2) {
        if (!emitNode(node->getArgument())) return false;
        const std::size_t skip = emit(Code::SkipIfNotFinite, 0.0, node);
        if (!emitNode(node->getSecondArgument())) return false;
        pop();
        emit(Code::Call2, 0.0, node);
        m_program.m_steps[skip].target = static_cast<std::int32_t>(m_program.m_steps.size());
        return true;
    }
    Leaf leaf{};
    if (asLeaf(node->getArgument(), leaf) && leaf.isVariable) {
        push();
        emit(Code::CallOfVar, 0.0, node, leaf.variable);
        return true;
    }
    if (!node->hasSampleCache()) {
        if (!emitNode(node->getArgument())) return false;
        emit(Code::Call1, 0.0, node);
        return true;
    }
    const std::size_t lookup = emit(Code::CachedOrSkip, 0.0, node);
    if (!emitNode(node->getArgument())) return false;
    std::vector<EvaluationProgram::Step>& steps = m_program.m_steps;
    if (isPlainArithmetic(steps.begin() + static_cast<std::ptrdiff_t>(lookup) + 1, steps.end())) {
        steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(lookup));
        emit(Code::CallCached, 0.0, node);
    } else {
        emit(Code::Call1, 0.0, node);
        steps[lookup].target = static_cast<std::int32_t>(steps.size());
    }
    return true;
}

// A few steps of arithmetic that can raise nothing cost less than jumping
// around them, and evaluating them changes nothing when the cache then
// answers: such an argument is evaluated before the cache is asked. Nothing
// jumps into or out of them, so removing the jump around them moves no target.
bool ProgramBuilder::isPlainArithmetic(StepIterator first, StepIterator last) {
    constexpr std::ptrdiff_t MAX_STEPS = 6;
    if (last - first > MAX_STEPS) return false;
    for (; first != last; ++first) {
        switch (first->code) {
        case Code::LoadConst:
        case Code::LoadVar:
        case Code::Add:
        case Code::Sub:
        case Code::Mul:
        case Code::AddConst:
        case Code::SubConst:
        case Code::MulConst:
        case Code::DivConst:
        case Code::Square:
        case Code::AddMulRun:
        case Code::VarAddMulRun:
        case Code::VarSquare:
        case Code::ConstMulVar:
        case Code::AddVar:
        case Code::SubVar:
        case Code::MulVar:
        case Code::ConstAdd:
        case Code::ConstSub:
        case Code::ConstMul:
            break;
        default:
            return false;
        }
    }
    return true;
}

bool ProgramBuilder::emitNode(IExpression* node) {
    if (m_maxDepth > EvaluationProgram::STACK_SIZE - 1) return false;
    Leaf leaf{};
    if (asLeaf(node, leaf)) {
        emitLeaf(leaf);
        return true;
    }
    if (auto* op = dynamic_cast<OperatorExpression*>(node)) return emitOperator(op);
    if (auto* function = dynamic_cast<FunctionExpression*>(node)) return emitFunction(function);
    push();
    emit(Code::LoadNode, 0.0, node);
    return true;
}

bool ProgramBuilder::build(IExpression* root) {
    if (!emitNode(root) || m_maxDepth > EvaluationProgram::STACK_SIZE - 1) return false;
    emit(Code::End);
    const EvaluationProgram::Step& first = m_program.m_steps.front();
    if (first.code == Code::VarAddMulRun && m_program.m_steps[1].code == Code::End && first.target == 0) {
        m_program.m_runOnly = true;
        m_program.m_runVariable = first.variable;
        m_program.m_runCount = first.count;
    }
    return true;
}

EvaluationProgram EvaluationProgram::compile(IExpression* root) {
    ProgramBuilder builder;
    if (!root || !builder.build(root)) return EvaluationProgram();
    return builder.take();
}

bool EvaluationProgram::s_enabled = true;

void EvaluationProgram::attachTo(IExpression* root) {
    if (!s_enabled) return;
    auto* op = dynamic_cast<OperatorExpression*>(root);
    auto* function = dynamic_cast<FunctionExpression*>(root);
    if (!op && !function) return;
    auto program = std::make_unique<EvaluationProgram>(compile(root));
    if (program->isEmpty()) return;
    if (op)
        op->setProgram(std::move(program));
    else
        function->setProgram(std::move(program));
}

namespace {
// Every step ends with its own jump to the next one (labels as values, an
// extension of GCC and Clang): the processor then predicts each step's
// successor from the step itself, where one shared jump at the top of a
// switch loop leaves it guessing among all steps.
//
// A program without calls (no powers, functions, factorials or nodes of their
// own) runs in the instance where the steps that call are unreachable, which
// keeps everything in registers: no register is saved for a call that never
// comes.
template <bool WithCalls>
double runProgram(const EvaluationProgram::Step* const steps, const double* constants, double x, double y) {
    using Step = EvaluationProgram::Step;
    static const void* const s_labels[] = {&&LoadConst, &&LoadVar,    &&LoadNode,  &&Add,
                                           &&Sub,       &&Mul,        &&Div,       &&Pow,
                                           &&AddConst,  &&SubConst,   &&MulConst,  &&DivConst,
                                           &&PowConst,  &&Square,     &&Cube,      &&AddMulRun, &&VarAddMulRun,
                                           &&VarSquare, &&VarCube,    &&ConstMulVar,
                                           &&AddVar,    &&SubVar,     &&MulVar,    &&DivVar,
                                           &&PowVar,    &&ConstAdd,   &&ConstSub,  &&ConstMul,
                                           &&ConstDiv,  &&ConstPow,   &&Faculty,   &&CachedOrSkip,
                                           &&Call1,     &&CallCached, &&CallOfVar, &&SkipIfNotFinite,
                                           &&Call2,     &&End};
    static_assert(sizeof s_labels / sizeof s_labels[0] == static_cast<std::size_t>(Code::End) + 1);

    double stack[EvaluationProgram::STACK_SIZE];
    double* sp = stack;
    const double variables[2] = {x, y};
    double acc = 0.0;
    double cached = 0.0;
    const Step* step = steps;
    auto function = [&step] { return static_cast<FunctionExpression*>(step->node); };

#define NEXT_STEP goto* s_labels[static_cast<int>((++step)->code)]
#define CALLING_STEP                                                                                         \
    if constexpr (!WithCalls) __builtin_unreachable()

    goto* s_labels[static_cast<int>(step->code)];
LoadConst:
    *sp++ = acc;
    acc = step->value;
    NEXT_STEP;
LoadVar:
    *sp++ = acc;
    acc = variables[step->variable];
    NEXT_STEP;
LoadNode:
    CALLING_STEP;
    *sp++ = acc;
    acc = step->node->calculate(x, y);
    NEXT_STEP;
Add:
    acc = *--sp + acc;
    NEXT_STEP;
Sub:
    acc = *--sp - acc;
    NEXT_STEP;
Mul:
    acc = *--sp * acc;
    NEXT_STEP;
Div:
    --sp;
    acc = divide(*sp, acc);
    NEXT_STEP;
Pow:
    CALLING_STEP;
    --sp;
    acc = power(*sp, acc);
    NEXT_STEP;
AddConst:
    acc = acc + step->value;
    NEXT_STEP;
SubConst:
    acc = acc - step->value;
    NEXT_STEP;
MulConst:
    acc = acc * step->value;
    NEXT_STEP;
DivConst:
    acc = acc / step->value;
    NEXT_STEP;
PowConst:
    CALLING_STEP;
    acc = std::pow(acc, step->value);
    NEXT_STEP;
Square:
    acc = acc * acc;
    NEXT_STEP;
Cube:
    CALLING_STEP;
    acc = cube(acc);
    NEXT_STEP;
AddMulRun:
    acc = EvaluationProgram::addMulRun(acc, constants + step->target, step->count);
    NEXT_STEP;
VarAddMulRun:
    *sp++ = acc;
    acc = EvaluationProgram::addMulRun(variables[step->variable], constants + step->target, step->count);
    NEXT_STEP;
VarSquare:
    *sp++ = acc;
    acc = variables[step->variable] * variables[step->variable];
    NEXT_STEP;
VarCube:
    CALLING_STEP;
    *sp++ = acc;
    acc = cube(variables[step->variable]);
    NEXT_STEP;
ConstMulVar:
    *sp++ = acc;
    acc = step->value * variables[step->variable];
    NEXT_STEP;
AddVar:
    acc = acc + variables[step->variable];
    NEXT_STEP;
SubVar:
    acc = acc - variables[step->variable];
    NEXT_STEP;
MulVar:
    acc = acc * variables[step->variable];
    NEXT_STEP;
DivVar:
    acc = divide(acc, variables[step->variable]);
    NEXT_STEP;
PowVar:
    CALLING_STEP;
    acc = power(acc, variables[step->variable]);
    NEXT_STEP;
ConstAdd:
    acc = step->value + acc;
    NEXT_STEP;
ConstSub:
    acc = step->value - acc;
    NEXT_STEP;
ConstMul:
    acc = step->value * acc;
    NEXT_STEP;
ConstDiv:
    acc = divide(step->value, acc);
    NEXT_STEP;
ConstPow:
    CALLING_STEP;
    acc = power(step->value, acc);
    NEXT_STEP;
Faculty:
    CALLING_STEP;
    acc = IExpression::calculateFaculty(acc);
    NEXT_STEP;
CachedOrSkip:
    CALLING_STEP;
    if (function()->cachedResult(x, y, cached)) {
        *sp++ = acc;
        acc = cached;
        step = steps + step->target - 1;
    }
    NEXT_STEP;
Call1:
    CALLING_STEP;
    acc = function()->applyOne(acc, x, y);
    NEXT_STEP;
CallCached:
    CALLING_STEP;
    if (!function()->cachedResult(x, y, acc)) acc = function()->applyOne(acc, x, y);
    NEXT_STEP;
CallOfVar:
    CALLING_STEP;
    *sp++ = acc;
    if (!function()->cachedResult(x, y, acc)) acc = function()->applyOne(variables[step->variable], x, y);
    NEXT_STEP;
SkipIfNotFinite:
    if (!std::isfinite(acc)) step = steps + step->target - 1;
    NEXT_STEP;
Call2:
    CALLING_STEP;
    --sp;
    acc = function()->applyTwo(*sp, acc);
    NEXT_STEP;
End:
    return acc;
#undef CALLING_STEP
#undef NEXT_STEP
}
} // namespace

double EvaluationProgram::runSteps(double x, double y) const {
    return m_withCalls ? runProgram<true>(m_steps.data(), m_constants.data(), x, y)
                       : runProgram<false>(m_steps.data(), m_constants.data(), x, y);
}
