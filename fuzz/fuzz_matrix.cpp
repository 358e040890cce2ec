// The matrix calculator: two matrices of cell texts, every operation, real and
// complex. The payload is 'rows,columns;cell;cell...' per matrix, one a line.
// Settings: the operation in bits 0-3, complex cells in bit 4, the number
// mode in bits 5-6, the polar form in bit 7.
#include <string>
#include <vector>

#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "MatrixContent.h"
#include "OrvantaCalcBase.h"

namespace {
// Shape digits first, then the cells; the shape may disagree with the number
// of cells, as a broken caller's would.
MatrixContent matrix(std::string_view line) {
    MatrixContent m;
    if (line.size() < 2) return m;
    m.rows = line[0] - '0';
    m.columns = line[1] - '0';
    std::string_view rest = line.substr(2);
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        m.cells.push_back(fuzz::toText(rest.substr(0, end)));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return m;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size);
    EngineAdapter adapter(*s_engine);
    adapter.settings().numberMode = static_cast<int>(input.pick(5, 3));
    adapter.settings().complexResult = input.flag(7) ? CalculatorModes::POLAR : CalculatorModes::RECTANGULAR;

    MatrixContent a = matrix(input.field(0));
    MatrixContent b = matrix(input.field(1));
    MatrixContent result;
    std::wstring message;
    const auto op = static_cast<CalculatorModes::MATRIXOPERATION>(input.pick(0, 16));
    adapter.calculateMatrix(result, a, b, op, !input.flag(4), message);
    return 0;
}
