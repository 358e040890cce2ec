#pragma once

// Term of the symbolic simplifier. Filled in with the simplifier itself.
class PolynomTerm {
public:
    virtual ~PolynomTerm() = default;
};
