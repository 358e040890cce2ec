// The document's side of the settings store: loading every setting at
// construction (writing first-start defaults in the same pass) and writing
// settings back.
#include <algorithm>
#include <climits>
#include <cwchar>

#include "COrvantaDoc.h"
#include "EngineTables.h"
#include "RegistryNames.h"
#include "SettingsStore.h"

namespace R = RegistryNames;

namespace {
// Standard decimal parsing: leading blanks, a sign, digits up to the first
// non-digit; no digits give 0. Values beyond int are clamped.
long long parseDecimal(const std::wstring& text) {
    return std::wcstoll(text.c_str(), nullptr, 10);
}

int parseInt(const std::wstring& text) {
    const long long value = parseDecimal(text);
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

ColorRef parseColour(const std::wstring& text) {
    return static_cast<ColorRef>(parseDecimal(text)) & 0xFFFFFF;
}

std::wstring decimal(long long value) {
    return std::to_wstring(value);
}
} // namespace

// ---- Loading ----

void COrvantaDoc::loadSlots(const SlotTable& table) {
    std::wstring text;
    if (!m_store.readString(table.key, table.name(0), text)) writeDefaults(table);
    for (int entry = 0; entry < table.size; ++entry)
        if (m_store.readString(table.key, table.name(entry), text)) table.set(*m_engine, entry, text);
}

// A constant is its name and its value: when either cannot be read, both
// become empty.
void COrvantaDoc::loadConstants() {
    const SlotTable table = EngineTables::constants();
    std::wstring probe;
    if (!m_store.readString(table.key, table.name(0), probe)) writeDefaults(table);
    for (int slot = 0; slot < table.size / 2; ++slot) {
        std::wstring name, value;
        const bool ok = m_store.readString(table.key, table.name(2 * slot), name) &&
                        m_store.readString(table.key, table.name(2 * slot + 1), value);
        table.set(*m_engine, 2 * slot, ok ? name : std::wstring());
        table.set(*m_engine, 2 * slot + 1, ok ? value : std::wstring());
    }
}

// An equation is its name, the equation and its parameter names (all three
// needed) and the parameter values (optional).
void COrvantaDoc::loadEquations() {
    const SlotTable table = EngineTables::equations();
    std::wstring probe;
    if (!m_store.readString(table.key, table.name(0), probe)) writeDefaults(table);
    for (int slot = 0; slot < table.size / 4; ++slot) {
        std::wstring texts[4];
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i)
            ok = m_store.readString(table.key, table.name(4 * slot + i), texts[i]);
        if (ok) {
            if (!m_store.readString(table.key, table.name(4 * slot + 3), texts[3])) texts[3].clear();
        } else {
            for (std::wstring& t : texts)
                t.clear();
        }
        for (int i = 0; i < 4; ++i)
            table.set(*m_engine, 4 * slot + i, texts[i]);
    }
}

// The precision counts only together with the number mode it was chosen for.
void COrvantaDoc::loadNumberFormat() {
    m_numMode = 0;
    m_precision = 10;
    std::wstring text;
    if (!m_store.readString(R::OPTIONS, R::NUM_MODE, text)) return;
    m_numMode = parseInt(text);
    if (m_store.readString(R::OPTIONS, R::PRECISION, text)) m_precision = parseInt(text);
}

void COrvantaDoc::markFirstStart() {
    std::wstring text;
    if (m_store.readString(R::ROOT, R::FIRST_START, text)) return;
    m_store.writeString(R::ROOT, R::FIRST_START, L"1");
    m_store.flush();
}

void COrvantaDoc::loadAngleUnit() {
    std::wstring text;
    m_mode = CalculatorModes::RAD;
    if (m_store.readString(R::OPTIONS, R::ANGLE_UNIT, text)) {
        // Only the three units exist; anything else would reach the engine
        // as an invalid unit.
        const int unit = parseInt(text);
        if (unit >= CalculatorModes::DEG && unit <= CalculatorModes::GRAD)
            m_mode = static_cast<CalculatorModes::MODE>(unit);
    }
}

void COrvantaDoc::loadLanguage() {
    std::wstring text;
    setLanguage(readOption(R::LANGUAGE, text, L"0") ? parseInt(text) : 0);
}

void COrvantaDoc::loadColours() {
    std::wstring text;
    if (!m_store.readString(R::OPTIONS, R::BACKGROUND, text))
        m_store.writeString(R::OPTIONS, R::BACKGROUND, L"16711680");
    if (!m_store.readString(R::OPTIONS, R::BACKGROUND_2D, text))
        m_store.writeString(R::OPTIONS, R::BACKGROUND_2D, L"8957567");
    if (!m_store.readString(R::OPTIONS, R::FUNCTION_COLOURS[0], text)) {
        const PlotSettings defaults;
        for (int i = 0; i < 4; ++i)
            m_store.writeString(R::OPTIONS, R::FUNCTION_COLOURS[i], decimal(defaults.functionColours[i]));
    }
    m_store.flush();

    m_plot.background = 0xFF0000;
    if (m_store.readString(R::OPTIONS, R::BACKGROUND, text)) m_plot.background = parseColour(text);
    if (m_store.readString(R::OPTIONS, R::BACKGROUND_2D, text)) m_plot.background2D = parseColour(text);
    for (int i = 0; i < 4; ++i)
        if (m_store.readString(R::OPTIONS, R::FUNCTION_COLOURS[i], text))
            m_plot.functionColours[i] = parseColour(text);
}

// StdBackground is off only for a readable value other than "1"; the other
// flags are on for any readable text but "0".
void COrvantaDoc::loadFlags() {
    std::wstring text;
    m_stdBackground = readOption(R::STD_BACKGROUND, text, L"1") && text != L"1" ? 0 : 1;
    const auto flag = [&](const wchar_t* name) -> unsigned char {
        return readOption(name, text, L"0") && text != L"0" ? 1 : 0;
    };
    setUseJ(flag(R::USE_J));
    m_resultInInput = flag(R::RESULT_IN_INPUT);
    m_useRPN = flag(R::USE_RPN);
}

// The history comes back in the order it was written (index 1 is the most
// recent); empty values are unused places and are skipped, like a repeated
// text, which the history never holds twice.
void COrvantaDoc::loadHistory() {
    std::wstring text;
    const std::wstring first = std::wstring(R::HISTORY_PREFIX) + L"1";
    if (!m_store.readString(R::HISTORY, first, text)) {
        for (int i = 1; i <= HISTORY_SIZE; ++i)
            m_store.writeString(R::HISTORY, R::HISTORY_PREFIX + std::to_wstring(i), L"");
        m_store.flush();
    }
    m_history.clear();
    for (int i = 1; i <= HISTORY_SIZE; ++i) {
        if (!m_store.readString(R::HISTORY, R::HISTORY_PREFIX + std::to_wstring(i), text) || text.empty())
            continue;
        if (std::find(m_history.begin(), m_history.end(), text) == m_history.end()) m_history.push_back(text);
    }
}

bool COrvantaDoc::readOption(const wchar_t* name, std::wstring& value, const wchar_t* defaultText) {
    if (!m_store.readString(R::OPTIONS, name, value)) {
        m_store.writeString(R::OPTIONS, name, defaultText);
        m_store.flush();
    }
    return m_store.readString(R::OPTIONS, name, value);
}

// ---- Writing ----

void COrvantaDoc::writeDefaults(const SlotTable& table) {
    for (int entry = 0; entry < table.size; ++entry)
        m_store.writeString(table.key, table.name(entry), table.defaultText(entry));
    m_store.flush();
}

void COrvantaDoc::writeSlots(const SlotTable& table) {
    for (int entry = 0; entry < table.size; ++entry) {
        const std::wstring text = table.get(*m_engine, entry);
        m_store.writeString(table.key, table.name(entry), text);
    }
    m_store.flush();
}

void COrvantaDoc::writeUserKeys() {
    writeSlots(EngineTables::functions());
}
void COrvantaDoc::writeConstants() {
    writeSlots(EngineTables::constants());
}
void COrvantaDoc::writeEquations() {
    writeSlots(EngineTables::equations());
}

void COrvantaDoc::writeOption(const wchar_t* name, int value) {
    m_store.writeString(R::OPTIONS, name, decimal(value));
}

void COrvantaDoc::writeOptions() {
    writeOption(R::NUM_MODE, m_numMode);
    writeOption(R::PRECISION, m_precision);
    writeColours();
    m_store.writeString(R::OPTIONS, R::STD_BACKGROUND, m_stdBackground ? L"1" : L"0");
    writeOption(R::LANGUAGE, m_language);
    writeOption(R::USE_J, m_useJ);
    writeOption(R::RESULT_IN_INPUT, m_resultInInput);
    writeOption(R::USE_RPN, m_useRPN);
    m_store.flush();
}

void COrvantaDoc::writeColours() {
    m_store.writeString(R::OPTIONS, R::BACKGROUND, decimal(m_plot.background));
    m_store.writeString(R::OPTIONS, R::BACKGROUND_2D, decimal(m_plot.background2D));
    for (int i = 0; i < 4; ++i)
        m_store.writeString(R::OPTIONS, R::FUNCTION_COLOURS[i], decimal(m_plot.functionColours[i]));
    m_store.flush();
}

void COrvantaDoc::writeAngleUnit() {
    writeOption(R::ANGLE_UNIT, m_mode);
    m_store.flush();
}

// Entries beyond the list's length keep what they held.
void COrvantaDoc::writeHistory() {
    int index = 1;
    for (const std::wstring& entry : m_history)
        m_store.writeString(R::HISTORY, R::HISTORY_PREFIX + std::to_wstring(index++), entry);
    m_store.flush();
}
