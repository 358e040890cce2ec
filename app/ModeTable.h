#pragma once
#include <span>
#include <string>

class CCalculatorView;
class COrvantaDoc;
class QWidget;

// The calculator modes. A mode is named by the command id of its item in the
// "Calculator" menu; the table is in menu order.
struct ModeInfo {
    int id;
    const wchar_t* english;
    const wchar_t* german;
    CCalculatorView* (*create)(COrvantaDoc& document, QWidget* parent);
    bool angleFlag;       // the angle-unit keys apply
    bool programmerFlag;  // the programmer mode
    int angleUnitOnEntry; // the angle unit set on entering, or -1
    bool clearsInv;       // entering clears the Inv state
    bool separatorAfter;  // the menu separates the next group

    const wchar_t* name(int language) const { return language ? german : english; }
};

namespace ModeTable {
inline constexpr int PLOTTER = 40041;
inline constexpr int MATRIX = 40042;
inline constexpr int CONVERTER = 40043;
inline constexpr int FUNCTION_CALCULATOR = 40044;
inline constexpr int COMPUTER = 40045;
inline constexpr int COMPLEX = 40046;
inline constexpr int SCIENTIFIC = 40047;
inline constexpr int STATISTIC = 40048;
inline constexpr int SOLVER = 40049;
inline constexpr int FIRST = 40041;
inline constexpr int LAST = 40049;

std::span<const ModeInfo> modes();
// nullptr for an id that is no mode.
const ModeInfo* find(int id);
} // namespace ModeTable
