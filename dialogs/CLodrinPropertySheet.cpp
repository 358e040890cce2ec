#include "CLodrinPropertySheet.h"

#include <QBoxLayout>
#include <QSignalBlocker>
#include <QTabWidget>

#include "CLodrinPropertyPage.h"

CLodrinPropertySheet::CLodrinPropertySheet(QWidget* parent)
    : CLodrinDialog(parent), m_tabs(new QTabWidget(this)) {
    auto* top = new QVBoxLayout(this);
    top->addWidget(m_tabs, 1);
    top->addLayout(createOkCancel(false));
    connect(m_tabs, &QTabWidget::currentChanged, this, &CLodrinPropertySheet::pageChanged);
}

void CLodrinPropertySheet::addPage(CLodrinPropertyPage* page, const wchar_t* title) {
    m_pages.push_back(page);
    m_tabs->addTab(page, LodrinUi::qs(title));
}

int CLodrinPropertySheet::activePage() const {
    return m_tabs->currentIndex();
}

void CLodrinPropertySheet::setActivePage(int index) {
    m_tabs->setCurrentIndex(index);
}

void CLodrinPropertySheet::OnInitDialog() {
    for (CLodrinPropertyPage* page : m_pages)
        page->fill();
    m_current = m_tabs->currentIndex();
}

void CLodrinPropertySheet::pageChanged(int index) {
    if (m_current >= 0 && m_current < static_cast<int>(m_pages.size()) && m_current != index &&
        !m_pages[static_cast<std::size_t>(m_current)]->takeOver()) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(m_current);
        return;
    }
    m_current = index;
}

void CLodrinPropertySheet::OnOK() {
    // The page in front first: its refusal is the one the user expects.
    std::vector<int> order{m_tabs->currentIndex()};
    for (int i = 0; i < static_cast<int>(m_pages.size()); ++i)
        if (i != order.front()) order.push_back(i);
    for (int i : order) {
        if (i < 0) continue;
        if (!m_pages[static_cast<std::size_t>(i)]->takeOver()) {
            const QSignalBlocker block(m_tabs);
            m_tabs->setCurrentIndex(i);
            m_current = i;
            return;
        }
    }
    EndDialog(Accepted);
}
