#pragma once
#include <cstdint>

// The one home of the engine's numbers: the error codes a calculation fails
// with and the ids of the message table (resources/messages.inc). Everything
// that names a code or a message, in the engine, the command line and the
// tests, uses these names; the numbers themselves never change, because
// stored files and the program's menus cite them.

// Engine error codes. The expression engine raises them as EngineError; the
// guard around a facade call turns the code into its message (see
// ErrorReporting.cpp for the pairs). 1008, 1015 and 1027 are not raised
// anywhere and have no message.
namespace ErrorCode {
constexpr std::uint32_t OUT_OF_MEMORY = 1002;      // "Not enough memory to perform this operation!"
constexpr std::uint32_t PARENTHESIS = 1003;        // "Parenthesis error!"
constexpr std::uint32_t FACULTY_NATURAL = 1004;    // "Only natural numbers are allowed for faculty!"
constexpr std::uint32_t LOG_DOMAIN = 1005;         // log or ln of a negative number
constexpr std::uint32_t SQRT_DOMAIN = 1006;        // "sqr is only allowed for positive numbers!"
constexpr std::uint32_t INVALID_INPUT = 1007;      // "The input is not valid!"
constexpr std::uint32_t INFINITE_FLOAT = 1009;     // "An operation leeds to an invinite float value!"
constexpr std::uint32_t INVALID_IEEE = 1010;       // "An operation leeds to an invalid result according to IEEE!"
constexpr std::uint32_t ARCSIN_DOMAIN = 1011;
constexpr std::uint32_t ARCCOS_DOMAIN = 1012;
constexpr std::uint32_t SUM_DOMAIN = 1013;
constexpr std::uint32_t PRODUCT_DOMAIN = 1014;
constexpr std::uint32_t ARCTANH_DOMAIN = 1016;
constexpr std::uint32_t ARCCOTH_DOMAIN = 1017;
constexpr std::uint32_t ARCCOSH_DOMAIN = 1018;
constexpr std::uint32_t NOTHING_TO_CALCULATE = 1019; // "There is nothing to calculate..."
constexpr std::uint32_t NO_INVERSE = 1020;         // "This matrix has no inverse matrix!"
constexpr std::uint32_t NEGATIVE_RESULT = 1021;    // programmer mode: "No negative numbers allowed!"
constexpr std::uint32_t NON_INTEGER = 1022;        // programmer mode: inexact division
constexpr std::uint32_t OVERFLOW_DIGITS = 1023;    // too many digits / result above 32 bits
constexpr std::uint32_t INTERNAL = 1024;           // "Internal error occured!"
constexpr std::uint32_t ARGUMENT_COUNT = 1025;     // "Wrong numbers of arguments!"
constexpr std::uint32_t MISSING_PARAMETERS = 1026; // "You have to specify the parameters!"
constexpr std::uint32_t NOT_A_NUMBER = 1028;       // digit outside the base
constexpr std::uint32_t BINOM_NATURAL = 1029;
constexpr std::uint32_t BINOM_ORDER = 1030;
constexpr std::uint32_t FACULTY = 1031;
constexpr std::uint32_t CANNOT_DERIVE = 1032;      // "The expresssion cannot be derivated!"
// The codes the services add on top of the expression engine's.
constexpr std::uint32_t NO_FUNCTION_OF_X = 1033;   // "No function is specified!"
constexpr std::uint32_t NO_PARAMS_IN_PARAMS = 1034; // "No params in params are allowed!"
constexpr std::uint32_t NO_Y_FUNCTIONS = 1035;     // statistics: unknown name or y values missing
constexpr std::uint32_t INVALID_ELEMENTS = 1036;   // an item of a value list or matrix is unreadable
constexpr std::uint32_t ALPHA_RANGE = 1037;        // quantile argument outside 0..1
constexpr std::uint32_t REGRESSION_TYPE = 1038;    // exponential fit over y values of both signs
constexpr std::uint32_t COMPLEX_POWER = 1039;
constexpr std::uint32_t POL_NEEDS_RAD = 1040;      // "pol is only possible in RAD mode!"
} // namespace ErrorCode

// Ids of the message table: English texts; the German text of an id is under
// id + MessageTable::LANGUAGE_OFFSET. Ids missing here have no text.
namespace MessageId {
constexpr unsigned int INFINITE_VALUE = 40100;      // "INV: Infinite value!"
constexpr unsigned int WRONG_EXPRESSION = 40101;    // "Wrong expression:\n"
constexpr unsigned int ERROR_TITLE = 40102;         // "Error!"
constexpr unsigned int BASE_METRIC = 40103;         // base unit cannot be deleted
constexpr unsigned int METRIC_EXISTS = 40104;
constexpr unsigned int NO_CONVERSION = 40105;
constexpr unsigned int CONVERTER_FILL_BOTH = 40106;
constexpr unsigned int MATRIX_NOT_ALL_CELLS = 40107;
constexpr unsigned int MATRIX_SUBTRACT_SHAPE = 40108;
constexpr unsigned int MATRIX_ADD_SHAPE = 40109;
constexpr unsigned int MATRIX_MULTIPLY_SHAPE = 40110;
constexpr unsigned int MATRIX_AT_LEAST_2X2 = 40111;
constexpr unsigned int MATRIX_NOT_SQUARE = 40112;
constexpr unsigned int MATRIX_FILL_FIRST = 40113;
constexpr unsigned int MATRIX_FILL_BOTH = 40114;
constexpr unsigned int END_BRACKET = 40115;         // "Function must end with ]"
constexpr unsigned int NEED_T = 40116;              // "Function must contain t:="
constexpr unsigned int POLAR_RANGE = 40117;         // "The value of t must be specified like 0..2"
constexpr unsigned int PARAMETER_RANGE = 40118;     // the same text, for parametric curves
constexpr unsigned int NEED_Y = 40119;              // "Function must contain y:="
constexpr unsigned int NEED_X = 40120;              // "Function must contain x:="
constexpr unsigned int PARENTHESIS_CHECK = 40121;   // "Parenthesis-error!"
constexpr unsigned int NOTHING_TO_CALCULATE = 40122;
constexpr unsigned int BAD_END = 40123;
constexpr unsigned int BAD_BEGINNING = 40124;
constexpr unsigned int UNKNOWN_EXCEPTION = 40125;
// The messages of the engine error codes, in the order of the codes.
constexpr unsigned int COMPLEX_POWER = 40126;
constexpr unsigned int REGRESSION_TYPE = 40127;
constexpr unsigned int INVALID_ELEMENTS = 40128;
constexpr unsigned int ALPHA_RANGE = 40129;
constexpr unsigned int NO_Y_FUNCTIONS = 40130;
constexpr unsigned int NO_PARAMS_IN_PARAMS = 40131;
constexpr unsigned int NO_FUNCTION_OF_X = 40132;    // "No function is specified!"
constexpr unsigned int CANNOT_DERIVE = 40133;
constexpr unsigned int FACULTY = 40134;
constexpr unsigned int BINOM_ORDER = 40135;
constexpr unsigned int BINOM_NATURAL = 40136;
constexpr unsigned int NOT_A_NUMBER = 40137;
constexpr unsigned int MISSING_PARAMETERS = 40138;
constexpr unsigned int ARGUMENT_COUNT = 40139;
constexpr unsigned int INTERNAL = 40140;            // "Internal error occured!"
constexpr unsigned int OVERFLOW_DIGITS = 40141;
constexpr unsigned int NON_INTEGER = 40142;
constexpr unsigned int NEGATIVE_RESULT = 40143;
constexpr unsigned int NO_INVERSE = 40144;
constexpr unsigned int NOTHING_TO_CALCULATE_CODE = 40145;
constexpr unsigned int ARCCOSH_DOMAIN = 40146;
constexpr unsigned int ARCTANH_DOMAIN = 40147;
constexpr unsigned int ARCCOTH_DOMAIN = 40148;
constexpr unsigned int PRODUCT_DOMAIN = 40149;
constexpr unsigned int SUM_DOMAIN = 40150;
constexpr unsigned int ARCCOS_DOMAIN = 40151;
constexpr unsigned int ARCSIN_DOMAIN = 40152;
constexpr unsigned int INVALID_IEEE = 40153;
constexpr unsigned int INFINITE_FLOAT = 40154;
constexpr unsigned int INVALID_INPUT = 40155;       // "The input is not valid!"
constexpr unsigned int SQRT_DOMAIN = 40156;
constexpr unsigned int LOG_DOMAIN = 40157;
constexpr unsigned int FACULTY_NATURAL = 40158;
constexpr unsigned int PARENTHESIS = 40159;         // "Parenthesis error!"
constexpr unsigned int OUT_OF_MEMORY = 40160;
// The messages of the processor fault statuses.
constexpr unsigned int FAULT_NONCONTINUABLE = 40161;
constexpr unsigned int FAULT_INT_OVERFLOW = 40162;
constexpr unsigned int FAULT_PRIV_INSTRUCTION = 40163;
constexpr unsigned int FAULT_INT_DIVIDE_BY_ZERO = 40164;
constexpr unsigned int FAULT_FLT_UNDERFLOW = 40165;
constexpr unsigned int FAULT_STACK_OVERFLOW = 40166; // "Stack overflow occured!"
constexpr unsigned int FAULT_FLT_OVERFLOW = 40167;
constexpr unsigned int FAULT_FLT_INVALID_OPERATION = 40168;
constexpr unsigned int FAULT_FLT_INEXACT_RESULT = 40169;
constexpr unsigned int FAULT_FLT_DIVIDE_BY_ZERO = 40170;
constexpr unsigned int FAULT_FLT_DENORMAL_OPERAND = 40171;
constexpr unsigned int FAULT_ARRAY_BOUNDS_EXCEEDED = 40172;
constexpr unsigned int FAULT_DATATYPE_MISALIGNMENT = 40173;
constexpr unsigned int FAULT_ACCESS_VIOLATION = 40174;
constexpr unsigned int STORE_KINDS_FAILED = 40175;
constexpr unsigned int STORE_METRICS_FAILED = 40176;
constexpr unsigned int INTEGRAL_BOX = 40177;        // the refusal, with its reason, in a message box
constexpr unsigned int INTEGRAL_REFUSED = 40178;
constexpr unsigned int NO_DISCONTINUITIES = 40179;
constexpr unsigned int DISCONTINUITIES = 40180;
constexpr unsigned int NO_EXTREMA = 40181;
constexpr unsigned int EXTREMA = 40182;
constexpr unsigned int NO_POINTS = 40183;           // "No points found..."
constexpr unsigned int AT = 40184;
constexpr unsigned int ZEROS = 40185;               // "f(x)=0 at "
constexpr unsigned int NO_SOLUTION = 40186;
constexpr unsigned int TOO_MANY_SOLUTIONS = 40187;
constexpr unsigned int TIMEOUT = 40188;
constexpr unsigned int UNKNOWN_DERIVATION_ERROR = 40189;
constexpr unsigned int UNKNOWN_ERROR = 40190;
constexpr unsigned int NO_PARAMS_IN_PARAMS_BOX = 40191;
constexpr unsigned int XY_COUNT_MISMATCH = 40192;
constexpr unsigned int IS = 40193;
constexpr unsigned int NO_SADDLE_POINTS = 40194;
constexpr unsigned int SADDLE_POINTS = 40195;
constexpr unsigned int PATTERN = 40196;             // "Following pattern is not allowed:"
constexpr unsigned int CALCULATING_WORD = 40197;
constexpr unsigned int REGRESSION_Y_ZERO = 40198;
constexpr unsigned int NO_Y_VALUES = 40199;
constexpr unsigned int NOT_ENOUGH_VALUES = 40200;
// The plot function list's checks.
constexpr unsigned int PLOT_ONLY_ONE_SUCH = 40201;
constexpr unsigned int PLOT_NO_FUNCTION = 40203;
constexpr unsigned int PLOT_INVALID_FUNCTION = 40205;
constexpr unsigned int PLOT_3D_WITH_PARAMETRIC = 40206;
constexpr unsigned int PLOT_PARAMETRIC_WITH_COMPLEX = 40207;
constexpr unsigned int PLOT_ONE_PARAMETRIC = 40208;
constexpr unsigned int PLOT_3D_WITH_POLAR = 40209;
constexpr unsigned int PLOT_PARAMETRIC_WITH_POLAR = 40210;
constexpr unsigned int PLOT_ONE_POLAR = 40211;
constexpr unsigned int PLOT_ONE_3D = 40212;
constexpr unsigned int PLOT_3D_WITH_2D = 40213;
constexpr unsigned int PLOT_3D_WITH_COMPLEX = 40214;
constexpr unsigned int PLOT_3D_WITH_PARAMETRIC_2 = 40215;
constexpr unsigned int PLOT_2D_WITH_3D = 40216;
constexpr unsigned int PLOT_2D_WITH_FRACTALS = 40218;
// The engine adapter's checks of plot functions.
constexpr unsigned int NO_TYPE = 40219;             // "Function must start with a function-type-definition ..."
constexpr unsigned int NO_RESULT = 40220;
constexpr unsigned int FUNCTION_WORD = 40221;       // "Function"
constexpr unsigned int UNKNOWN_VARIABLES = 40222;
constexpr unsigned int SEQUENCE_WORD = 40223;       // "Sequence"
constexpr unsigned int NOT_VALID_SUFFIX = 40224;    // " is not valid!"
constexpr unsigned int PARAMETER_FUNCTION_WORD = 40225;
constexpr unsigned int IMPLICIT_START = 40226;
constexpr unsigned int IMPLICIT_NO_RESULT = 40227;
constexpr unsigned int RESULT_NUMBER = 40228;
constexpr unsigned int SEQUENCE_DEPENDENCE = 40229;
constexpr unsigned int NOT_A_NUMBER_VALUE = 40230;  // "NaN: Not a number!"
constexpr unsigned int NO_VALUES_CALCULATED = 40231;
constexpr unsigned int NOTHING_TO_CONVERT = 40232;
constexpr unsigned int PLOT_SEQUENCE_MIXED = 40234;
constexpr unsigned int PLOT_2D_MIXED = 40235;
constexpr unsigned int CALCULATION_ERROR = 40240;
constexpr unsigned int MENU_FILE = 40241;
constexpr unsigned int MENU_OPTION = 40242;
constexpr unsigned int MENU_PLOTTER = 40243;
constexpr unsigned int RIGHT_MOVE = 40244;
constexpr unsigned int PLOT_ONE_FTX = 40255;
constexpr unsigned int SAVE_FAILED = 40256;
constexpr unsigned int FROM_MISSING = 40257;        // "Error. From-value must be specified!"
constexpr unsigned int FROM_INVALID = 40258;        // "Error. From-value is not valid!"
constexpr unsigned int TO_INVALID = 40259;          // "Error. To-value is not valid!"
constexpr unsigned int STEP_INVALID = 40260;        // "Error. step-width is not valid!"
constexpr unsigned int ONLY_3D_PLOTTED = 40261;
// The equation solver view.
constexpr unsigned int ENTER_EQUATION = 40262;
constexpr unsigned int ENTER_PARAMETERS = 40263;
constexpr unsigned int NOT_AN_EQUATION = 40264;
constexpr unsigned int SEVERAL_UNDEFINED = 40265;
constexpr unsigned int CANNOT_REPLACE_PARAMETERS = 40266;
constexpr unsigned int NO_UNKNOWN_PARAMETER = 40267;
// Files.
constexpr unsigned int FILE_NOT_CREATED = 40268;
constexpr unsigned int FILE_NOT_OPENED = 40269;
constexpr unsigned int INVALID_XY_FILE = 40270;
constexpr unsigned int REGRESSION_XY_ONLY = 40271;
constexpr unsigned int NO_HELP = 40272;
// The ranges the analyses ask for.
constexpr unsigned int SOLUTION_RANGE = 40273;
constexpr unsigned int INVALID_FUNCTION = 40274;
constexpr unsigned int ZEROS_RANGE = 40275;
constexpr unsigned int EXTREMA_RANGE = 40276;
constexpr unsigned int CALCULATING = 40277;         // "calculating..."
constexpr unsigned int SADDLE_RANGE = 40278;
constexpr unsigned int DISCONTINUITIES_RANGE = 40279;
// Names of the matrix operations and the analyses, as their lists show them.
constexpr unsigned int OP_ADDITION = 40280;
constexpr unsigned int OP_SUBTRACTION = 40281;
constexpr unsigned int OP_MULTIPLICATION = 40282;
constexpr unsigned int OP_TRANSPOSE = 40283;
constexpr unsigned int OP_DETERMINANT = 40284;
constexpr unsigned int OP_INVERSE = 40285;
constexpr unsigned int OP_RANK = 40286;
constexpr unsigned int OP_GAUSS_ROWS = 40287;
constexpr unsigned int OP_GAUSS_ROWS_COLS = 40288;
constexpr unsigned int OP_GAUSS_NORMAL = 40289;
constexpr unsigned int OP_LINEAR_EQUATION = 40290;
constexpr unsigned int OP_DERIVATE_SYMBOLIC = 40291;
constexpr unsigned int OP_SIMPLIFY_SYMBOLIC = 40292;
constexpr unsigned int OP_CALCULATE_SYMBOLIC = 40293;
constexpr unsigned int OP_SOLVE = 40294;
constexpr unsigned int OP_DERIVATE_NUMERIC = 40295;
constexpr unsigned int OP_EXTREMA = 40296;
constexpr unsigned int OP_SADDLE_POINTS = 40297;
constexpr unsigned int OP_DISCONTINUITIES = 40298;
constexpr unsigned int OP_VALUE_AT_0 = 40299;
constexpr unsigned int OP_VALUE_AT_X = 40300;
constexpr unsigned int OP_INTEGRAL = 40301;
// The plot window's tool tips.
constexpr unsigned int PLOT_ZOOM_IN = 40302;
constexpr unsigned int PLOT_ZOOM_OUT = 40303;
constexpr unsigned int PLOT_LAST_REGION = 40304;
constexpr unsigned int PLOT_FIRST_REGION = 40305;
constexpr unsigned int PLOT_MOVE_LEFT = 40306;
constexpr unsigned int PLOT_MOVE_RIGHT = 40307;
constexpr unsigned int PLOT_MOVE_UP = 40308;
constexpr unsigned int PLOT_MOVE_DOWN = 40309;
constexpr unsigned int PLOT_QUALITY = 40310;
constexpr unsigned int PLOT_SAVE_BMP = 40311;
constexpr unsigned int PLOT_CANCEL = 40312;
constexpr unsigned int XY_MODE_ONLY = 40313;
constexpr unsigned int NO_POLYNOM_PARTS = 40314;
constexpr unsigned int OP_POLYNOM_PARTS = 40315;
constexpr unsigned int STORE_FILE_FAILED = 40316;
constexpr unsigned int READ_FILE_FAILED = 40317;
constexpr unsigned int RESET_METRICS_QUESTION = 40318;
constexpr unsigned int OP_INTEGRAL_TABLE = 40320;
constexpr unsigned int OP_COMPLEX_CONJUGATE = 40321;
constexpr unsigned int OP_POLYNOM_DIVISION = 40322;
constexpr unsigned int NO_DIVISION_FORM = 40323;
constexpr unsigned int POL_NEEDS_RAD = 40324;
} // namespace MessageId
