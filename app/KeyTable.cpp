#include "KeyTable.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <utility>

#include "KeyIds.h"

namespace {
namespace K = KeyId;

// Texts of an inserting key. With two texts the second is the Inv variant;
// with four they are chosen by (Inv, Hyp): (off, off), (on, off), (off, on),
// (on, on).
struct InsertKey {
    int id;
    std::array<const wchar_t*, 4> texts;
};

constexpr InsertKey s_insert_keys[] = {
    {K::DIGIT_7, {L"7"}},
    {K::DIGIT_8, {L"8"}},
    {K::DIGIT_9, {L"9"}},
    {K::DIGIT_4, {L"4"}},
    {K::DIGIT_5, {L"5"}},
    {K::DIGIT_6, {L"6"}},
    {K::DIGIT_1, {L"1"}},
    {K::DIGIT_2, {L"2"}},
    {K::DIGIT_3, {L"3"}},
    {K::DIGIT_0, {L"0"}},
    {K::POINT, {L"."}},
    {K::DIVIDE, {L"/"}},
    {K::MULTIPLY, {L"*"}},
    {K::MINUS, {L"-"}},
    {K::PLUS, {L"+"}},
    {K::OPEN, {L"("}},
    {K::OPEN_2, {L"("}},
    {K::CLOSE, {L")"}},
    {K::CLOSE_2, {L")"}},
    {K::PARENTHESES, {L"()"}},
    {K::PI, {L"pi"}},
    {K::PI_2, {L"pi"}},
    {K::EULER, {L"e"}},
    {K::EXPONENT, {L"E"}},
    {K::EQUALS_SIGN, {L"="}},
    {K::EQUALS_SIGN_2, {L"="}},
    {K::ANGLE_MARK, {L"\u00B4"}},
    {K::LINE_BREAK, {L"\r\n"}},
    {K::POWER, {L"^", L"^(1/)"}},
    {K::ROOT, {L"sqr()", L"rand()"}},
    {K::SQUARE, {L"x\u00B2"}},
    {K::CUBE, {L"x\u00B3"}},
    {K::LG, {L"lg()"}},
    {K::FACTORIAL, {L"!", L"binom(,)"}},
    {K::LN, {L"ln()", L"e"}},
    {K::ABS, {L"abs()", L"sign()"}},
    {K::SUM, {L"sum()", L"gcd(,)"}},
    {K::MOD, {L"mod(,)", L"imod(,)"}},
    {K::INT, {L"int()", L"frac()"}},
    {K::POL, {L"pol(,)"}},
    {K::SIN, {L"sin()", L"arcsin()", L"sinh()", L"arcsinh()"}},
    {K::COS, {L"cos()", L"arccos()", L"cosh()", L"arccosh()"}},
    {K::TAN, {L"tan()", L"arctan()", L"tanh()", L"arctanh()"}},
    {K::COT, {L"cot()", L"arccot()", L"coth()", L"arccoth()"}},
    {K::RE, {L"re()"}},
    {K::IM, {L"im()"}},
    {K::CONJ, {L"con()"}},
    {K::AND, {L"and(,)"}},
    {K::OR, {L"or(,)"}},
    {K::XOR, {L"xor(,)"}},
    {K::NAND, {L"nand(,)"}},
    {K::NOR, {L"nor(,)"}},
    {K::NOT, {L"not()"}},
    {K::RSH, {L"rsh()"}},
    {K::LSH, {L"lsh()"}},
    {K::HEX_A, {L"A"}},
    {K::HEX_B, {L"B"}},
    {K::HEX_C, {L"C"}},
    {K::HEX_D, {L"D"}},
    {K::HEX_E, {L"E"}},
    {K::HEX_F, {L"F"}},
    {K::PARAM_U, {L"[u]"}},
    {K::PARAM_V, {L"[v]"}},
    {K::PARAM_W, {L"[w]"}},
    {K::PARAM_X, {L"[x]"}},
    {K::PARAM_Y, {L"[y]"}},
    {K::PARAM_Z, {L"[z]"}},
    {K::VARIABLE_X, {L"x"}},
    {K::VARIABLE_Y, {L"y"}},
    // Statistic functions: x values, y values with Inv.
    {K::STAT_SUM, {L"sumx()", L"sumy()"}},
    {K::STAT_SUM_SQUARES, {L"sumsqx()", L"sumsqy()"}},
    {K::STAT_MEAN, {L"meanx()", L"meany()"}},
    {K::STAT_STDDEV, {L"stddevx()", L"stddevy()"}},
    {K::STAT_VAR, {L"varx()", L"vary()"}},
    {K::STAT_MEDIAN, {L"medx()", L"medy()"}},
    {K::STAT_MIN, {L"minx()", L"miny()"}},
    {K::STAT_MAX, {L"maxx()", L"maxy()"}},
    {K::STAT_SUM_XY, {L"sumxy()", L"cnt()"}},
    {K::STAT_QUANTILE, {L"quantx()", L"quanty()"}},
    {K::STAT_STDDEV_POP, {L"stddevpopx()", L"stddevpopy()"}},
    {K::STAT_MEAN_GEOM, {L"meangeomx()", L"meangeomy()"}},
    {K::STAT_VARCOFF_SAMPLE, {L"varcoffsamx()", L"varcoffsamy()"}},
    {K::STAT_VARCOFF_POP, {L"varcoffpopx()", L"varcoffpopy()"}},
    {K::STAT_VAR_POP, {L"varpopx()", L"varpopy()"}},
};

// The imaginary unit follows the use-j setting.
constexpr int s_unit_keys[] = {K::IMAGINARY, K::IMAGINARY_2, K::IMAGINARY_3};

const InsertKey* findInsert(int id) {
    const auto* it = std::find_if(std::begin(s_insert_keys), std::end(s_insert_keys),
                                  [id](const InsertKey& k) { return k.id == id; });
    return it == std::end(s_insert_keys) ? nullptr : it;
}

// Captions that differ from the inserted text, by (Inv, Hyp) like the texts;
// a German caption only where the word differs.
struct Caption {
    int id;
    std::array<const wchar_t*, 4> english;
    std::array<const wchar_t*, 4> german;
};

constexpr Caption s_captions[] = {
    {K::SIN, {L"sin", L"asin", L"sinh", L"asinh"}, {}},
    {K::COS, {L"cos", L"acos", L"cosh", L"acosh"}, {}},
    {K::TAN, {L"tan", L"atan", L"tanh", L"atanh"}, {}},
    {K::COT, {L"cot", L"acot", L"coth", L"acoth"}, {}},
    {K::POWER, {L"x^y", L"x^1/y"}, {}},
    {K::ROOT, {L"sqr", L"rnd"}, {}},
    {K::FACTORIAL, {L"n!", L"nCr"}, {}},
    {K::LN, {L"ln", L"e"}, {}},
    {K::ABS, {L"abs", L"sgn"}, {}},
    {K::SUM, {L"sum", L"gcd"}, {}},
    {K::MOD, {L"mod", L"imod"}, {}},
    {K::INT, {L"int", L"frac"}, {}},
    {K::LINE_BREAK, {L"\u21B5"}, {}},
    {K::ANGLE_MARK, {L"\u2220"}, {}},
    {K::INV, {L"Inv"}, {}},
    {K::INV_2, {L"Inv"}, {}},
    {K::INV_BANK, {L"inv"}, {}},
    {K::HYP, {L"Hyp"}, {}},
    {K::HYP_2, {L"Hyp"}, {}},
    {K::ANGLE_CYCLE, {L"DRG"}, {L"GRG"}},
    {K::DEG, {L"DEG"}, {L"GRD"}},
    {K::RAD, {L"RAD"}, {}},
    {K::GRAD, {L"GRAD"}, {L"GON"}},
    {K::HEX_INPUT, {L"HEX"}, {}},
    {K::BIN_INPUT, {L"BIN"}, {}},
    {K::DEC_INPUT, {L"DEC"}, {L"DEZ"}},
    {K::OCT_INPUT, {L"OCT"}, {L"OKT"}},
    {K::BASE_CYCLE, {L"Base"}, {L"Basis"}},
    {K::TO_BIN, {L"\u2192bin"}, {}},
    {K::TO_HEX, {L"\u2192hex"}, {}},
    {K::TO_DEC, {L"\u2192dec"}, {L"\u2192dez"}},
    {K::TO_OCT, {L"\u2192oct"}, {L"\u2192okt"}},
    {K::POLAR, {L"Polar"}, {}},
    {K::RECTANGULAR, {L"Rect"}, {L"Kart"}},
    {K::EQUALS, {L"="}, {}},
    {K::EQUALS_2, {L"="}, {}},
    {K::EQUALS_3, {L"="}, {}},
    {K::EQUALS_4, {L"="}, {}},
    {K::CLEAR, {L"CLR"}, {L"L\u00D6"}},
    {K::CLEAR_2, {L"CLR"}, {L"L\u00D6"}},
    {K::BACK, {L"\u2190"}, {}},
    {K::BACK_2, {L"\u2190"}, {}},
    {K::MEMORY_ADD, {L"M+"}, {L"S+"}},
    {K::MEMORY_DELETE, {L"M\u2212"}, {L"S\u2212"}},
    {K::MEMORY_CLEAR, {L"MC"}, {L"SL"}},
    {K::MEMORY_INSERT, {L"MR"}, {L"SA"}},
    {K::SELECT, {L"Sel"}, {L"Ausw"}},
    {K::BANK, {L"Bank"}, {}},
    {K::OPTIONS, {L"Opt"}, {}},
    {K::AND, {L"and"}, {}},
    {K::OR, {L"or"}, {}},
    {K::XOR, {L"xor"}, {}},
    {K::NAND, {L"nand"}, {}},
    {K::NOR, {L"nor"}, {}},
    {K::NOT, {L"not"}, {}},
    {K::RSH, {L"rsh"}, {}},
    {K::LSH, {L"lsh"}, {}},
    {K::RE, {L"Re"}, {}},
    {K::IM, {L"Im"}, {}},
    {K::CONJ, {L"conj"}, {L"konj"}},
    {K::POL, {L"pol"}, {}},
};

// The variant of a 1-, 2- or 4-text entry under Inv and Hyp.
const wchar_t* variant(const std::array<const wchar_t*, 4>& texts, bool inv, bool hyp) {
    const int wanted = (inv ? 1 : 0) + (hyp ? 2 : 0);
    if (texts[3]) return texts[wanted];
    if (texts[1]) return texts[inv ? 1 : 0];
    return texts[0];
}

std::wstring stripTemplate(std::wstring text) {
    for (const wchar_t* marker : {L"(,)", L"()"})
        if (const std::size_t at = text.find(marker); at != std::wstring::npos && at > 0)
            text.erase(at, std::wcslen(marker));
    return text;
}

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}
} // namespace

namespace KeyTable {
bool insertText(int id, bool inv, bool hyp, bool useJ, std::wstring& text) {
    if (std::find(std::begin(s_unit_keys), std::end(s_unit_keys), id) != std::end(s_unit_keys)) {
        text = useJ ? L"j" : L"i";
        return true;
    }
    const InsertKey* key = findInsert(id);
    if (!key) return false;
    text = variant(key->texts, inv, hyp);
    return true;
}

bool valueText(int id, std::wstring& text) {
    static constexpr std::pair<int, const wchar_t*> powers[] = {{K::SQUARE, L"^2"}, {K::CUBE, L"^3"}};
    for (const auto& [key, power] : powers)
        if (key == id) {
            text = power;
            return true;
        }
    return false;
}

std::wstring caption(int id, int language, bool inv, bool hyp, bool useJ) {
    const auto* it = std::find_if(std::begin(s_captions), std::end(s_captions),
                                  [id](const Caption& c) { return c.id == id; });
    if (it != std::end(s_captions)) {
        if (language && it->german[0]) return variant(it->german, inv, hyp);
        return variant(it->english, inv, hyp);
    }
    std::wstring text;
    if (insertText(id, inv, hyp, useJ, text)) return stripTemplate(text);
    return std::wstring();
}

std::wstring contextText(int id, const std::wstring& input) {
    const int column = id - KeyId::FIRST_CONTEXT;
    if (column < 0 || column > 4) return std::wstring();
    // The first matching prefix decides; "f(t,x)" and "z=f(x,y)" before
    // their shorter relatives.
    struct Row {
        const wchar_t* prefix;
        std::array<const wchar_t*, 5> texts;
    };
    static constexpr Row rows[] = {
        {L"f(t,x)", {L"x", L"x\u00B2", L"x\u00B3", L"t", L""}},
        {L"f(x,y)", {L"x", L"x\u00B2", L"x\u00B3", L"y", L"y\u00B2"}},
        {L"z=f(x,y)", {L"x", L"x\u00B2", L"x\u00B3", L"y", L"y\u00B2"}},
        {L"f(x)", {L"x", L"x\u00B2", L"x\u00B3", L"", L""}},
        {L"f(y)", {L"y", L"y\u00B2", L"y\u00B3", L"", L""}},
        {L"f(n)", {L"n", L"n\u00B2", L"n\u00B3", L"f(n-1)", L""}},
        {L"z(n+1)=", {L"j", L"z(n)", L"", L"", L""}},
        {L"f(t)", {L"t", L"", L"", L"", L""}},
        {L"z=f(t)", {L"t", L"", L"", L"", L""}},
    };
    for (const Row& row : rows)
        if (startsWith(input, row.prefix)) return row.texts[column];
    return std::wstring();
}
} // namespace KeyTable

namespace KeyTable {
bool isDecimalDigit(int id) {
    static constexpr int digits[] = {K::DIGIT_0, K::DIGIT_1, K::DIGIT_2, K::DIGIT_3, K::DIGIT_4,
                                     K::DIGIT_5, K::DIGIT_6, K::DIGIT_7, K::DIGIT_8, K::DIGIT_9};
    return std::find(std::begin(digits), std::end(digits), id) != std::end(digits);
}

std::vector<KeySpot> foldForLandscape(std::span<const KeySpot> portrait, int columns, int rows) {
    // The rows from the first to the last with a digit key form the digit
    // block; it moves to the right half as a whole, the other rows fill the
    // left half in their order and, when they are more than half of the
    // rows, continue on the right under the digits.
    int first = rows, last = -1;
    for (const KeySpot& spot : portrait)
        if (isDecimalDigit(spot.id)) {
            first = std::min(first, spot.row);
            last = std::max(last, spot.row);
        }
    std::vector<int> left, right;
    for (int row = first; row <= last; ++row)
        right.push_back(row);
    const int half = std::max((rows + 1) / 2, static_cast<int>(right.size()));
    for (int row = 0; row < rows; ++row) {
        if (row >= first && row <= last) continue;
        (static_cast<int>(left.size()) < half ? left : right).push_back(row);
    }
    std::vector<KeySpot> folded(portrait.begin(), portrait.end());
    for (KeySpot& spot : folded) {
        if (const auto at = std::find(left.begin(), left.end(), spot.row); at != left.end()) {
            spot.row = static_cast<int>(at - left.begin());
        } else if (const auto on = std::find(right.begin(), right.end(), spot.row); on != right.end()) {
            spot.row = static_cast<int>(on - right.begin());
            spot.column += columns;
        }
    }
    return folded;
}
} // namespace KeyTable
