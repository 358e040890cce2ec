#pragma once

// Keys and value names of the settings store. They are what existing settings
// files hold, so they never change (spelling included).
namespace RegistryNames {
inline constexpr const wchar_t* ROOT = L"Software\\Orvanta";
inline constexpr const wchar_t* OPTIONS = L"Software\\Orvanta\\Options";
inline constexpr const wchar_t* CONSTANTS = L"Software\\Orvanta\\Constants";
inline constexpr const wchar_t* EQUATIONS = L"Software\\Orvanta\\Equations";
inline constexpr const wchar_t* HISTORY = L"Software\\Orvanta\\History";
inline constexpr const wchar_t* HELP = L"Software\\Orvanta\\Help";
inline constexpr const wchar_t* STATISTICS = L"Software\\Orvanta\\Statistics";

// Under ROOT.
inline constexpr const wchar_t* LAST_VIEW = L"LastView";
inline constexpr const wchar_t* FIRST_START = L"Mode";

// Under OPTIONS.
inline constexpr const wchar_t* NUM_MODE = L"NumMode";
inline constexpr const wchar_t* PRECISION = L"Precision";
inline constexpr const wchar_t* ANGLE_UNIT = L"Mode";
inline constexpr const wchar_t* LANGUAGE = L"Language";
inline constexpr const wchar_t* BACKGROUND = L"BackgroundColor";
inline constexpr const wchar_t* BACKGROUND_2D = L"BackgroundColor2D";
inline constexpr const wchar_t* FUNCTION_COLOURS[4] = {L"FunctionColor2D_1", L"FunctionColor2D_2",
                                                       L"FunctionColor2D_3", L"FunctionColor2D_4"};
inline constexpr const wchar_t* STD_BACKGROUND = L"StdBackground";
inline constexpr const wchar_t* USE_J = L"UseJ";
inline constexpr const wchar_t* RESULT_IN_INPUT = L"ResultInInput";
inline constexpr const wchar_t* USE_RPN = L"UseRPN";
// The desktop window as the user left it: its size in pixels (when not
// maximised) and "1" when it was maximised.
inline constexpr const wchar_t* WINDOW_WIDTH = L"WindowWidth";
inline constexpr const wchar_t* WINDOW_HEIGHT = L"WindowHeight";
inline constexpr const wchar_t* WINDOW_MAXIMIZED = L"WindowMaximized";

// Under HISTORY: "History1" (the most recent) to "History10".
inline constexpr const wchar_t* HISTORY_PREFIX = L"History";

// Under HELP: the folder holding OrvantaHelp.html.
inline constexpr const wchar_t* HELP_PATH = L"Path";

// Under STATISTICS: the grid's mode ("1" x/y, "0" x) and number of points.
inline constexpr const wchar_t* STATISTICS_PAIRS = L"Pairs";
inline constexpr const wchar_t* STATISTICS_POINTS = L"Points";

// "LastView" is read into a smaller buffer than every other value.
inline constexpr unsigned LAST_VIEW_BUFFER_BYTES = 20;
} // namespace RegistryNames
