#pragma once
#include <string>
#include <vector>

#include "CAnalysisView.h"
#include "SolverEquation.h"

class CGridCtrl;

// The equation solver: an equation with named parameters, solved for the one
// parameter left without a value. The parameters are the columns of a grid
// (name in row 0, value in row 1); up to ten equations with their parameters
// are stored. The searches run on the worker.
class CSolverCalculatorView : public CAnalysisView {
    Q_OBJECT
public:
    // Fills the grid with the names the typed equation uses.
    static constexpr int NAMES_KEY = KeyId::PARAMETER_NAMES;
    static constexpr int PARAMETER_GRID = 1300;
    // The equals key that tries the wide search before asking for a range.
    static constexpr int WIDE_EQUALS_KEY = 1025;

    explicit CSolverCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    CGridCtrl* grid() const { return m_grid; }
    // The parameters as the grid lists them, after committing an edit.
    std::vector<SolverEquation::Parameter> parameters() const;
    void setParameters(const std::vector<SolverEquation::Parameter>& parameters);
    const std::wstring& equationName() const { return m_equation_name; }

    void languageChanged() override;
    void calculateInput() override;
    void equationLoad() override;
    void equationStore() override;
    bool viewKey(int id) override;

protected:
    void busyChanged(bool busy) override;

private:
    void solveInRange(const std::wstring& equation, const std::wstring& unknown);
    void showSolution(const std::wstring& unknown, const std::wstring& result, bool found);
    void refuse(unsigned id);
    void fillNames();
    void renameColumn(int column);

    CGridCtrl* m_grid = nullptr;
    std::wstring m_equation_name;
};
