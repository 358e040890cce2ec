#include <algorithm>
#include <iterator>
#include <new>
#include <stdexcept>
#include <utility>

#include "EngineError.h"
#include "EngineGuard.h"
#include "MessageIds.h"
#include "MessageTable.h"
#include "OrvantaCalcBase.h"

VEMTRA_THREAD_STATE std::wstring OrvantaCalcBase::m_error;
VEMTRA_THREAD_STATE std::uint32_t OrvantaCalcBase::m_last_exception = 0;
int OrvantaCalcBase::s_language = 0;

namespace {
struct CodeMessage {
    std::uint32_t code;
    unsigned int message;
};

// Engine error codes. 1008, 1015 and 1027 are not raised anywhere and stay
// unknown on purpose.
constexpr CodeMessage s_engine_messages[] = {
    {ErrorCode::OUT_OF_MEMORY, MessageId::OUT_OF_MEMORY},
    {ErrorCode::PARENTHESIS, MessageId::PARENTHESIS},
    {ErrorCode::FACULTY_NATURAL, MessageId::FACULTY_NATURAL},
    {ErrorCode::LOG_DOMAIN, MessageId::LOG_DOMAIN},
    {ErrorCode::SQRT_DOMAIN, MessageId::SQRT_DOMAIN},
    {ErrorCode::INVALID_INPUT, MessageId::INVALID_INPUT},
    {ErrorCode::INFINITE_FLOAT, MessageId::INFINITE_FLOAT},
    {ErrorCode::INVALID_IEEE, MessageId::INVALID_IEEE},
    {ErrorCode::ARCSIN_DOMAIN, MessageId::ARCSIN_DOMAIN},
    {ErrorCode::ARCCOS_DOMAIN, MessageId::ARCCOS_DOMAIN},
    {ErrorCode::SUM_DOMAIN, MessageId::SUM_DOMAIN},
    {ErrorCode::PRODUCT_DOMAIN, MessageId::PRODUCT_DOMAIN},
    {ErrorCode::ARCTANH_DOMAIN, MessageId::ARCTANH_DOMAIN},
    {ErrorCode::ARCCOTH_DOMAIN, MessageId::ARCCOTH_DOMAIN},
    {ErrorCode::ARCCOSH_DOMAIN, MessageId::ARCCOSH_DOMAIN},
    {ErrorCode::NOTHING_TO_CALCULATE, MessageId::NOTHING_TO_CALCULATE_CODE},
    {ErrorCode::NO_INVERSE, MessageId::NO_INVERSE},
    {ErrorCode::NEGATIVE_RESULT, MessageId::NEGATIVE_RESULT},
    {ErrorCode::NON_INTEGER, MessageId::NON_INTEGER},
    {ErrorCode::OVERFLOW_DIGITS, MessageId::OVERFLOW_DIGITS},
    {ErrorCode::INTERNAL, MessageId::INTERNAL},
    {ErrorCode::ARGUMENT_COUNT, MessageId::ARGUMENT_COUNT},
    {ErrorCode::MISSING_PARAMETERS, MessageId::MISSING_PARAMETERS},
    {ErrorCode::NOT_A_NUMBER, MessageId::NOT_A_NUMBER},
    {ErrorCode::BINOM_NATURAL, MessageId::BINOM_NATURAL},
    {ErrorCode::BINOM_ORDER, MessageId::BINOM_ORDER},
    {ErrorCode::FACULTY, MessageId::FACULTY},
    {ErrorCode::CANNOT_DERIVE, MessageId::CANNOT_DERIVE},
    {ErrorCode::NO_FUNCTION_OF_X, MessageId::NO_FUNCTION_OF_X},
    {ErrorCode::NO_PARAMS_IN_PARAMS, MessageId::NO_PARAMS_IN_PARAMS},
    {ErrorCode::NO_Y_FUNCTIONS, MessageId::NO_Y_FUNCTIONS},
    {ErrorCode::INVALID_ELEMENTS, MessageId::INVALID_ELEMENTS},
    {ErrorCode::ALPHA_RANGE, MessageId::ALPHA_RANGE},
    {ErrorCode::REGRESSION_TYPE, MessageId::REGRESSION_TYPE},
    {ErrorCode::COMPLEX_POWER, MessageId::COMPLEX_POWER},
    {ErrorCode::POL_NEEDS_RAD, MessageId::POL_NEEDS_RAD},
};

// Processor fault statuses, by their published values.
constexpr CodeMessage s_fault_messages[] = {
    {FaultCode::EXCEPTION_DATATYPE_MISALIGNMENT, MessageId::FAULT_DATATYPE_MISALIGNMENT},
    {FaultCode::EXCEPTION_ACCESS_VIOLATION, MessageId::FAULT_ACCESS_VIOLATION},
    {FaultCode::EXCEPTION_NONCONTINUABLE_EXCEPTION, MessageId::FAULT_NONCONTINUABLE},
    {FaultCode::EXCEPTION_ARRAY_BOUNDS_EXCEEDED, MessageId::FAULT_ARRAY_BOUNDS_EXCEEDED},
    {FaultCode::EXCEPTION_FLT_DENORMAL_OPERAND, MessageId::FAULT_FLT_DENORMAL_OPERAND},
    {FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO, MessageId::FAULT_FLT_DIVIDE_BY_ZERO},
    {FaultCode::EXCEPTION_FLT_INEXACT_RESULT, MessageId::FAULT_FLT_INEXACT_RESULT},
    {FaultCode::EXCEPTION_FLT_INVALID_OPERATION, MessageId::FAULT_FLT_INVALID_OPERATION},
    {FaultCode::EXCEPTION_FLT_OVERFLOW, MessageId::FAULT_FLT_OVERFLOW},
    {FaultCode::EXCEPTION_FLT_STACK_CHECK, MessageId::FAULT_STACK_OVERFLOW},
    {FaultCode::EXCEPTION_FLT_UNDERFLOW, MessageId::FAULT_FLT_UNDERFLOW},
    {FaultCode::EXCEPTION_INT_DIVIDE_BY_ZERO, MessageId::FAULT_INT_DIVIDE_BY_ZERO},
    {FaultCode::EXCEPTION_INT_OVERFLOW, MessageId::FAULT_INT_OVERFLOW},
    {FaultCode::EXCEPTION_PRIV_INSTRUCTION, MessageId::FAULT_PRIV_INSTRUCTION},
    // A recursion that hits the engine's depth limit reports it as the stack
    // overflow it prevents, not as an unknown exception.
    {FaultCode::EXCEPTION_STACK_OVERFLOW, MessageId::FAULT_STACK_OVERFLOW},
};

template <std::size_t N> const CodeMessage* findCode(const CodeMessage (&table)[N], std::uint32_t code) {
    const auto it = std::find_if(std::begin(table), std::end(table),
                                 [code](const CodeMessage& entry) { return entry.code == code; });
    return it != std::end(table) ? it : nullptr;
}

OrvantaCalcBase::MessageBoxHandler& messageBoxHandler() {
    static OrvantaCalcBase::MessageBoxHandler handler;
    return handler;
}
} // namespace

std::wstring OrvantaCalcBase::loadString(unsigned int id) {
    // Unsigned arithmetic: a nonsensical language wraps to a number with no
    // text and falls back like a missing translation.
    const unsigned int localized = id + MessageTable::LANGUAGE_OFFSET * static_cast<unsigned int>(s_language);
    for (const unsigned int candidate : {localized, id}) {
        const wchar_t* text = MessageTable::find(candidate);
        if (text != nullptr && *text != L'\0') return text;
    }
    return {};
}

void OrvantaCalcBase::setLanguage(int language) {
    s_language = language;
}

void OrvantaCalcBase::setLastError(const std::wstring& text) {
    m_error = text;
}

void OrvantaCalcBase::setLastError(int /*code*/) {
    m_error = loadString(messageForCode(m_last_exception));
}

std::wstring OrvantaCalcBase::getLastError() {
    return m_error;
}

std::uint32_t OrvantaCalcBase::getLastException() {
    return m_last_exception;
}

unsigned int OrvantaCalcBase::messageForCode(std::uint32_t code) {
    for (const CodeMessage* entry : {findCode(s_engine_messages, code), findCode(s_fault_messages, code)}) {
        if (entry != nullptr) return entry->message;
    }
    return MessageId::UNKNOWN_EXCEPTION;
}

int OrvantaCalcBase::exceptionHandler(std::uint32_t code) {
    m_last_exception = code;
    setLastError(static_cast<int>(code));
    return 1;
}

int OrvantaCalcBase::exceptionContinueHandler(std::uint32_t code) {
    m_last_exception = code;
    return 1;
}

int OrvantaCalcBase::exceptionNoneHandler(std::uint32_t /*code*/) {
    return 1;
}

void OrvantaCalcBase::setMessageBoxHandler(MessageBoxHandler handler) {
    messageBoxHandler() = std::move(handler);
}

void OrvantaCalcBase::showMessageBox(const std::wstring& text, MessageIcon icon) {
    if (messageBoxHandler()) messageBoxHandler()(text, icon);
}

std::uint32_t guard_detail::currentFaultCode() {
    try {
        throw;
    } catch (const EngineError& error) {
        return error.code();
    } catch (const std::bad_alloc&) {
        return ErrorCode::OUT_OF_MEMORY;
    } catch (const std::length_error&) {
        // A text or list that would outgrow what the library can hold.
        return ErrorCode::OUT_OF_MEMORY;
    } catch (const std::exception&) {
        return ErrorCode::INTERNAL;
    }
}
