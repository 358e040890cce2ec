// The built-in unit groups and units of the converter.
#include "OrvantaCalcBase.h"

#include <iterator>

const wchar_t* const OrvantaCalcBase::s_convertergroups[] = {
    L"All",  L"Distance", L"Weight",      L"Volumina", L"Speed",
    L"Area", L"Power",    L"Temperature", L"Time",     L"Pressure",
};

const wchar_t* const OrvantaCalcBase::s_convertergroups_ger[] = {
    L"Alle",   L"Entfernung", L"Gewicht",    L"Volumen", L"Geschwindigkeit",
    L"Fläche", L"Kraft",      L"Temperatur", L"Zeit",    L"Druck",
};

const int OrvantaCalcBase::s_convertergroups_size = static_cast<int>(std::size(s_convertergroups));
static_assert(std::size(OrvantaCalcBase::s_convertergroups) ==
              std::size(OrvantaCalcBase::s_convertergroups_ger));

// Factors are sizes in the base unit of the kind (the unit with factor 1); the
// temperature scales carry codes instead, converted by formula.
const MetricDefault OrvantaCalcBase::s_metrics[] = {
    {L"kilometer", 1000, 1},
    {L"meter", 1, 1},
    {L"centimeter", 0.01, 1},
    {L"milimeter", 0.001, 1},
    {L"seamile(ger)", 1852, 1},
    {L"mile", 1609.3, 1},
    {L"yard", 0.9144, 1},
    {L"feet", 0.3048, 1},
    {L"inch", 0.0254, 1},
    {L"archin(rus)", 711.2, 1},
    {L"saschen(rus)", 2.1336, 1},

    {L"kilogram", 1000, 2},
    {L"gram", 1, 2},
    {L"lbs(pound)", 453.59, 2},
    {L"ounce", 28.3495, 2},
    {L"zentner(ger)", 50000, 2},

    {L"cubicmeter", 1000, 3},
    {L"hectoliter", 100, 3},
    {L"liter (cubic decimeter)", 1, 3},
    {L"centiliter", 0.01, 3},
    {L"mililiter", 0.001, 3},
    {L"barrel(usa)", 115.63, 3},
    {L"bushell(usa)", 35.239, 3},
    {L"gallon(usa)", 3.7853, 3},
    {L"quart(usa)", 0.9463, 3},
    {L"pint(usa)", 0.47318, 3},
    {L"cup(usa)", 0.2366, 3},
    {L"fl.oz.(usa)", 0.029575, 3},
    {L"barrel(brit)", 163.66, 3},
    {L"bushell(brit)", 36.369, 3},
    {L"gallon(brit)", 4.5461, 3},
    {L"pint(brit)", 0.56826, 3},
    {L"cup(brit)", 0.2273, 3},
    {L"fl.oz.(brit)", 0.028407, 3},

    {L"kilometers/hour", 1000.0 / 3600, 4},
    {L"meters/second", 1, 4},
    {L"miles/hour", 1609.3 / 3600, 4},
    {L"feet/second", 0.3048, 4},

    {L"square meter", 1, 5},
    {L"square kilometer", 1000000, 5},
    {L"hectare", 10000, 5},
    {L"morgen", 4046.87, 5},
    {L"square mile", 2589998, 5},
    {L"square yard", 0.836, 5},
    {L"square foot", 0.0929, 5},
    {L"acre", 4046.87, 5},
    {L"square zoll", 0.06542, 5},

    {L"watt (J/s)", 1, 6},
    {L"kilowatt", 1000, 6},
    {L"ps", 736, 6},
    {L"kcal/s", 4190, 6},
    {L"kcal/h", 1.16, 6},
    {L"kp m/s", 9.81, 6},

    {L"Celsius", 1, 7},
    {L"Kelvin", 2, 7},
    {L"Fahrenheit", 3, 7},
    {L"Reaumur", 4, 7},
    {L"Rankine", 5, 7},

    {L"Second", 1, 8},
    {L"Minute", 60, 8},
    {L"Hour", 3600, 8},
    {L"Day", 86400, 8},
    {L"Milisecond", 0.001, 8},

    {L"Athmospheres", 1.0133, 9},
    {L"Bar (ger)", 1, 9},
    {L"Pound/in² (psi)", 0.06895, 9},
};

const int OrvantaCalcBase::s_metrics_size = static_cast<int>(std::size(s_metrics));
static_assert(std::size(OrvantaCalcBase::s_metrics) == 66);
