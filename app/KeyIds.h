#pragma once

// The command ids of the keypad keys, named once. The key handler, the key
// table, the keypad layouts of the views and the tests all use these names.
// Where two or three ids do the same thing, they sit on different keypads
// (the second and third names carry a suffix).
namespace KeyId {
// ---- Digits and operators ----
inline constexpr int DIGIT_0 = 1411;
inline constexpr int DIGIT_1 = 1408;
inline constexpr int DIGIT_2 = 1409;
inline constexpr int DIGIT_3 = 1410;
inline constexpr int DIGIT_4 = 1405;
inline constexpr int DIGIT_5 = 1406;
inline constexpr int DIGIT_6 = 1407;
inline constexpr int DIGIT_7 = 1402;
inline constexpr int DIGIT_8 = 1403;
inline constexpr int DIGIT_9 = 1404;
inline constexpr int POINT = 1413;
inline constexpr int DIVIDE = 1414;
inline constexpr int MULTIPLY = 1415;
inline constexpr int MINUS = 1416;
inline constexpr int PLUS = 1417;
inline constexpr int OPEN = 1276;
inline constexpr int OPEN_2 = 1513;
inline constexpr int CLOSE = 1277;
inline constexpr int CLOSE_2 = 1419;
inline constexpr int PARENTHESES = 1280;
inline constexpr int PI = 1279;
inline constexpr int PI_2 = 1420;
inline constexpr int EULER = 1323;
inline constexpr int EXPONENT = 1248;
inline constexpr int EQUALS_SIGN = 1326;
inline constexpr int EQUALS_SIGN_2 = 1253;
inline constexpr int ANGLE_MARK = 1327;
inline constexpr int IMAGINARY = 1040;
inline constexpr int IMAGINARY_2 = 1214;
inline constexpr int IMAGINARY_3 = 1281;
inline constexpr int LINE_BREAK = 1286;

// ---- Functions ----
inline constexpr int POWER = 1421;
inline constexpr int ROOT = 1068;
inline constexpr int SQUARE = 1026;
inline constexpr int CUBE = 1031;
inline constexpr int LG = 1019;
inline constexpr int FACTORIAL = 1020;
inline constexpr int LN = 1428;
inline constexpr int ABS = 1071;
inline constexpr int SUM = 1088;
inline constexpr int MOD = 1306;
inline constexpr int INT = 1308;
inline constexpr int POL = 1041;
inline constexpr int SIN = 1425;
inline constexpr int COS = 1426;
inline constexpr int TAN = 1427;
inline constexpr int COT = 1022;
inline constexpr int RE = 1342;
inline constexpr int IM = 1343;
inline constexpr int CONJ = 1357;
inline constexpr int AND = 1123;
inline constexpr int OR = 1125;
inline constexpr int XOR = 1127;
inline constexpr int NAND = 1129;
inline constexpr int NOR = 1230;
inline constexpr int NOT = 1135;
inline constexpr int RSH = 1172;
inline constexpr int LSH = 1173;
inline constexpr int HEX_A = 1243;
inline constexpr int HEX_B = 1244;
inline constexpr int HEX_C = 1245;
inline constexpr int HEX_D = 1246;
inline constexpr int HEX_E = 1242;
inline constexpr int HEX_F = 1247;
inline constexpr int PARAM_U = 1231;
inline constexpr int PARAM_V = 1232;
inline constexpr int PARAM_W = 1233;
inline constexpr int PARAM_X = 1234;
inline constexpr int PARAM_Y = 1235;
inline constexpr int PARAM_Z = 1236;
inline constexpr int VARIABLE_X = 1435;
inline constexpr int VARIABLE_Y = 1437;

// ---- Statistic functions (x values; y values with Inv) ----
inline constexpr int STAT_SUM = 1494;
inline constexpr int STAT_SUM_SQUARES = 1495;
inline constexpr int STAT_MEAN = 1496;
inline constexpr int STAT_STDDEV = 1497;
inline constexpr int STAT_VAR = 1498;
inline constexpr int STAT_MEDIAN = 1499;
inline constexpr int STAT_MIN = 1500;
inline constexpr int STAT_MAX = 1501;
inline constexpr int STAT_SUM_XY = 1505;
inline constexpr int STAT_QUANTILE = 1507;
inline constexpr int STAT_STDDEV_POP = 1509;
inline constexpr int STAT_MEAN_GEOM = 1511;
inline constexpr int STAT_VARCOFF_SAMPLE = 1512;
inline constexpr int STAT_VARCOFF_POP = 1359;
inline constexpr int STAT_VAR_POP = 1329;

// ---- Keypad states ----
inline constexpr int INV = 1083;
inline constexpr int INV_2 = 1181;
inline constexpr int INV_BANK = 1250; // "inv" while the user keys show a bank
inline constexpr int HYP = 1090;
inline constexpr int HYP_2 = 1304;
inline constexpr int ANGLE_CYCLE = 1089;
inline constexpr int DEG = 1305;
inline constexpr int RAD = 1311;
inline constexpr int GRAD = 1312;
inline constexpr int MODE_CYCLE = 1251; // "mde": the base in the programmer view, else the angle unit
inline constexpr int BASE_CYCLE = 1131;
inline constexpr int HEX_INPUT = 1195;
inline constexpr int BIN_INPUT = 1319;
inline constexpr int DEC_INPUT = 1320;
inline constexpr int OCT_INPUT = 1197;
inline constexpr int TO_BIN = 1514;
inline constexpr int TO_HEX = 1515;
inline constexpr int TO_DEC = 1516;
inline constexpr int TO_OCT = 1517;
inline constexpr int POLAR = 1315;
inline constexpr int RECTANGULAR = 1316;
inline constexpr int BANK = 1249;
inline constexpr int STATISTICS_BANK = 1331;

// ---- Editing, results and stored texts ----
inline constexpr int CLEAR = 1360;
inline constexpr int CLEAR_2 = 1028;
inline constexpr int BACK = 1361;
inline constexpr int BACK_2 = 1027;
inline constexpr int EQUALS = 1023;
inline constexpr int EQUALS_2 = 1024;
inline constexpr int EQUALS_3 = 1025;
inline constexpr int EQUALS_4 = 1215;
inline constexpr int CALCULATE = 1085; // equals without a history entry
inline constexpr int MEMORY_ADD = 1032;
inline constexpr int MEMORY_DELETE = 1033;
inline constexpr int MEMORY_CLEAR = 1038;
inline constexpr int MEMORY_INSERT = 1039;
inline constexpr int HISTORY_ADD = 1056;
inline constexpr int SELECT = 1508;
inline constexpr int LOAD = 1256;
inline constexpr int STORE = 1257;
inline constexpr int REGRESSION = 1334;
inline constexpr int STATISTICS_OPTIONS = 1493;
inline constexpr int MATRIX_HOOK = 1344;
inline constexpr int ADD_UNIT = 1346;
inline constexpr int DELETE_UNIT = 1347;
inline constexpr int ADD_UNIT_GROUP = 1348;
inline constexpr int DELETE_UNIT_GROUP = 1349;
inline constexpr int OPTIONS = 1362;
inline constexpr int PLOTTER_OPTIONS = 1059;

// ---- User keys: 14 keys from FIRST_USER on ----
inline constexpr int USER_1 = 1216;
inline constexpr int USER_2 = 1217;
inline constexpr int USER_3 = 1218;
inline constexpr int USER_4 = 1219;
inline constexpr int USER_5 = 1220;
inline constexpr int USER_6 = 1221;
inline constexpr int USER_7 = 1222;
inline constexpr int USER_8 = 1223;
inline constexpr int USER_9 = 1224;
inline constexpr int USER_10 = 1225;
inline constexpr int USER_11 = 1226;
inline constexpr int USER_12 = 1227;
inline constexpr int USER_13 = 1228;
inline constexpr int USER_14 = 1229;
inline constexpr int FIRST_USER = USER_1;
inline constexpr int USER_KEYS = 14;
inline constexpr int LAST_USER = FIRST_USER + USER_KEYS - 1;

// ---- Function types (plotter and function calculator) ----
inline constexpr int TYPE_FX = 1429;       // "f(x)="
inline constexpr int TYPE_FY = 1430;       // "f(y)="
inline constexpr int TYPE_SURFACE = 1432;  // "z=f(x,y)="
inline constexpr int TYPE_IMPLICIT = 1440; // "f(x,y)=="
inline constexpr int TYPE_SEQUENCE = 1443; // "f(n)="
inline constexpr int TYPE_SPACE_CURVE = 1284;
inline constexpr int TYPE_JULIA = 1438;
inline constexpr int TYPE_MANDELBROT = 1444;
inline constexpr int TYPE_PARAMETRIC = 1446;
inline constexpr int TYPE_RECURSIVE = 1447;
inline constexpr int TYPE_POLAR = 1458;
inline constexpr int TYPE_FTX = 1459; // "f(t,x)="
// The five context keys whose texts follow the function type.
inline constexpr int FIRST_CONTEXT = 1453;
inline constexpr int LAST_CONTEXT = 1457;

// ---- The whole range every keypad sends ----
inline constexpr int FIRST_KEY = 1019;
inline constexpr int LAST_KEY = 1560;
} // namespace KeyId
