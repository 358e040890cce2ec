#pragma once

// The program messages and command ids the plotter uses, named once.
namespace PlotMessages {
// Message texts (English id; the German text is the id + 1000).
inline constexpr unsigned NO_FUNCTION = 40132;           // "No function is specified!"
inline constexpr unsigned INTERNAL_ERROR = 40140;        // "Internal error occured!"
inline constexpr unsigned OUT_OF_MEMORY = 40160;         // "Not enough memory to perform this operation!"
inline constexpr unsigned NO_FUNCTION_SPECIFIED = 40203; // "No function specified!"
inline constexpr unsigned INVALID_FUNCTION = 40205;      // "Invalid function: "
inline constexpr unsigned MIX_3D_PARAMETRIC = 40206;
inline constexpr unsigned MIX_PARAMETRIC_COMPLEX = 40207;
inline constexpr unsigned ONE_PARAMETRIC = 40208;
inline constexpr unsigned MIX_3D_POLAR = 40209;
inline constexpr unsigned MIX_PARAMETRIC_POLAR = 40210;
inline constexpr unsigned ONE_POLAR = 40211;
inline constexpr unsigned ONE_3D = 40212;
inline constexpr unsigned MIX_3D_2D = 40213;
inline constexpr unsigned MIX_3D_COMPLEX = 40214;
inline constexpr unsigned MIX_3D_PARAMETRIC_LIST = 40215;
inline constexpr unsigned MIX_2D_3D = 40216;
inline constexpr unsigned MIX_2D_FRACTAL = 40218;
inline constexpr unsigned CALCULATION_ERROR = 40240; // "Error during calculation!"
inline constexpr unsigned ONE_FAMILY = 40255;     // "Only one f(t,x)-function can be plotted at a time!"
inline constexpr unsigned SAVE_FAILED = 40256;    // "Could not save file."
inline constexpr unsigned ONLY_3D_NOTICE = 40261; // "Only the 3d-function will be plotted!"

// Commands of the plot window, in the order of its toolbar.
inline constexpr int ID_ZOOM_IN = 40025;
inline constexpr int ID_ZOOM_OUT = 40026;
inline constexpr int ID_LAST_REGION = 40062;
inline constexpr int ID_FIRST_REGION = 40063;
inline constexpr int ID_MOVE_RIGHT = 40027;
inline constexpr int ID_MOVE_LEFT = 40031;
inline constexpr int ID_MOVE_UP = 40032;
inline constexpr int ID_MOVE_DOWN = 40033;
inline constexpr int ID_SAVE = 40064;
inline constexpr int ID_CANCEL_PLOT = 40034;
// The quality combo box in front of the toolbar buttons.
inline constexpr int ID_QUALITY = 1600;
} // namespace PlotMessages
