#include <algorithm>
#include <iterator>
#include <new>
#include <stdexcept>
#include <utility>

#include "EngineError.h"
#include "EngineGuard.h"
#include "MessageTable.h"
#include "OrvantaCalcBase.h"

std::wstring OrvantaCalcBase::m_error;
std::uint32_t OrvantaCalcBase::m_last_exception = 0;
int OrvantaCalcBase::s_language = 0;

namespace {
struct CodeMessage {
    std::uint32_t code;
    unsigned int message;
};

constexpr unsigned int UNKNOWN_EXCEPTION = 40125;
constexpr std::uint32_t OUT_OF_MEMORY = 1002;
constexpr std::uint32_t INTERNAL_ERROR = 1024;

// Engine error codes. 1008, 1015 and 1027 are not raised anywhere and stay
// unknown on purpose.
constexpr CodeMessage s_engine_messages[] = {
    {1002, 40160}, {1003, 40159}, {1004, 40158}, {1005, 40157}, {1006, 40156}, {1007, 40155},
    {1009, 40154}, {1010, 40153}, {1011, 40152}, {1012, 40151}, {1013, 40150}, {1014, 40149},
    {1016, 40147}, {1017, 40148}, {1018, 40146}, {1019, 40145}, {1020, 40144}, {1021, 40143},
    {1022, 40142}, {1023, 40141}, {1024, 40140}, {1025, 40139}, {1026, 40138}, {1028, 40137},
    {1029, 40136}, {1030, 40135}, {1031, 40134}, {1032, 40133}, {1033, 40132}, {1034, 40131},
    {1035, 40130}, {1036, 40128}, {1037, 40129}, {1038, 40127}, {1039, 40126}, {1040, 40324},
};

// Processor fault statuses, by their published values.
constexpr CodeMessage s_fault_messages[] = {
    {FaultCode::EXCEPTION_DATATYPE_MISALIGNMENT, 40173},
    {FaultCode::EXCEPTION_ACCESS_VIOLATION, 40174},
    {FaultCode::EXCEPTION_NONCONTINUABLE_EXCEPTION, 40161},
    {FaultCode::EXCEPTION_ARRAY_BOUNDS_EXCEEDED, 40172},
    {FaultCode::EXCEPTION_FLT_DENORMAL_OPERAND, 40171},
    {FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO, 40170},
    {FaultCode::EXCEPTION_FLT_INEXACT_RESULT, 40169},
    {FaultCode::EXCEPTION_FLT_INVALID_OPERATION, 40168},
    {FaultCode::EXCEPTION_FLT_OVERFLOW, 40167},
    {FaultCode::EXCEPTION_FLT_STACK_CHECK, 40166},
    {FaultCode::EXCEPTION_FLT_UNDERFLOW, 40165},
    {FaultCode::EXCEPTION_INT_DIVIDE_BY_ZERO, 40164},
    {FaultCode::EXCEPTION_INT_OVERFLOW, 40162},
    {FaultCode::EXCEPTION_PRIV_INSTRUCTION, 40163},
    // A recursion that hits the engine's depth limit reports it as the stack
    // overflow it prevents, not as an unknown exception.
    {FaultCode::EXCEPTION_STACK_OVERFLOW, 40166},
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
    return UNKNOWN_EXCEPTION;
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
        return OUT_OF_MEMORY;
    } catch (const std::length_error&) {
        // A text or list that would outgrow what the library can hold.
        return OUT_OF_MEMORY;
    } catch (const std::exception&) {
        return INTERNAL_ERROR;
    }
}
