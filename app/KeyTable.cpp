#include "KeyTable.h"

#include <algorithm>
#include <array>
#include <cwchar>

namespace {
// Texts of an inserting key. With two texts the second is the Inv variant;
// with four they are chosen by (Inv, Hyp): (off, off), (on, off), (off, on),
// (on, on).
struct InsertKey {
    int id;
    std::array<const wchar_t*, 4> texts;
};

constexpr InsertKey s_insert_keys[] = {
    {1402, {L"7"}},
    {1403, {L"8"}},
    {1404, {L"9"}},
    {1405, {L"4"}},
    {1406, {L"5"}},
    {1407, {L"6"}},
    {1408, {L"1"}},
    {1409, {L"2"}},
    {1410, {L"3"}},
    {1411, {L"0"}},
    {1413, {L"."}},
    {1414, {L"/"}},
    {1415, {L"*"}},
    {1416, {L"-"}},
    {1417, {L"+"}},
    {1276, {L"("}},
    {1513, {L"("}},
    {1277, {L")"}},
    {1419, {L")"}},
    {1280, {L"()"}},
    {1279, {L"pi"}},
    {1420, {L"pi"}},
    {1323, {L"e"}},
    {1248, {L"E"}},
    {1326, {L"="}},
    {1253, {L"="}},
    {1327, {L"\u00B4"}},
    {1286, {L"\r\n"}},
    {1421, {L"^", L"^(1/)"}},
    {1068, {L"sqr()", L"rand()"}},
    {1026, {L"x\u00B2"}},
    {1031, {L"x\u00B3"}},
    {1019, {L"lg()"}},
    {1020, {L"!", L"binom(,)"}},
    {1428, {L"ln()", L"e"}},
    {1071, {L"abs()", L"sign()"}},
    {1088, {L"sum()", L"gcd(,)"}},
    {1306, {L"mod(,)", L"imod(,)"}},
    {1308, {L"int()", L"frac()"}},
    {1041, {L"pol(,)"}},
    {1425, {L"sin()", L"arcsin()", L"sinh()", L"arcsinh()"}},
    {1426, {L"cos()", L"arccos()", L"cosh()", L"arccosh()"}},
    {1427, {L"tan()", L"arctan()", L"tanh()", L"arctanh()"}},
    {1022, {L"cot()", L"arccot()", L"coth()", L"arccoth()"}},
    {1342, {L"re()"}},
    {1343, {L"im()"}},
    {1357, {L"con()"}},
    {1123, {L"and(,)"}},
    {1125, {L"or(,)"}},
    {1127, {L"xor(,)"}},
    {1129, {L"nand(,)"}},
    {1230, {L"nor(,)"}},
    {1135, {L"not()"}},
    {1172, {L"rsh()"}},
    {1173, {L"lsh()"}},
    {1243, {L"A"}},
    {1244, {L"B"}},
    {1245, {L"C"}},
    {1246, {L"D"}},
    {1242, {L"E"}},
    {1247, {L"F"}},
    {1231, {L"[u]"}},
    {1232, {L"[v]"}},
    {1233, {L"[w]"}},
    {1234, {L"[x]"}},
    {1235, {L"[y]"}},
    {1236, {L"[z]"}},
    {1435, {L"x"}},
    {1437, {L"y"}},
    // Statistic functions: x values, y values with Inv.
    {1494, {L"sumx()", L"sumy()"}},
    {1495, {L"sumsqx()", L"sumsqy()"}},
    {1496, {L"meanx()", L"meany()"}},
    {1497, {L"stddevx()", L"stddevy()"}},
    {1498, {L"varx()", L"vary()"}},
    {1499, {L"medx()", L"medy()"}},
    {1500, {L"minx()", L"miny()"}},
    {1501, {L"maxx()", L"maxy()"}},
    {1505, {L"sumxy()", L"cnt()"}},
    {1507, {L"quantx()", L"quanty()"}},
    {1509, {L"stddevpopx()", L"stddevpopy()"}},
    {1511, {L"meangeomx()", L"meangeomy()"}},
    {1512, {L"varcoffsamx()", L"varcoffsamy()"}},
    {1359, {L"varcoffpopx()", L"varcoffpopy()"}},
    {1329, {L"varpopx()", L"varpopy()"}},
};

// The imaginary unit follows the use-j setting.
constexpr int s_unit_keys[] = {1040, 1214, 1281};

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
    {1425, {L"sin", L"asin", L"sinh", L"asinh"}, {}},
    {1426, {L"cos", L"acos", L"cosh", L"acosh"}, {}},
    {1427, {L"tan", L"atan", L"tanh", L"atanh"}, {}},
    {1022, {L"cot", L"acot", L"coth", L"acoth"}, {}},
    {1421, {L"x^y", L"x^1/y"}, {}},
    {1068, {L"sqr", L"rnd"}, {}},
    {1020, {L"n!", L"nCr"}, {}},
    {1428, {L"ln", L"e"}, {}},
    {1071, {L"abs", L"sgn"}, {}},
    {1088, {L"sum", L"gcd"}, {}},
    {1306, {L"mod", L"imod"}, {}},
    {1308, {L"int", L"frac"}, {}},
    {1286, {L"\u21B5"}, {}},
    {1327, {L"\u2220"}, {}},
    {1083, {L"Inv"}, {}},
    {1181, {L"Inv"}, {}},
    {1250, {L"inv"}, {}},
    {1090, {L"Hyp"}, {}},
    {1304, {L"Hyp"}, {}},
    {1089, {L"DRG"}, {L"GRG"}},
    {1305, {L"DEG"}, {L"GRD"}},
    {1311, {L"RAD"}, {}},
    {1312, {L"GRAD"}, {L"GON"}},
    {1195, {L"HEX"}, {}},
    {1319, {L"BIN"}, {}},
    {1320, {L"DEC"}, {L"DEZ"}},
    {1197, {L"OCT"}, {L"OKT"}},
    {1131, {L"Base"}, {L"Basis"}},
    {1514, {L"\u2192bin"}, {}},
    {1515, {L"\u2192hex"}, {}},
    {1516, {L"\u2192dec"}, {L"\u2192dez"}},
    {1517, {L"\u2192oct"}, {L"\u2192okt"}},
    {1315, {L"Polar"}, {}},
    {1316, {L"Rect"}, {L"Kart"}},
    {1023, {L"="}, {}},
    {1024, {L"="}, {}},
    {1025, {L"="}, {}},
    {1215, {L"="}, {}},
    {1360, {L"CLR"}, {L"L\u00D6"}},
    {1028, {L"CLR"}, {L"L\u00D6"}},
    {1361, {L"\u2190"}, {}},
    {1027, {L"\u2190"}, {}},
    {1032, {L"M+"}, {L"S+"}},
    {1033, {L"M\u2212"}, {L"S\u2212"}},
    {1038, {L"MC"}, {L"SL"}},
    {1039, {L"MR"}, {L"SA"}},
    {1508, {L"Sel"}, {L"Ausw"}},
    {1249, {L"Bank"}, {}},
    {1362, {L"Opt"}, {}},
    {1123, {L"and"}, {}},
    {1125, {L"or"}, {}},
    {1127, {L"xor"}, {}},
    {1129, {L"nand"}, {}},
    {1230, {L"nor"}, {}},
    {1135, {L"not"}, {}},
    {1172, {L"rsh"}, {}},
    {1173, {L"lsh"}, {}},
    {1342, {L"Re"}, {}},
    {1343, {L"Im"}, {}},
    {1357, {L"conj"}, {L"konj"}},
    {1041, {L"pol"}, {}},
    {1256, {L"load"}, {L"laden"}},
    {1257, {L"save"}, {L"speich."}},
    {1540, {L"Plot"}, {}},
    {1541, {L"Esc"}, {L"Abbr."}},
    {1542, {L"Names"}, {L"Namen"}},
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
    const int column = id - 1453;
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
std::vector<KeySpot> foldForLandscape(std::span<const KeySpot> portrait, int columns, int rows) {
    const int half = (rows + 1) / 2;
    std::vector<KeySpot> folded(portrait.begin(), portrait.end());
    for (KeySpot& spot : folded)
        if (spot.row >= half) {
            spot.row -= half;
            spot.column += columns;
        }
    return folded;
}
} // namespace KeyTable
