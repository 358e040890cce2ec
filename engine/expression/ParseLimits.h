#pragma once
#include <cstddef>

// Bounds on one parse, so that no text can exhaust the stack or the memory.
//
// The splitting parser recurses once per parenthesis level and once per
// operator ('1+1+1' is a left-deep tree), and evaluating and destroying a
// tree recurse as deep as it is: the recursion depth of parsing is therefore
// bounded by IExpression::s_max_depth. User constants and user functions are
// expanded again at every level, and a definition that uses itself (or a
// chain of definitions that doubles the text each time) would grow without
// end: the text they add during one parse is bounded by a budget.
//
// The state is per thread: a plot worker may parse while the user-interface
// thread does.
namespace ParseLimits {
// One level of parser recursion, held while a text is being parsed. Raises
// code 1007 when it would go deeper than IExpression::s_max_depth.
class Level {
public:
    Level();
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    int depth() const { return m_depth; }

private:
    int m_depth;
};

// Raises code 1007 now when parsing is known to need `more` levels below the
// current one that the limit does not allow, instead of finding out only after
// that many levels of work on a long text.
void requireLevels(int more);

// Opens the expansion budget of a parse (or of a direct call of a rewriting
// step) unless one is already open; the budget grows with the text.
class Budget {
public:
    explicit Budget(std::size_t textLength);
    ~Budget();
    Budget(const Budget&) = delete;
    Budget& operator=(const Budget&) = delete;

private:
    bool m_owner;
};

// Charges `times` insertions of `added` characters each to the open budget;
// raises code 1007 when it is spent.
void charge(std::size_t times, std::size_t added);
} // namespace ParseLimits
