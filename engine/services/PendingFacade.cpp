// Stand-ins until the facade lands; removed at that merge.
#include <memory>

#include "EngineGuard.h"
#include "OrvantaCalcBase.h"

bool OrvantaCalcBase::proove(std::wstring& input) {
    if (!input.empty()) return true;
    setLastError(loadString(40122));
    return false;
}

bool OrvantaCalcBase::calculateNormal(std::wstring& input, double& result) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(input)) return false;
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(input, true));
        result = tree->calculateConst();
        return true;
    });
}
