#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

class QWidget;
class CLodrinDialog;

// The one way the program opens a dialog of the library: construct a launcher
// on the stack with the parent window, fill the slots a dialog needs, call one
// show... method and read the results back. Every show... method runs its
// dialog modally and changes its reference parameters (and the slots) only
// when the user confirms; after Cancel they are exactly as they were.
class LodrinStarter {
public:
    static constexpr int FUNCTION_SLOTS = 28;
    static constexpr int CONSTANT_SLOTS = 14;
    static constexpr int EQUATION_SLOTS = 14;
    // The equation dialogs offer the first ten slots.
    static constexpr int EQUATION_LIST = 10;

    // 0 English, 1 German; shared by every launcher of the process.
    static int s_language;
    static void setLanguage(int language);
    // The library text id in the current language (id + 1000 * language),
    // else the text of id itself, else an empty string.
    static std::wstring loadString(unsigned id);

    // How dialogs are run modally. The default executes them; a test installs
    // a runner that drives the dialog through its controls and returns its
    // result, so nothing ever blocks. Returns the runner that was in force.
    using ModalRunner = std::function<int(CLodrinDialog&)>;
    static ModalRunner setModalRunner(ModalRunner runner);

    explicit LodrinStarter(QWidget* parent = nullptr);

    // Data held for the dialogs. Slots outside their range are ignored on
    // writing and read as empty.
    void addHistory(const std::wstring& entry);
    void initFunctions(int slot, const std::wstring& description, const std::wstring& expression);
    std::wstring getDescription(int slot) const;
    std::wstring getExpression(int slot) const;
    void setConst(int slot, const std::wstring& key, const std::wstring& value);
    std::wstring getConstKey(int slot) const;
    std::wstring getConstVal(int slot) const;
    void initEquations(int slot, const std::wstring& name, const std::wstring& equation);
    bool isEquationDeleted(int slot) const;

    // Display only.
    void showResult(std::wstring& text);
    bool showMessage(const std::wstring& text);
    bool showAboutBox(bool flag);

    // Stored texts: selection, constants, user functions, history, equations.
    // showSelect returns 0 with text set to the chosen item, 1 or 2 when the
    // user asked to edit the expressions or the constants, -1 on Cancel.
    int showSelect(std::wstring& text, const std::vector<std::wstring>& expressions,
                   const std::vector<std::wstring>& constants);
    bool showConstants(int count);
    bool showMyFunctions(const std::wstring& input, int count);
    // The chosen entry, or an empty text when nothing was chosen.
    std::wstring showHistory();
    int showLoadEquation();
    // The slot to store into, or -1; slots the user deleted on the way are
    // marked (isEquationDeleted), the caller empties them.
    int showStoreEquation(const std::wstring& equation, std::wstring& name);
    // 1 with text set to the new function's head, or -1.
    int showNewFunction(std::wstring& text);
    bool showParameters(bool useW, bool useX, bool useY, bool useZ, double& w, double& x, double& y,
                        double& z);

    // Units, statistics, analysis.
    bool showAddMetric(const std::vector<std::wstring>& kinds, const std::vector<std::wstring>& metrics,
                       std::wstring& name, std::wstring& kind, double& value);
    bool showAddMetricKind(const std::vector<std::wstring>& kinds, std::wstring& name, std::wstring& base);
    bool showDelMetric(const std::vector<std::wstring>& metrics, std::wstring& name);
    bool showDelMetricKind(const std::vector<std::wstring>& kinds, std::wstring& name);
    bool showStatisticOptions(unsigned& type, int& count);
    bool showRegressionModel(int& model);
    bool showXPos(double& x);

    // One item of a list under a fixed title and prompt: the selected index,
    // or -1.
    int showStructures(const std::vector<std::wstring>& items);
    int showOperator(const std::vector<std::wstring>& items);
    int showLogic(const std::vector<std::wstring>& items);
    int showProgramSettings(const std::vector<std::wstring>& items);

    // Ranges and integrals.
    bool showRange(std::wstring prompt, double& from, double& to);
    bool showRangeSolver(std::wstring prompt, double& from, double& to);
    bool showRangeSteps(int& from, int& to, int& step);
    bool showIntegral(double& from, double& to, double& width, bool& absolute, int& type);

    // Settings.
    bool showOptions(int& mode, int& precision, int& language, int& standardBackground, bool& useJ,
                     bool& useRPN, bool& resultInInput, unsigned long& backgroundColour);
    bool showPlotteroptions(double& xmin, double& xmax, double& ymin, double& ymax, bool& piScale,
                            bool& eScale, int& quality, int& type, int& lineWidth, unsigned long& background,
                            unsigned long& colour1, unsigned long& colour2, unsigned long& colour3,
                            unsigned long& colour4);
    bool showPlotteroptions3D(double& xmin, double& xmax, double& ymin, double& ymax, double& zmin,
                              double& zmax, int& automaticZ, int& quality, int& zRotation, int& yRotation,
                              int& lineHeight, unsigned long& foreColour, unsigned long& backColour);
    bool showPlotteroptionsComplex(double& reMin, double& reMax, double& imMin, double& imMax,
                                   int& iterations, double& border, int& quality, unsigned long& colourZero,
                                   unsigned long& colourMax);

private:
    // Sets the full-screen property and runs the dialog; true after OK.
    static bool run(CLodrinDialog& dialog, bool fullScreen);
    int showItemSelection(unsigned title, unsigned prompt, const std::vector<std::wstring>& items);

    QWidget* m_parent;
    std::vector<std::wstring> m_history;
    std::array<std::wstring, FUNCTION_SLOTS> m_function_descriptions;
    std::array<std::wstring, FUNCTION_SLOTS> m_function_expressions;
    std::array<std::wstring, CONSTANT_SLOTS> m_const_keys;
    std::array<std::wstring, CONSTANT_SLOTS> m_const_values;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_names;
    std::array<std::wstring, EQUATION_SLOTS> m_equation_texts;
    std::array<bool, EQUATION_SLOTS> m_equation_deleted{};
};
