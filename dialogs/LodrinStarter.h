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
