#include "EngineTables.h"

#include <array>
#include <vector>

#include "RegistryNames.h"

// Until the engine carries the settings tables of its user slots, the program
// keeps the same names and defaults here, and the equations beside the engine.
namespace {
struct Built {
    std::vector<std::wstring> texts;
    std::vector<const wchar_t*> pointers;
    void add(std::wstring name, std::wstring value) {
        texts.push_back(std::move(name));
        texts.push_back(std::move(value));
    }
    const wchar_t* const* finish() {
        pointers.clear();
        for (const std::wstring& t : texts) pointers.push_back(t.c_str());
        return pointers.data();
    }
};

Built& functionTexts() {
    static Built built = [] {
        Built b;
        for (int n = 1; n <= 14; ++n) {
            const std::wstring my = L"My" + std::to_wstring(n);
            b.add(my, n == 1 ? L"perc(x,y)=x/y*100" : n == 2 ? L"^(1/3)" : L"");
            b.add(my + L"Text", n == 1 ? L"perc" : n == 2 ? L"cur" : L"");
            b.add(my + L"Inv", L"");
            b.add(my + L"InvText", L"");
        }
        b.finish();
        return b;
    }();
    return built;
}

Built& constantTexts() {
    static Built built = [] {
        Built b;
        for (int n = 1; n <= 14; ++n) {
            b.add(L"MyConst" + std::to_wstring(n) + L"Key", L"");
            b.add(L"MyConst" + std::to_wstring(n) + L"Val", L"");
        }
        b.finish();
        return b;
    }();
    return built;
}

Built& equationTexts() {
    static Built built = [] {
        const wchar_t* defaults[3][3] = {{L"phytagoras", L"a^2+b^2=c^2", L"a;b;c"},
                                         {L"2 functions interception", L"x^2-3=x+1", L"x"},
                                         {L"circle", L"r=U/(2*PI)", L"r;U"}};
        Built b;
        for (int n = 0; n < 10; ++n) {
            const std::wstring eq = L"MyEquation" + std::to_wstring(n);
            b.add(eq + L"Name", n < 3 ? defaults[n][0] : L"");
            b.add(eq + L"Equation", n < 3 ? defaults[n][1] : L"");
            b.add(eq + L"Params", n < 3 ? defaults[n][2] : L"");
            b.add(eq + (n < 7 ? L"ParamValue" : L"aramValue"), L"");
        }
        b.finish();
        return b;
    }();
    return built;
}

std::array<std::wstring, 40> s_equation_slots;

// Function entry 4k..4k+3 of key k+1: formula, caption, Inv formula, Inv caption.
std::wstring getFunction(const OrvantaCalcBase& engine, int entry) {
    const int slot = 2 * (entry / 4) + (entry % 4) / 2;
    return entry % 2 == 0 ? engine.getExpression(slot) : engine.getDescription(slot);
}
void setFunction(OrvantaCalcBase& engine, int entry, const std::wstring& text) {
    const int slot = 2 * (entry / 4) + (entry % 4) / 2;
    if (entry % 2 == 0)
        engine.initFunctions(slot, engine.getDescription(slot), text);
    else
        engine.initFunctions(slot, text, engine.getExpression(slot));
}

std::wstring getConstant(const OrvantaCalcBase& engine, int entry) {
    return entry % 2 == 0 ? engine.getConstKey(entry / 2) : engine.getConstVal(entry / 2);
}
void setConstant(OrvantaCalcBase& engine, int entry, const std::wstring& text) {
    if (entry % 2 == 0)
        engine.setConst(entry / 2, text, engine.getConstVal(entry / 2));
    else
        engine.setConst(entry / 2, engine.getConstKey(entry / 2), text);
}

std::wstring getEquation(const OrvantaCalcBase&, int entry) {
    return entry >= 0 && entry < 40 ? s_equation_slots[static_cast<std::size_t>(entry)] : std::wstring();
}
void setEquation(OrvantaCalcBase&, int entry, const std::wstring& text) {
    if (entry >= 0 && entry < 40) s_equation_slots[static_cast<std::size_t>(entry)] = text;
}
} // namespace

namespace EngineTables {
SlotTable functions() {
    return {RegistryNames::ROOT, 56, functionTexts().pointers.data(), getFunction, setFunction};
}
SlotTable constants() {
    return {RegistryNames::CONSTANTS, 28, constantTexts().pointers.data(), getConstant, setConstant};
}
SlotTable equations() {
    return {RegistryNames::EQUATIONS, 40, equationTexts().pointers.data(), getEquation, setEquation};
}
} // namespace EngineTables
