#pragma once
#include "MessageIds.h"

// The plotter's names for the engine's message ids, and its command ids.
namespace PlotMessages {
// Message texts (English id; the German text is the id + 1000).
inline constexpr unsigned NO_FUNCTION = MessageId::NO_FUNCTION_OF_X;           // "No function is specified!"
inline constexpr unsigned INTERNAL_ERROR = MessageId::INTERNAL;        // "Internal error occured!"
inline constexpr unsigned OUT_OF_MEMORY = MessageId::OUT_OF_MEMORY;         // "Not enough memory to perform this operation!"
inline constexpr unsigned NO_FUNCTION_SPECIFIED = MessageId::PLOT_NO_FUNCTION; // "No function specified!"
inline constexpr unsigned INVALID_FUNCTION = MessageId::PLOT_INVALID_FUNCTION;      // "Invalid function: "
inline constexpr unsigned MIX_3D_PARAMETRIC = MessageId::PLOT_3D_WITH_PARAMETRIC;
inline constexpr unsigned MIX_PARAMETRIC_COMPLEX = MessageId::PLOT_PARAMETRIC_WITH_COMPLEX;
inline constexpr unsigned ONE_PARAMETRIC = MessageId::PLOT_ONE_PARAMETRIC;
inline constexpr unsigned MIX_3D_POLAR = MessageId::PLOT_3D_WITH_POLAR;
inline constexpr unsigned MIX_PARAMETRIC_POLAR = MessageId::PLOT_PARAMETRIC_WITH_POLAR;
inline constexpr unsigned ONE_POLAR = MessageId::PLOT_ONE_POLAR;
inline constexpr unsigned ONE_3D = MessageId::PLOT_ONE_3D;
inline constexpr unsigned MIX_3D_2D = MessageId::PLOT_3D_WITH_2D;
inline constexpr unsigned MIX_3D_COMPLEX = MessageId::PLOT_3D_WITH_COMPLEX;
inline constexpr unsigned MIX_3D_PARAMETRIC_LIST = MessageId::PLOT_3D_WITH_PARAMETRIC_2;
inline constexpr unsigned MIX_2D_3D = MessageId::PLOT_2D_WITH_3D;
inline constexpr unsigned MIX_2D_FRACTAL = MessageId::PLOT_2D_WITH_FRACTALS;
inline constexpr unsigned CALCULATION_ERROR = MessageId::CALCULATION_ERROR; // "Error during calculation!"
inline constexpr unsigned ONE_FAMILY = MessageId::PLOT_ONE_FTX;     // "Only one f(t,x)-function can be plotted at a time!"
inline constexpr unsigned SAVE_FAILED = MessageId::SAVE_FAILED;    // "Could not save file."
inline constexpr unsigned ONLY_3D_NOTICE = MessageId::ONLY_3D_PLOTTED; // "Only the 3d-function will be plotted!"

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
