#include "OrvantaCalcBase.h"

OrvantaCalcBase::OrvantaCalcBase() { IExpression::s_calculator = this; }

OrvantaCalcBase::~OrvantaCalcBase() {
    if (IExpression::s_calculator == this) IExpression::s_calculator = nullptr;
}
