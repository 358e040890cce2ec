#pragma once

// Control ids of the dialog library. Every control carries its id as its
// objectName, so code and tests find controls by id.
namespace LodrinId {
// Buttons every dialog has.
constexpr int OK = 1;
constexpr int CANCEL = 2;

// Range and integral dialogs.
constexpr int PROMPT = 1252;
constexpr int EDIT_FROMX = 1311;
constexpr int EDIT_TOX = 1318;
constexpr int EDIT_STEPS = 1322;
constexpr int COMBO_WIDTH = 1035;
constexpr int COMBO_TYPE = 1038;
constexpr int CHECK_AREA = 1029;

// Keypad keys.
constexpr int KEY_7 = 1402;
constexpr int KEY_8 = 1403;
constexpr int KEY_9 = 1404;
constexpr int KEY_4 = 1405;
constexpr int KEY_5 = 1406;
constexpr int KEY_6 = 1407;
constexpr int KEY_1 = 1408;
constexpr int KEY_2 = 1409;
constexpr int KEY_3 = 1410;
constexpr int KEY_0 = 1411;
constexpr int KEY_MINUS = 1412;
constexpr int KEY_KOMMA = 1413;

// Options.
constexpr int OPT_MODE = 1110;
constexpr int OPT_PRECISION = 1003;
constexpr int OPT_LANGUAGE = 1072;
constexpr int OPT_STD_BACKGROUND = 1093;
constexpr int OPT_BACKGROUND_COLOR = 1095;
constexpr int OPT_USE_J = 1087;
constexpr int OPT_RESULT_IN_INPUT = 1088;

// 2D plot settings.
constexpr int P2_XMIN = 1022;
constexpr int P2_XMAX = 1023;
constexpr int P2_YMIN = 1024;
constexpr int P2_YMAX = 1025;
constexpr int P2_QUALITY = 1026;
constexpr int P2_TYPE = 1028;
constexpr int P2_LINE = 1049;
constexpr int P2_MULTIPLICATE = 1091;
constexpr int P2_BACKGROUND = 1044;
constexpr int P2_FN1 = 1073; // FN2 .. FN4 follow

// 3D plot settings.
constexpr int P3_XMIN = 1004;
constexpr int P3_XMAX = 1005;
constexpr int P3_YMIN = 1006;
constexpr int P3_YMAX = 1007;
constexpr int P3_ZMIN = 1019;
constexpr int P3_ZMAX = 1021;
constexpr int P3_AUTOMATIC_Z = 1090;
constexpr int P3_QUALITY = 1008;
constexpr int P3_LINE_HEIGHT = 1043;
constexpr int P3_ZROT = 1010;
constexpr int P3_YROT = 1012;
constexpr int P3_FORE = 1041;
constexpr int P3_BACK = 1042;

// Fractal plot settings.
constexpr int PC_REMIN = 1011;
constexpr int PC_REMAX = 1013;
constexpr int PC_IMMIN = 1015;
constexpr int PC_IMMAX = 1017;
constexpr int PC_ITERATIONS = 1032;
constexpr int PC_ITERATIONS_LABEL = 1033;
constexpr int PC_BORDER = 1034;
constexpr int PC_BORDER_LABEL = 1037;
constexpr int PC_QUALITY = 1026;
constexpr int PC_COLOR_ZERO = 1040;
constexpr int PC_COLOR_MAX = 1042;

// Message, result and about boxes.
constexpr int MESSAGE_TEXT = 1030;
constexpr int RESULT_TEXT = 1051;

// Select constant / expression.
constexpr int SEL_EXPRESSIONS = 1059;
constexpr int SEL_EDIT_EXPRESSIONS = 1060;
constexpr int SEL_CONSTANTS = 1061;
constexpr int SEL_EDIT_CONSTANTS = 1062;

// Constant editor.
constexpr int CONST_LIST = 1112;
constexpr int CONST_NAME = 1314;
constexpr int CONST_VALUE = 1266;

// My Buttons / Functions.
constexpr int FUNC_SLOTS = 1113;
constexpr int FUNC_COPY_INPUT = 1267;
constexpr int FUNC_VARIABLES = 1090;
constexpr int FUNC_EXPRESSION = 1313;
constexpr int FUNC_CAPTION = 1315;

// History.
constexpr int HISTORY_LIST = 1109;

// Load and store equation.
constexpr int EQ_LIST = 1045;
constexpr int EQ_TEXT = 1046;
constexpr int EQ_NAME = 1048;
constexpr int EQ_DELETE = 1052;

// Parameters.
constexpr int PARAM_W = 1316;
constexpr int PARAM_X = 1320;
constexpr int PARAM_Y = 1102;
constexpr int PARAM_Z = 1105;

// New function.
constexpr int NF_NAME = 1097;
constexpr int NF_PARAM_NAME = 1096;
constexpr int NF_PARAM_DEFAULT = 1083;
constexpr int NF_ADD = 1080;
constexpr int NF_DELETE = 1081;
constexpr int NF_PARAMS = 1082;

// Unit dialogs.
constexpr int METRIC_KIND_LIST = 1323;
constexpr int METRIC_NAME = 1094;
constexpr int METRIC_VALUE = 1063;
constexpr int METRIC_BASE_LINE = 1064;
constexpr int KIND_NAME = 1065;
constexpr int KIND_BASE = 1088;
constexpr int METRIC_LIST = 1068;

// Statistics, regression, x position, item selection.
constexpr int STAT_TYPE = 1056;
constexpr int STAT_COUNT = 1058;
constexpr int REGRESSION_LIST = 1078;
constexpr int XPOS = 1002;
constexpr int ITEM_LIST = 1084;
} // namespace LodrinId

// The library's texts used by these dialogs.
namespace LodrinText {
constexpr unsigned TO_VALUES_GREATER = 42273;
constexpr unsigned LANGUAGE_CHANGE = 42274;
constexpr unsigned STATISTIC_COUNT = 42275;
constexpr unsigned ENGINEERING_DIGITS = 42276;
constexpr unsigned SELECT_ITEM = 42277;
constexpr unsigned SELECT_REGRESSION = 42278;
constexpr unsigned FUNCTION_NAME_DIGITS = 42279;
constexpr unsigned FUNCTION_NAME_MISSING = 42280;
constexpr unsigned FUNCTION_NAME_ENDS_WITH_DIGIT = 42281;
constexpr unsigned TO_VALUE_GREATER = 42282;
constexpr unsigned BASE_IS = 42283;
constexpr unsigned BLACK_NOT_ALLOWED = 42284;
constexpr unsigned STEP_COUNT = 42287;
constexpr unsigned SAME_AS_BACKGROUND = 42288;
constexpr unsigned NO_INTEGER = 42289;
constexpr unsigned NO_FUNCTION_NAME = 42290;
constexpr unsigned OPERATOR_TITLE = 42291;
constexpr unsigned LOGIC_TITLE = 42292;
constexpr unsigned LOGIC_PROMPT = 42293;
constexpr unsigned OPERATOR_PROMPT = 42294;
constexpr unsigned STRUCTURE_TITLE = 42295;
constexpr unsigned STRUCTURE_PROMPT = 42296;
constexpr unsigned SETTINGS_TITLE = 42297;
constexpr unsigned SETTINGS_PROMPT = 42298;
constexpr unsigned KIND_EXISTS = 42299;
} // namespace LodrinText
