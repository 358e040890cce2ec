#pragma once
#include <cstdint>
#include <exception>

// The one exception the engine raises. It carries either an engine error code
// (1002 to 1040) or a processor fault status with its published value; the
// guard around every public entry point of the facade turns it into a message.
class EngineError : public std::exception {
public:
    explicit EngineError(std::uint32_t code) : m_code(code) {}
    std::uint32_t code() const noexcept { return m_code; }
    const char* what() const noexcept override { return "engine error"; }

private:
    std::uint32_t m_code;
};

// Processor fault statuses, with the values the handheld platform published.
namespace FaultCode {
constexpr std::uint32_t EXCEPTION_DATATYPE_MISALIGNMENT = 0x80000002;
constexpr std::uint32_t EXCEPTION_ACCESS_VIOLATION = 0xC0000005;
constexpr std::uint32_t EXCEPTION_NONCONTINUABLE_EXCEPTION = 0xC0000025;
constexpr std::uint32_t EXCEPTION_ARRAY_BOUNDS_EXCEEDED = 0xC000008C;
constexpr std::uint32_t EXCEPTION_FLT_DENORMAL_OPERAND = 0xC000008D;
constexpr std::uint32_t EXCEPTION_FLT_DIVIDE_BY_ZERO = 0xC000008E;
constexpr std::uint32_t EXCEPTION_FLT_INEXACT_RESULT = 0xC000008F;
constexpr std::uint32_t EXCEPTION_FLT_INVALID_OPERATION = 0xC0000090;
constexpr std::uint32_t EXCEPTION_FLT_OVERFLOW = 0xC0000091;
constexpr std::uint32_t EXCEPTION_FLT_STACK_CHECK = 0xC0000092;
constexpr std::uint32_t EXCEPTION_FLT_UNDERFLOW = 0xC0000093;
constexpr std::uint32_t EXCEPTION_INT_DIVIDE_BY_ZERO = 0xC0000094;
constexpr std::uint32_t EXCEPTION_INT_OVERFLOW = 0xC0000095;
constexpr std::uint32_t EXCEPTION_PRIV_INSTRUCTION = 0xC0000096;
constexpr std::uint32_t EXCEPTION_STACK_OVERFLOW = 0xC00000FD;
} // namespace FaultCode

// Engine error codes used across the expression engine.
namespace ErrorCode {
constexpr std::uint32_t OUT_OF_MEMORY = 1002;    // "Not enough memory to perform this operation!"
constexpr std::uint32_t PARENTHESIS = 1003;      // "Parenthesis error!"
constexpr std::uint32_t LOG_DOMAIN = 1005;       // log or ln of a negative number
constexpr std::uint32_t INVALID_INPUT = 1007;    // "The input is not valid!"
constexpr std::uint32_t ARCSIN_DOMAIN = 1011;
constexpr std::uint32_t ARCCOS_DOMAIN = 1012;
constexpr std::uint32_t SUM_DOMAIN = 1013;
constexpr std::uint32_t ARCTANH_DOMAIN = 1016;
constexpr std::uint32_t ARCCOTH_DOMAIN = 1017;
constexpr std::uint32_t ARCCOSH_DOMAIN = 1018;
constexpr std::uint32_t NOTHING_TO_CALCULATE = 1019; // "There is nothing to calculate..."
constexpr std::uint32_t NO_INVERSE = 1020;       // "This matrix has no inverse matrix!"
constexpr std::uint32_t NEGATIVE_RESULT = 1021;  // programmer mode: "No negative numbers allowed!"
constexpr std::uint32_t NON_INTEGER = 1022;      // programmer mode: inexact division
constexpr std::uint32_t OVERFLOW_DIGITS = 1023;  // too many digits / result above 32 bits
constexpr std::uint32_t INTERNAL = 1024;         // "Internal error occured!"
constexpr std::uint32_t NOT_A_NUMBER = 1028;     // digit outside the base
constexpr std::uint32_t BINOM_NATURAL = 1029;
constexpr std::uint32_t BINOM_ORDER = 1030;
constexpr std::uint32_t FACULTY = 1031;
constexpr std::uint32_t CANNOT_DERIVE = 1032;    // "The expresssion cannot be derivated!"
constexpr std::uint32_t NO_Y_FUNCTIONS = 1035;   // statistics: unknown name or y values missing
constexpr std::uint32_t INVALID_ELEMENTS = 1036; // an item of a value list or matrix is unreadable
constexpr std::uint32_t ALPHA_RANGE = 1037;      // quantile argument outside 0..1
constexpr std::uint32_t REGRESSION_TYPE = 1038;  // exponential fit over y values of both signs
constexpr std::uint32_t COMPLEX_POWER = 1039;
} // namespace ErrorCode

[[noreturn]] inline void raiseEngineError(std::uint32_t code) { throw EngineError(code); }
