#pragma once
#include "MessageIds.h"
#include <functional>
#include <span>
#include <string>

class CCalculatorView;

// The ids of the controls, keys and program messages of the matrix and
// converter views, and the texts of theirs that the program's message table
// does not hold, in English and German.
namespace GridViewIds {
// ---- Matrix view ----
inline constexpr int MATRIX_TARGET = 1561; // "1", "2", "=": the grid shown and edited
inline constexpr int MATRIX_TYPE = 1562;   // "real", "complex"
inline constexpr int MATRIX_FORM = 1563;   // "rect", "polar"
inline constexpr int MATRIX_OPERATION = 1564;
inline constexpr int MATRIX_GRID_1 = 1565;
inline constexpr int MATRIX_GRID_2 = 1566;
inline constexpr int MATRIX_GRID_RESULT = 1567;

inline constexpr int KEY_TAKE_RESULT = 1344; // the result becomes matrix 1
inline constexpr int KEY_CLEAR = 1540;       // empties the shown operand
inline constexpr int KEY_TRANS = 1541;       // transposes the shown operand in place
inline constexpr int KEY_EXPONENT = 1460;    // real numbers only
inline constexpr int KEY_UNIT = 1281;        // "i"/"j", complex numbers only
inline constexpr int KEY_POLAR = 1041;       // "pol(,)", complex numbers only

// ---- Converter view ----
inline constexpr int GROUP_LIST = 1106;
inline constexpr int FROM_LIST = 1107;
inline constexpr int TO_LIST = 1108;
inline constexpr int KEY_RESET_UNITS = 1345;
inline constexpr int KEY_ADD_UNIT = 1346;
inline constexpr int KEY_DELETE_UNIT = 1347;
inline constexpr int KEY_ADD_GROUP = 1348;
inline constexpr int KEY_DELETE_GROUP = 1349;
inline constexpr int KEY_SWAP = 1542; // exchanges the from and to units

// ---- Statistics view ----
inline constexpr int STATISTICS_GRID = 1568;

// ---- Program messages ----
inline constexpr unsigned MSG_ADDITION = MessageId::OP_ADDITION; // first of the eleven real operations
inline constexpr unsigned MSG_CONJUGATE = MessageId::OP_COMPLEX_CONJUGATE;
inline constexpr unsigned MSG_RESET_UNITS = MessageId::RESET_METRICS_QUESTION;

// ---- Texts of these views ----
struct Text {
    const wchar_t* english;
    const wchar_t* german;
    std::wstring in(int language) const { return language ? german : english; }
};
inline constexpr Text TXT_ADJOINT = {L"Adjoint", L"Adjungierte"};
inline constexpr Text TXT_REAL = {L"real", L"reell"};
inline constexpr Text TXT_COMPLEX = {L"complex", L"komplex"};
inline constexpr Text TXT_RECT = {L"rect", L"kart"};
inline constexpr Text TXT_POLAR = {L"polar", L"polar"};
inline constexpr Text TXT_CELL_CUT = {L"Cut to the 10 x 10 grid and 1000 characters a cell.",
                                      L"Auf das 10 x 10-Raster und 1000 Zeichen je Zelle gek\u00FCrzt."};
inline constexpr Text TXT_FROM = {L"from", L"von"};
inline constexpr Text TXT_FILE_TOO_LARGE = {L"The file is larger than 10 MB and was not loaded.",
                                            L"Die Datei ist gr\u00F6\u00DFer als 10 MB und wurde nicht geladen."};
inline constexpr Text TXT_TOO_MANY_POINTS = {L"More than 10000 data points: nothing was loaded.",
                                             L"Mehr als 10000 Datenpunkte: nichts wurde geladen."};
inline constexpr Text TXT_VALUE_TOO_LONG = {L"A value is longer than 1000 characters: nothing was loaded.",
                                            L"Ein Wert ist l\u00E4nger als 1000 Zeichen: nichts wurde geladen."};
inline constexpr Text TXT_TOO_MANY_PASTED = {L"More than 10000 data points: nothing was pasted.",
                                             L"Mehr als 10000 Datenpunkte: nichts wurde eingef\u00FCgt."};
inline constexpr Text TXT_LOAD_FILTER = {
    L"; separated values (*.csv);;Spreadsheet values, one value or one x,y pair a line (*.csv);;All files (*)",
    L"; separated values (*.csv);;Tabellenwerte, ein Wert oder ein Paar x,y je Zeile (*.csv);;Alle Dateien (*)"};
inline constexpr Text TXT_LOAD_TITLE = {L"Load data", L"Daten laden"};
inline constexpr Text TXT_SAVE_TITLE = {L"Save data", L"Daten speichern"};
inline constexpr Text TXT_TO = {L"to", L"nach"};

// A key of these views that the shared key table does not know: its
// captions, and whether the view acts on it itself (the shared key handler
// passes the others to the view's hooks).
struct ViewKey {
    int id;
    Text caption;
    bool ownAction = false;
};
// Puts the captions of the view's own keys on its keypad.
void labelKeys(CCalculatorView& view, std::span<const ViewKey> keys, int language);
// Lets the keys with an own action call action(id) when clicked.
void connectKeys(CCalculatorView& view, std::span<const ViewKey> keys,
                 const std::function<void(int)>& action);
} // namespace GridViewIds
