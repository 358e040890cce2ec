#pragma once
#include <string>
#include <utility>

// One row of the integral table: a function, its antiderivative, and the group
// (name and number, counted from 1) it is listed under.
class Integral {
public:
    Integral() = default;
    Integral(std::wstring function, std::wstring integral, std::wstring group, int number)
        : function(std::move(function)), integral(std::move(integral)), group(std::move(group)),
          number(number) {}
    Integral(const Integral& other) = default;
    Integral& operator=(const Integral& other) = default;

    std::wstring function;
    std::wstring integral;
    std::wstring group;
    int number = 0;
};
