#include "ParseLimits.h"

#include "IExpression.h"

namespace {
// Text that expansions may add in one parse: generous for any formula a user
// writes, small enough that re-parsing it at every level stays quick.
constexpr std::size_t BASE_BUDGET = std::size_t{1} << 15;
constexpr std::size_t BUDGET_PER_CHARACTER = 4;

struct State {
    int depth = 0;
    bool budgetOpen = false;
    std::size_t budgetLeft = 0;
};
thread_local State t_state;
} // namespace

namespace ParseLimits {
Level::Level() : m_depth(t_state.depth + 1) {
    if (m_depth > IExpression::s_max_depth) raiseEngineError(ErrorCode::INVALID_INPUT);
    t_state.depth = m_depth;
}

Level::~Level() {
    t_state.depth = m_depth - 1;
}

void requireLevels(int more) {
    if (more > IExpression::s_max_depth - t_state.depth) raiseEngineError(ErrorCode::INVALID_INPUT);
}

Budget::Budget(std::size_t textLength) : m_owner(!t_state.budgetOpen) {
    if (!m_owner) return;
    t_state.budgetOpen = true;
    const std::size_t limit = static_cast<std::size_t>(-1) / 2;
    t_state.budgetLeft = textLength > (limit - BASE_BUDGET) / BUDGET_PER_CHARACTER
                             ? limit
                             : BASE_BUDGET + BUDGET_PER_CHARACTER * textLength;
}

Budget::~Budget() {
    if (m_owner) t_state.budgetOpen = false;
}

void charge(std::size_t times, std::size_t added) {
    if (!t_state.budgetOpen || added == 0) return;
    if (times > t_state.budgetLeft / added) raiseEngineError(ErrorCode::INVALID_INPUT);
    t_state.budgetLeft -= times * added;
}
} // namespace ParseLimits
