#pragma once
#include <vector>

#include "CLodrinDialog.h"

class CLodrinPropertyPage;
class QTabWidget;

// A dialog of tabbed pages. Leaving a page takes its values over (a refused
// value keeps the user on the page); OK takes every page over and closes
// only if all of them agree.
class CLodrinPropertySheet : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CLodrinPropertySheet(QWidget* parent);

    int activePage() const;
    void setActivePage(int index);

protected:
    void addPage(CLodrinPropertyPage* page, const wchar_t* title);
    void OnInitDialog() override;
    void OnOK() override;

private:
    void pageChanged(int index);

    QTabWidget* m_tabs;
    std::vector<CLodrinPropertyPage*> m_pages;
    int m_current = 0;
};
