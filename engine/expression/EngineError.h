#pragma once
#include <cstdint>
#include <exception>

#include "MessageIds.h"

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

[[noreturn]] inline void raiseEngineError(std::uint32_t code) { throw EngineError(code); }
