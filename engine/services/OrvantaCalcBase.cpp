#include "OrvantaCalcBase.h"

Complex OrvantaCalcBase::s_erg;
