#pragma once
#include <cstdint>
#include <type_traits>
#include <utility>

#include "EngineError.h"
#include "OrvantaCalcBase.h"

// Guards turn a fault raised anywhere below a facade call (an engine code from
// the expression engine or the function library, or a processor fault status)
// into the facade's way of failing. Wrap a body in one line:
//
//     bool OrvantaCalcBase::calculateNormal(std::wstring& input, double& result) {
//         return guarded<Guard::Reporting>([&] {
//             if (!proove(input)) return false;
//             ...
//             return true;
//         });
//     }
//
// Bodies free what they allocate through owners (unique_ptr, vectors), so
// unwinding releases it; an optional second callable runs after the filter for
// anything else the handler has to undo.
enum class Guard {
    // Public entry points: record the code, set its message as the last error
    // and return false.
    Reporting,
    // Inner routines that clean up on their own: record the code, clean up and
    // raise the same code again for the enclosing entry point to report.
    Recording,
    // Swallow the fault and return false; the last error stays as it was.
    Silent,
};

namespace guard_detail {
// The fault code of the exception being handled. Engine errors carry theirs;
// running out of memory becomes 1002 "Not enough memory..." and any other
// standard-library failure 1024 "Internal error occured!", so that they are
// reported like any engine failure instead of ending the program. Anything
// else is not a fault of the calculation and is rethrown. Call it only while
// an exception is being handled.
std::uint32_t currentFaultCode();

struct NoCleanup {
    void operator()() const noexcept {}
};
} // namespace guard_detail

// Runs body under the guard G. Reporting and Silent return bool: the body's
// own result (true for a void body), or false after a fault. Recording returns
// whatever the body returns and never swallows a fault.
template <Guard G, class Body, class Cleanup = guard_detail::NoCleanup>
auto guarded(Body&& body, Cleanup&& cleanup = Cleanup{}) {
    using Result = std::invoke_result_t<Body&>;
    if constexpr (G == Guard::Recording) {
        try {
            return body();
        } catch (...) {
            const std::uint32_t code = guard_detail::currentFaultCode();
            OrvantaCalcBase::exceptionContinueHandler(code);
            cleanup();
            raiseEngineError(code);
        }
    } else {
        try {
            if constexpr (std::is_void_v<Result>) {
                body();
                return true;
            } else {
                return static_cast<bool>(body());
            }
        } catch (...) {
            const std::uint32_t code = guard_detail::currentFaultCode();
            if constexpr (G == Guard::Reporting) {
                OrvantaCalcBase::exceptionHandler(code);
            } else {
                OrvantaCalcBase::exceptionNoneHandler(code);
            }
            cleanup();
            return false;
        }
    }
}
