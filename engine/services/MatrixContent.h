#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// One matrix as the matrix view and the engine exchange it: its shape, and its
// cells as expression texts row by row (cell (r, c), counted from 0, at index
// r * columns + c). A matrix with 0 rows or 0 columns is empty. The engine
// reads the operands and writes shape and cells of a result.
class MatrixContent {
public:
    MatrixContent() = default;
    MatrixContent(int rows, int columns, std::vector<std::wstring> cells)
        : rows(rows), columns(columns), cells(std::move(cells)) {}

    bool isEmpty() const { return rows <= 0 || columns <= 0; }
    // Number of cells the shape names (0 for an empty matrix).
    std::size_t cellCount() const {
        return isEmpty() ? 0 : static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    }

    int rows = 0;
    int columns = 0;
    std::vector<std::wstring> cells;
};
