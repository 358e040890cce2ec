#include "LodrinStarter.h"

#include <algorithm>

#include "CDlgAbout.h"
#include "CDlgAddMetric.h"
#include "CDlgAddMetricKind.h"
#include "CDlgConstants.h"
#include "CDlgDelMetric.h"
#include "CDlgDelMetricKind.h"
#include "CDlgHistory.h"
#include "CDlgIntegral.h"
#include "CDlgItemSelection.h"
#include "CDlgLoadEquation.h"
#include "CDlgMessage.h"
#include "CDlgMyFunctions.h"
#include "CDlgNewFunction.h"
#include "CDlgOptions.h"
#include "CDlgParameters.h"
#include "CDlgRange.h"
#include "CDlgRangeSolver.h"
#include "CDlgRangeSteps.h"
#include "CDlgRegressionModel.h"
#include "CDlgResult.h"
#include "CDlgSelect.h"
#include "CDlgStatisticOptions.h"
#include "CDlgStoreEquation.h"
#include "CDlgXPos.h"
#include "CPropPage3dOther.h"
#include "CPropPage3dRange.h"
#include "CPropPageComplexColors.h"
#include "CPropPageComplexStandard.h"
#include "CPropPagePlotterColors.h"
#include "CPropPagePlotterSettings.h"
#include "CPropSheetPlotteroptions.h"
#include "CPropSheetPlotteroptions3d.h"
#include "CPropSheetPlotteroptionsComplex.h"
#include "LodrinIds.h"
#include "LodrinStrings.h"

int LodrinStarter::s_language = 0;

namespace {
LodrinStarter::ModalRunner& modalRunner() {
    static LodrinStarter::ModalRunner runner;
    return runner;
}

template <std::size_t N> bool validSlot(int slot) {
    return slot >= 0 && static_cast<std::size_t>(slot) < N;
}

template <std::size_t N> std::wstring slotText(const std::array<std::wstring, N>& table, int slot) {
    return validSlot<N>(slot) ? table[static_cast<std::size_t>(slot)] : std::wstring();
}

// The first count slots of a table, for a dialog; count is cut to the table.
template <std::size_t N>
std::vector<std::wstring> firstSlots(const std::array<std::wstring, N>& table, int count) {
    const auto n = static_cast<std::ptrdiff_t>(std::clamp(count, 0, static_cast<int>(N)));
    return std::vector<std::wstring>(table.begin(), table.begin() + n);
}

// Takes the slots a dialog edited back, in slot order.
template <std::size_t N>
void takeSlots(std::array<std::wstring, N>& table, const std::vector<std::wstring>& edited) {
    std::copy_n(edited.begin(), std::min(edited.size(), N), table.begin());
}
} // namespace

void LodrinStarter::setLanguage(int language) {
    s_language = language;
}

std::wstring LodrinStarter::loadString(unsigned id) {
    return LodrinStrings::embedded().load(id, s_language);
}

LodrinStarter::ModalRunner LodrinStarter::setModalRunner(ModalRunner runner) {
    ModalRunner previous = std::move(modalRunner());
    modalRunner() = std::move(runner);
    return previous;
}

LodrinStarter::LodrinStarter(QWidget* parent) : m_parent(parent) {}

bool LodrinStarter::run(CLodrinDialog& dialog, bool fullScreen) {
    dialog.setFullScreen(fullScreen);
    const ModalRunner& runner = modalRunner();
    const int result = runner ? runner(dialog) : dialog.exec();
    return result == QDialog::Accepted;
}

// Data held for the dialogs.

void LodrinStarter::addHistory(const std::wstring& entry) {
    m_history.push_back(entry);
}

void LodrinStarter::initFunctions(int slot, const std::wstring& description, const std::wstring& expression) {
    if (!validSlot<FUNCTION_SLOTS>(slot)) return;
    m_function_descriptions[static_cast<std::size_t>(slot)] = description;
    m_function_expressions[static_cast<std::size_t>(slot)] = expression;
}

std::wstring LodrinStarter::getDescription(int slot) const {
    return slotText(m_function_descriptions, slot);
}
std::wstring LodrinStarter::getExpression(int slot) const {
    return slotText(m_function_expressions, slot);
}

void LodrinStarter::setConst(int slot, const std::wstring& key, const std::wstring& value) {
    if (!validSlot<CONSTANT_SLOTS>(slot)) return;
    m_const_keys[static_cast<std::size_t>(slot)] = key;
    m_const_values[static_cast<std::size_t>(slot)] = value;
}

std::wstring LodrinStarter::getConstKey(int slot) const {
    return slotText(m_const_keys, slot);
}
std::wstring LodrinStarter::getConstVal(int slot) const {
    return slotText(m_const_values, slot);
}

void LodrinStarter::initEquations(int slot, const std::wstring& name, const std::wstring& equation) {
    if (!validSlot<EQUATION_SLOTS>(slot)) return;
    const auto i = static_cast<std::size_t>(slot);
    m_equation_names[i] = name;
    m_equation_texts[i] = equation;
    m_equation_deleted[i] = false;
}

bool LodrinStarter::isEquationDeleted(int slot) const {
    return validSlot<EQUATION_SLOTS>(slot) && m_equation_deleted[static_cast<std::size_t>(slot)];
}

// Display only.

void LodrinStarter::showResult(std::wstring& text) {
    CDlgResult dialog(m_parent);
    dialog.m_text = text;
    run(dialog, false);
}

bool LodrinStarter::showMessage(const std::wstring& text) {
    CDlgMessage dialog(m_parent);
    dialog.m_text = text;
    run(dialog, false);
    return true;
}

bool LodrinStarter::showAboutBox(bool) {
    CDlgAbout dialog(m_parent);
    run(dialog, false);
    return true;
}

// Stored texts.

int LodrinStarter::showSelect(std::wstring& text, const std::vector<std::wstring>& expressions,
                              const std::vector<std::wstring>& constants) {
    CDlgSelect dialog(m_parent);
    dialog.m_expressions = expressions;
    dialog.m_constants = constants;
    if (!run(dialog, false)) return -1;
    if (dialog.m_edit != CDlgSelect::EDIT_NONE) return dialog.m_edit;
    text = dialog.m_text;
    return 0;
}

bool LodrinStarter::showConstants(int count) {
    CDlgConstants dialog(m_parent);
    dialog.m_keys = firstSlots(m_const_keys, count);
    dialog.m_values = firstSlots(m_const_values, count);
    if (!run(dialog, true)) return false;
    takeSlots(m_const_keys, dialog.m_keys);
    takeSlots(m_const_values, dialog.m_values);
    return true;
}

bool LodrinStarter::showMyFunctions(const std::wstring& input, int count) {
    CDlgMyFunctions dialog(m_parent);
    dialog.m_input = input;
    dialog.m_descriptions = firstSlots(m_function_descriptions, count);
    dialog.m_expressions = firstSlots(m_function_expressions, count);
    if (!run(dialog, true)) return false;
    takeSlots(m_function_descriptions, dialog.m_descriptions);
    takeSlots(m_function_expressions, dialog.m_expressions);
    return true;
}

std::wstring LodrinStarter::showHistory() {
    CDlgHistory dialog(m_parent);
    dialog.m_items = m_history;
    if (!run(dialog, false)) return {};
    return dialog.selectedText();
}

int LodrinStarter::showLoadEquation() {
    CDlgLoadEquation dialog(m_parent);
    dialog.m_names = firstSlots(m_equation_names, EQUATION_LIST);
    dialog.m_equations = firstSlots(m_equation_texts, EQUATION_LIST);
    if (!run(dialog, false)) return -1;
    return dialog.m_selected >= 0 ? dialog.m_selected : -1;
}

int LodrinStarter::showStoreEquation(const std::wstring& equation, std::wstring& name) {
    CDlgStoreEquation dialog(m_parent);
    dialog.m_equation = equation;
    dialog.m_name = name;
    dialog.m_names = firstSlots(m_equation_names, EQUATION_LIST);
    dialog.m_deleted.assign(m_equation_deleted.begin(), m_equation_deleted.begin() + EQUATION_LIST);
    if (!run(dialog, true)) return -1;
    for (std::size_t i = 0; i < dialog.m_deleted.size() && i < EQUATION_SLOTS; ++i)
        m_equation_deleted[i] = dialog.m_deleted[i];
    name = dialog.m_name;
    return dialog.m_selected >= 0 ? dialog.m_selected : -1;
}

int LodrinStarter::showNewFunction(std::wstring& text) {
    CDlgNewFunction dialog(m_parent);
    dialog.m_text = text;
    if (!run(dialog, true)) return -1;
    text = dialog.m_text;
    return 1;
}

bool LodrinStarter::showParameters(bool useW, bool useX, bool useY, bool useZ, double& w, double& x,
                                   double& y, double& z) {
    CDlgParameters dialog(m_parent);
    dialog.m_useW = useW;
    dialog.m_useX = useX;
    dialog.m_useY = useY;
    dialog.m_useZ = useZ;
    if (!run(dialog, false)) return false;
    w = dialog.m_w;
    x = dialog.m_x;
    y = dialog.m_y;
    z = dialog.m_z;
    return true;
}

// Units, statistics, analysis.

bool LodrinStarter::showAddMetric(const std::vector<std::wstring>& kinds,
                                  const std::vector<std::wstring>& metrics, std::wstring& name,
                                  std::wstring& kind, double& value) {
    CDlgAddMetric dialog(m_parent);
    dialog.m_kinds = kinds;
    dialog.m_bases = metrics;
    if (!run(dialog, true)) return false;
    name = dialog.m_name;
    kind = dialog.m_kind;
    value = dialog.m_value;
    return true;
}

bool LodrinStarter::showAddMetricKind(const std::vector<std::wstring>& kinds, std::wstring& name,
                                      std::wstring& base) {
    CDlgAddMetricKind dialog(m_parent);
    dialog.m_kinds = kinds;
    if (!run(dialog, false)) return false;
    name = dialog.m_name;
    base = dialog.m_base;
    return true;
}

bool LodrinStarter::showDelMetric(const std::vector<std::wstring>& metrics, std::wstring& name) {
    CDlgDelMetric dialog(m_parent);
    dialog.m_items = metrics;
    // OK with nothing selected has nothing to delete.
    if (!run(dialog, false) || dialog.m_selected < 0) return false;
    name = dialog.selectedText();
    return true;
}

bool LodrinStarter::showDelMetricKind(const std::vector<std::wstring>& kinds, std::wstring& name) {
    CDlgDelMetricKind dialog(m_parent);
    dialog.m_items = kinds;
    if (!run(dialog, false) || dialog.m_selected < 0) return false;
    name = dialog.selectedText();
    return true;
}

bool LodrinStarter::showStatisticOptions(unsigned& type, int& count) {
    CDlgStatisticOptions dialog(m_parent);
    dialog.m_type = type;
    dialog.m_count = count;
    if (!run(dialog, true)) return false;
    type = dialog.m_type;
    count = dialog.m_count;
    return true;
}

bool LodrinStarter::showRegressionModel(int& model) {
    CDlgRegressionModel dialog(m_parent);
    if (!run(dialog, false)) return false;
    model = dialog.m_selected;
    return model >= 0;
}

bool LodrinStarter::showXPos(double& x) {
    CDlgXPos dialog(m_parent);
    if (!run(dialog, false)) return false;
    x = dialog.m_x;
    return true;
}

int LodrinStarter::showItemSelection(unsigned title, unsigned prompt,
                                     const std::vector<std::wstring>& items) {
    CDlgItemSelection dialog(loadString(title), loadString(prompt), m_parent);
    dialog.m_items = items;
    if (!run(dialog, false)) return -1;
    return dialog.m_selected >= 0 ? dialog.m_selected : -1;
}

int LodrinStarter::showStructures(const std::vector<std::wstring>& items) {
    return showItemSelection(LodrinText::STRUCTURE_TITLE, LodrinText::STRUCTURE_PROMPT, items);
}
int LodrinStarter::showOperator(const std::vector<std::wstring>& items) {
    return showItemSelection(LodrinText::OPERATOR_TITLE, LodrinText::OPERATOR_PROMPT, items);
}
int LodrinStarter::showLogic(const std::vector<std::wstring>& items) {
    return showItemSelection(LodrinText::LOGIC_TITLE, LodrinText::LOGIC_PROMPT, items);
}
int LodrinStarter::showProgramSettings(const std::vector<std::wstring>& items) {
    return showItemSelection(LodrinText::SETTINGS_TITLE, LodrinText::SETTINGS_PROMPT, items);
}

// Ranges and integrals.

bool LodrinStarter::showRange(std::wstring prompt, double& from, double& to) {
    CDlgRange dialog(std::move(prompt), m_parent);
    if (!run(dialog, false)) return false;
    from = dialog.m_from;
    to = dialog.m_to;
    return true;
}

bool LodrinStarter::showRangeSolver(std::wstring prompt, double& from, double& to) {
    CDlgRangeSolver dialog(std::move(prompt), m_parent);
    if (!run(dialog, false)) return false;
    from = dialog.m_from;
    to = dialog.m_to;
    return true;
}

bool LodrinStarter::showRangeSteps(int& from, int& to, int& step) {
    CDlgRangeSteps dialog(m_parent);
    if (!run(dialog, false)) return false;
    from = dialog.m_from;
    to = dialog.m_to;
    step = dialog.m_stepwidth;
    return true;
}

bool LodrinStarter::showIntegral(double& from, double& to, double& width, bool& absolute, int& type) {
    CDlgIntegral dialog(m_parent);
    if (!run(dialog, true)) return false;
    from = CDlgIntegral::m_fromx;
    to = CDlgIntegral::m_tox;
    width = dialog.m_width;
    absolute = CDlgIntegral::m_absolut == 1;
    type = CDlgIntegral::m_type;
    return true;
}

// Settings.

bool LodrinStarter::showOptions(int& mode, int& precision, int& language, int& standardBackground, bool& useJ,
                                bool& /*useRPN: no control, returned unchanged*/, bool& resultInInput,
                                unsigned long& backgroundColour) {
    CDlgOptions dialog(m_parent);
    dialog.m_mode = mode;
    dialog.m_precision = precision;
    dialog.m_language = language;
    dialog.m_standardBackground = standardBackground;
    dialog.m_useJ = useJ;
    dialog.m_resultInInput = resultInInput;
    dialog.m_backgroundColour = backgroundColour;
    if (!run(dialog, true)) return false;
    mode = dialog.m_mode;
    precision = dialog.m_precision;
    language = dialog.m_language;
    standardBackground = dialog.m_standardBackground;
    useJ = dialog.m_useJ;
    resultInInput = dialog.m_resultInInput;
    backgroundColour = dialog.m_backgroundColour;
    return true;
}

bool LodrinStarter::showPlotteroptions(double& xmin, double& xmax, double& ymin, double& ymax, bool& piScale,
                                       bool& eScale, int& quality, int& type, int& lineWidth,
                                       unsigned long& background, unsigned long& colour1,
                                       unsigned long& colour2, unsigned long& colour3,
                                       unsigned long& colour4) {
    CPropSheetPlotteroptions sheet(m_parent);
    CPropPagePlotterSettings& s = *sheet.m_settings;
    CPropPagePlotterColors& c = *sheet.m_colors;
    s.m_xmin = xmin;
    s.m_xmax = xmax;
    s.m_ymin = ymin;
    s.m_ymax = ymax;
    s.m_piScale = piScale;
    s.m_eScale = eScale;
    s.m_quality = quality;
    s.m_type = type;
    s.m_lineWidth = lineWidth;
    c.m_background = background;
    c.m_colours = {colour1, colour2, colour3, colour4};
    if (!run(sheet, true)) return false;
    xmin = s.m_xmin;
    xmax = s.m_xmax;
    ymin = s.m_ymin;
    ymax = s.m_ymax;
    piScale = s.m_piScale;
    eScale = s.m_eScale;
    quality = s.m_quality;
    type = s.m_type;
    lineWidth = s.m_lineWidth;
    background = c.m_background;
    colour1 = c.m_colours[0];
    colour2 = c.m_colours[1];
    colour3 = c.m_colours[2];
    colour4 = c.m_colours[3];
    return true;
}

bool LodrinStarter::showPlotteroptions3D(double& xmin, double& xmax, double& ymin, double& ymax, double& zmin,
                                         double& zmax, int& automaticZ, int& quality, int& zRotation,
                                         int& yRotation, int& lineHeight, unsigned long& foreColour,
                                         unsigned long& backColour) {
    CPropSheetPlotteroptions3d sheet(m_parent);
    CPropPage3dRange& r = *sheet.m_range;
    CPropPage3dOther& o = *sheet.m_other;
    r.m_xmin = xmin;
    r.m_xmax = xmax;
    r.m_ymin = ymin;
    r.m_ymax = ymax;
    r.m_zmin = zmin;
    r.m_zmax = zmax;
    r.m_automaticZ = automaticZ;
    o.m_quality = quality;
    o.m_zRotation = zRotation;
    o.m_yRotation = yRotation;
    o.m_lineHeight = lineHeight;
    o.m_foreColour = foreColour;
    o.m_backColour = backColour;
    if (!run(sheet, true)) return false;
    xmin = r.m_xmin;
    xmax = r.m_xmax;
    ymin = r.m_ymin;
    ymax = r.m_ymax;
    zmin = r.m_zmin;
    zmax = r.m_zmax;
    automaticZ = r.m_automaticZ;
    quality = o.m_quality;
    zRotation = o.m_zRotation;
    yRotation = o.m_yRotation;
    lineHeight = o.m_lineHeight;
    foreColour = o.m_foreColour;
    backColour = o.m_backColour;
    return true;
}

bool LodrinStarter::showPlotteroptionsComplex(double& reMin, double& reMax, double& imMin, double& imMax,
                                              int& iterations, double& border, int& quality,
                                              unsigned long& colourZero, unsigned long& colourMax) {
    CPropSheetPlotteroptionsComplex sheet(m_parent);
    CPropPageComplexStandard& s = *sheet.m_standard;
    CPropPageComplexColors& c = *sheet.m_colors;
    s.m_reMin = reMin;
    s.m_reMax = reMax;
    s.m_imMin = imMin;
    s.m_imMax = imMax;
    s.m_iterations = iterations;
    s.m_border = border;
    s.m_quality = quality;
    c.m_colourZero = colourZero;
    c.m_colourMax = colourMax;
    if (!run(sheet, true)) return false;
    reMin = s.m_reMin;
    reMax = s.m_reMax;
    imMin = s.m_imMin;
    imMax = s.m_imMax;
    iterations = s.m_iterations;
    border = s.m_border;
    quality = s.m_quality;
    colourZero = c.m_colourZero;
    colourMax = c.m_colourMax;
    return true;
}
