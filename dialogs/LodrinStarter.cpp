#include "LodrinStarter.h"

#include "CDlgAbout.h"
#include "CDlgIntegral.h"
#include "CDlgMessage.h"
#include "CDlgOptions.h"
#include "CDlgRange.h"
#include "CDlgRangeSolver.h"
#include "CDlgRangeSteps.h"
#include "CDlgResult.h"
#include "CPropPage3dOther.h"
#include "CPropPage3dRange.h"
#include "CPropPageComplexColors.h"
#include "CPropPageComplexStandard.h"
#include "CPropPagePlotterColors.h"
#include "CPropPagePlotterSettings.h"
#include "CPropSheetPlotteroptions.h"
#include "CPropSheetPlotteroptions3d.h"
#include "CPropSheetPlotteroptionsComplex.h"
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
